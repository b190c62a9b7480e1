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

#include "tools/entry_check/folder_io.h"

#include <filesystem>
#include <string>
#include <vector>

namespace aoba {

// Where the file name of the set in folder is read.
std::filesystem::path SetFilePath(const std::filesystem::path& folder, const std::string& name);

// True when folder holds a change that was stopped after its one step (readers see the new set).
bool HasStoppedChange(const std::filesystem::path& folder);

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
};

// Replaces the named files of folder with files, all or none. folder must be locked exclusively and
// cleared of stopped changes (FinishStoppedChanges). A name that is a folder or anything but a file or a
// link is refused before anything is written.
SetChange ReplaceSet(const Folder& folder, const std::vector<SetFile>& files);

// Finishes a change that was stopped after its one step (or undoes it, should finishing fail) and removes
// staging folders. folder must be locked exclusively.
SetChange FinishStoppedChanges(const Folder& folder);

} // namespace aoba
