// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/catalogue_folder.h"

#include "catalogue/entry_check/lines.h"
#include "catalogue/entry_check/report.h"

namespace aoba {

namespace {

const std::string kCommit = ".import-commit";
const std::string kStagingPrefix = ".import-";
const std::string kOld = ".old";
// The names a change replaces, one a line: they cannot be told from what is left in .import-commit once
// a file that had no old one has been moved in.
const std::string kNames = ".names";

std::string Where(const Folder& folder, const std::string& name) {
    return NativePathText(folder.Path() / name);
}

// The most a list of ours can hold: a few hundred short names.
constexpr std::size_t kMaxNamesBytes = 1 << 16;

// Only plain names inside the folder, as a change of ours lists them.
bool IsPlainName(const std::string& name) {
    return !name.empty() && !name.starts_with('.') && name.find_first_of("/\\") == std::string::npos;
}

// Removes a staging folder and the files in it; one of our folders never holds a folder.
void RemoveStaging(const Folder& folder, const std::string& name, SetChange& change) {
    std::error_code error;
    const Folder staging = folder.OpenSub(name, error);
    const std::vector<std::string> files = error ? std::vector<std::string>() : staging.Names(error);
    for (std::size_t i = 0; i < files.size() && !error; ++i)
        staging.Remove(files[i], error);
    if (!error)
        folder.Remove(name, error);
    if (error)
        change.Failed(Where(folder, name) + ": cannot remove the left-over folder: " + Reason(error));
}

// Renames the commit folder to a fresh staging name, which undoes the one step (or retires a finished
// change), and removes it.
bool Retire(const Folder& folder, SetChange& change) {
    std::error_code error;
    const std::string trash = folder.FreeName(kStagingPrefix);
    Folder::Rename(folder, kCommit, folder, trash, error);
    if (error) {
        change.Failed(Where(folder, kCommit) + ": cannot rename the folder: " + Reason(error));
        return false;
    }
    folder.Sync(error);
    RemoveStaging(folder, trash, change);
    return true;
}

// Moves every file still in .import-commit into folder, the old one aside first. The name that failed, or
// nothing.
std::string MoveIn(const Folder& folder, const Folder& commit, const std::vector<std::string>& names,
                   SetChange& change) {
    std::error_code error;
    for (const std::string& name : names) {
        if (commit.Kind(name) == NameKind::None)
            continue; // moved in already
        if (folder.Kind(name) != NameKind::None) {
            Folder::Rename(folder, name, commit, name + kOld, error);
            if (error) {
                change.Failed(Where(folder, name) + ": cannot move the old file aside: " + Reason(error));
                return name;
            }
        }
        Folder::Rename(commit, name, folder, name, error);
        if (error) {
            change.Failed(Where(folder, name) + ": cannot replace the file: " + Reason(error));
            return name;
        }
    }
    folder.Sync(error);
    return {};
}

// Puts every old file back and every new one into .import-commit again, so that retiring the folder leaves
// the set from before. True when all went back.
bool MoveBack(const Folder& folder, const Folder& commit, const std::vector<std::string>& names,
              SetChange& change) {
    std::error_code error;
    int restored = 0;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        const std::string& name = *it;
        const bool hasNew = commit.Kind(name) != NameKind::None;
        const bool hasOld = commit.Kind(name + kOld) != NameKind::None;
        if (hasNew && !hasOld)
            continue; // never touched
        if (!hasNew)
            Folder::Rename(folder, name, commit, name, error);
        if (!error && hasOld)
            Folder::Rename(commit, name + kOld, folder, name, error);
        if (error) {
            change.Failed(Where(folder, name) + ": cannot put the old file back: " + Reason(error));
            return false;
        }
        restored += hasNew ? 0 : 1;
    }
    if (restored > 0)
        change.messages.push_back("the " + std::to_string(restored) +
                                  " files already replaced were put back");
    return true;
}

// Finishes the change in .import-commit, or undoes it when a file cannot be moved in.
void Complete(const Folder& folder, const StoppedChange& stopped, SetChange& change) {
    std::error_code error;
    const Folder commit = folder.OpenSub(kCommit, error);
    if (error || stopped.kind != StoppedChange::Kind::Ours) {
        if (error)
            change.Failed(Where(folder, kCommit) + ": cannot open the folder: " + Reason(error));
        else
            change.messages.push_back(stopped.problem);
        change.outcome = SetChange::Outcome::Stuck;
        return;
    }
    const std::vector<std::string>& names = stopped.names;
    if (MoveIn(folder, commit, names, change).empty()) {
        Retire(folder, change);
        change.outcome = SetChange::Outcome::Done;
        return;
    }
    if (MoveBack(folder, commit, names, change) && Retire(folder, change)) {
        change.outcome = SetChange::Outcome::Unchanged;
        return;
    }
    change.outcome = SetChange::Outcome::Stuck;
}

} // namespace

std::string RenderNamesList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names)
        list += name + '\n';
    return list;
}

NamesList ReadNamesList(std::string_view text) {
    NamesList list;
    for (const std::string_view line : SplitLines(text)) {
        const std::string name(line);
        if (!IsPlainName(name)) {
            list.problem = name.empty() ? "has an empty line"
                                        : "names " + QuoteBytes(name) + ", which is not a plain file name";
            list.names.clear();
            return list;
        }
        list.names.push_back(name);
    }
    return list;
}

std::filesystem::path SetFilePath(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    if (std::filesystem::symlink_status(folder / kCommit, error).type() ==
            std::filesystem::file_type::directory &&
        std::filesystem::symlink_status(folder / kCommit / name, error).type() !=
            std::filesystem::file_type::not_found)
        return folder / kCommit / name;
    return folder / name;
}

StoppedChange FindStoppedChange(const std::filesystem::path& folder) {
    StoppedChange found;
    std::error_code error;
    if (std::filesystem::symlink_status(folder / kCommit, error).type() !=
        std::filesystem::file_type::directory)
        return found;
    found.kind = StoppedChange::Kind::Foreign;
    const std::string prefix =
        NativePathText(folder / kCommit) + " is not an import this tool left: its list " + kNames;
    const FileRead list = ReadRegularFile(folder / kCommit / kNames, kMaxNamesBytes);
    switch (list.status) {
    case FileRead::Status::Read: break;
    case FileRead::Status::Missing: found.problem = prefix + " is missing"; return found;
    case FileRead::Status::NotRegular: found.problem = prefix + " is " + list.kind; return found;
    case FileRead::Status::TooLarge:
        found.problem = prefix + " is larger than any list this tool writes";
        return found;
    case FileRead::Status::Failed:
        found.problem = prefix + " cannot be read: " + Reason(list.error);
        return found;
    }
    NamesList read = ReadNamesList(list.bytes);
    if (!read.problem.empty()) {
        found.problem = prefix + " " + read.problem;
        return found;
    }
    found.kind = StoppedChange::Kind::Ours;
    found.names = std::move(read.names);
    return found;
}

SetChange FinishStoppedChanges(const Folder& folder) {
    SetChange change;
    std::error_code error;
    const NameKind commit = folder.Kind(kCommit);
    if (commit == NameKind::Folder) {
        const StoppedChange stopped = FindStoppedChange(folder.Path());
        if (stopped.kind == StoppedChange::Kind::Foreign) {
            change.messages.push_back(stopped.problem);
            change.outcome = SetChange::Outcome::Unchanged;
            return change;
        }
        change.messages.push_back(Where(folder, kCommit) + ": an import was stopped after it was complete; "
                                                           "finishing it");
        Complete(folder, stopped, change);
        if (change.outcome == SetChange::Outcome::Unchanged)
            change.messages.push_back("the set from before that import was kept");
        if (change.outcome == SetChange::Outcome::Stuck)
            return change;
    } else if (commit != NameKind::None) {
        // Not one of ours: readers ignore it, and nothing of ours may go through it.
        folder.Remove(kCommit, error);
    }
    for (const std::string& name : folder.Names(error)) {
        if (name.starts_with(kStagingPrefix) && name != kCommit) {
            change.messages.push_back(Where(folder, name) + ": removing what a stopped run left");
            if (folder.Kind(name) == NameKind::Folder)
                RemoveStaging(folder, name, change);
            else
                folder.Remove(name, error);
        }
    }
    change.outcome = SetChange::Outcome::Done;
    return change;
}

SetChange ReplaceSet(const Folder& folder, const std::vector<SetFile>& files) {
    SetChange change;
    change.outcome = SetChange::Outcome::Unchanged;
    for (const SetFile& file : files) {
        const NameKind kind = folder.Kind(file.name);
        if (kind == NameKind::Folder || kind == NameKind::Other) {
            change.messages.push_back(Where(folder, file.name) + ": not a file, so it is not replaced");
            return change;
        }
    }

    std::error_code error;
    std::string stagingName;
    const Folder staging = folder.MakeUniqueSub(kStagingPrefix, stagingName, error);
    if (error) {
        change.Failed(NativePathText(folder.Path()) +
                      ": cannot make a folder for the new set: " + Reason(error));
        return change;
    }
    std::vector<std::string> names;
    for (const SetFile& file : files)
        names.push_back(file.name);
    staging.WriteNew(kNames, RenderNamesList(names), error);
    if (error)
        change.Failed(Where(staging, kNames) + ": cannot write the file: " + Reason(error));
    for (std::size_t i = 0; i < files.size() && !error; ++i) {
        staging.WriteNew(files[i].name, files[i].bytes, error);
        if (error)
            change.Failed(Where(staging, files[i].name) + ": cannot write the file: " + Reason(error));
    }
    if (!error) {
        staging.SyncFileSystem(error);
        if (error)
            change.Failed(NativePathText(staging.Path()) +
                          ": cannot flush the new set to disk: " + Reason(error));
    }
    if (!error) {
        // The one step: from here on the set is the new one.
        Folder::Rename(folder, stagingName, folder, kCommit, error);
        if (error)
            change.Failed(NativePathText(staging.Path()) + ": cannot rename it to " + kCommit + ": " +
                          Reason(error));
    }
    if (error) {
        RemoveStaging(folder, stagingName, change);
        return change;
    }
    folder.Sync(error);
    Complete(folder, FindStoppedChange(folder.Path()), change);
    return change;
}

} // namespace aoba
