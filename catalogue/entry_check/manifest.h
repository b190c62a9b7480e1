// SPDX-License-Identifier: MIT
// The manifest of the catalogue, data/SHA256SUMS: the SHA-256 of each entry file as sha256sum prints it
// ("HEX  NNN.txt", one a line, 001 to 382). It ties the 382 files into one set: the build refuses a data/
// that does not match it, so a mixed or damaged set never reaches a reader.
#pragma once

#include "catalogue/entry_check/folder_io.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace aoba {

inline constexpr const char* kManifestName = "SHA256SUMS";

// Files that do not match are named up to this many, then counted.
inline constexpr int kListedMismatches = 10;

// The manifest of entries 1..382 with these bytes, in order.
std::string RenderManifest(const std::vector<std::string>& entryBytes);

struct ManifestProblem {
    std::filesystem::path path;
    int line = 0; // in the manifest; 0 for a file as a whole
    std::string detail;
    bool ioError = false; // a file could not be read, for the system's reason
};

// What a manifest's text says: the digest of each entry file it names, in lower case, and each line that is
// not one of sha256sum's (kListedMismatches of them, then a count); their path is left empty.
struct ManifestText {
    std::map<int, std::string> digests;
    std::vector<ManifestProblem> problems;
};
ManifestText ReadManifestText(std::string_view text);

// Every way folder (read through a stopped import, see catalogue_folder.h) is not the set its manifest
// names; nothing when it is.
std::vector<ManifestProblem> ManifestProblems(const std::filesystem::path& folder);

// One line a problem, as violations are reported: "PATH:LINE: manifest: DETAIL".
std::string RenderProblems(const std::vector<ManifestProblem>& problems);

// For the build: folder checked against its manifest under a shared lock, which stays held while this
// lives, so no import changes the files while they are read.
struct CheckedSet {
    Folder lock;
    std::vector<ManifestProblem> problems;
};
CheckedSet CheckSet(const std::filesystem::path& folder);

} // namespace aoba
