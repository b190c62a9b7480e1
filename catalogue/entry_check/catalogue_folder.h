// SPDX-License-Identifier: MIT
// A catalogue folder (data/) as one set of files that changes in one step, however the change is stopped.
//
// A change writes the new files into a staging folder inside data/ (".import-" and six characters), then
// renames that folder to ".import-commit": that rename is the one step. From then on the set is the new one
// and readers take each file from .import-commit while it is still there, from data/ once it has been
// moved in. The files are then moved in one by one, each old file first moved aside into .import-commit as
// NAME.old, so that a move that fails can be undone. Whoever next changes data/ finishes a stopped change
// first; staging folders are left-overs and are removed.
#pragma once

#include "catalogue/entry_check/folder_io.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace aoba {

// Where the file name of the set in folder is read.
std::filesystem::path SetFilePath(const std::filesystem::path& folder, const std::string& name);

// What .import-commit in a folder is: nothing, a change of ours stopped after its one step (readers see the
// new set, and the next change moves it in), or a folder this tool never leaves, whose list cannot be
// trusted: no change goes through it, and it is left as it is for the maintainer to look at.
struct StoppedChange {
    enum class Kind { None, Ours, Foreign };
    Kind kind = Kind::None;
    std::vector<std::string> names; // Ours: the files it replaces, in the order of its list
    std::string problem;            // Foreign: what was found, naming the folder
};

StoppedChange FindStoppedChange(const std::filesystem::path& folder);

// The list .import-commit holds of the names its change replaces, one a line, as a change of ours writes
// it and reads it back: only plain names inside the folder (no path, none starting with '.').
std::string RenderNamesList(const std::vector<std::string>& names);
struct NamesList {
    std::vector<std::string> names;
    std::string problem; // what it holds that a list of ours does not: "has an empty line" …
};
NamesList ReadNamesList(std::string_view text);

struct SetFile {
    std::string name;
    std::string bytes;
};

struct SetChange {
    enum class Outcome {
        Done,      // the new set is in place
        Unchanged, // the set is the one from before, whole
        Stuck      // a change could neither be finished nor undone; readers see the new set
    };
    Outcome outcome = Outcome::Done;
    std::vector<std::string> messages; // what was found, done and refused, in order; errors with their reason
    bool systemError = false;          // a step failed for the system's reason, not by a refusal of ours

    void Failed(std::string message) {
        messages.push_back(std::move(message));
        systemError = true;
    }
};

// Replaces the named files of folder with files, all or none. folder must be locked exclusively and
// cleared of stopped changes (FinishStoppedChanges). A name that is a folder or anything but a file or a
// link is refused before anything is written.
SetChange ReplaceSet(const Folder& folder, const std::vector<SetFile>& files);

// Finishes a change that was stopped after its one step (or undoes it, should finishing fail) and removes
// staging folders. folder must be locked exclusively. Unchanged, with the problem as its message and
// nothing touched, when .import-commit is Foreign.
SetChange FinishStoppedChanges(const Folder& folder);

} // namespace aoba
