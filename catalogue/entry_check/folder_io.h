// SPDX-License-Identifier: MIT
// The few file-system steps the catalogue tools take. Where they write, a folder is opened once, without
// following a link, and every name is taken inside it, so nothing planted in it can send a write elsewhere.
// Where they read, a file is looked at before it is opened: a folder, a pipe or a device is never opened,
// and a file larger than the caller allows is never read whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace aoba {

enum class NameKind { None, Regular, Folder, Link, Other };

class Folder {
public:
    Folder() = default;
    Folder(Folder&& other) noexcept;
    Folder& operator=(Folder&& other) noexcept;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder();

    // The folder at path; a link there is refused, not followed.
    static Folder Open(const std::filesystem::path& path, std::error_code& error);
    // For readers: a link to a folder is followed.
    static Folder OpenToRead(const std::filesystem::path& path, std::error_code& error);

    bool IsOpen() const;
    const std::filesystem::path& Path() const { return path_; }

    Folder OpenSub(const std::string& name, std::error_code& error) const;
    // A new, empty sub-folder named prefix and six random characters, made by this call; its name in name.
    Folder MakeUniqueSub(const std::string& prefix, std::string& name, std::error_code& error) const;
    // Prefix and six random characters: a name nothing in the folder has now.
    std::string FreeName(const std::string& prefix) const;
    NameKind Kind(const std::string& name) const; // the name itself, never what a link points to
    std::vector<std::string> Names(std::error_code& error) const;
    // Creates the file name, which must not exist (not even as a link), and writes bytes into it.
    void WriteNew(const std::string& name, std::string_view bytes, std::error_code& error) const;
    // Removes a file or link (never what it points to), or an empty sub-folder.
    void Remove(const std::string& name, std::error_code& error) const;
    // Replaces to/toName, whatever it is, with from/fromName in one step.
    static void Rename(const Folder& from, const std::string& fromName, const Folder& to,
                       const std::string& toName, std::error_code& error);

    // Makes the folder's names durable.
    void Sync(std::error_code& error) const;
    // Makes everything written on the folder's file system durable: one call instead of one per file.
    void SyncFileSystem(std::error_code& error) const;

    // Locks that last while this object lives, and end with the process however it ends. TryLockExclusive
    // returns false without waiting, with error left empty, when someone else holds a lock.
    bool TryLockExclusive(std::error_code& error);
    void LockShared(std::error_code& error);

private:
    Folder(std::intptr_t handle, std::filesystem::path path);

    std::intptr_t handle_ = -1; // a file descriptor, or on Windows a HANDLE
    std::intptr_t lock_ = -1;   // Windows: the lock file, kept open
    std::filesystem::path path_;
};

struct FileRead {
    enum class Status { Read, Missing, NotRegular, TooLarge, Failed };
    Status status = Status::Failed;
    std::string bytes;
    std::string kind;        // NotRegular: "a folder", "a named pipe", "a link to a device" …
    std::uintmax_t size = 0; // TooLarge: the size found
    std::error_code error;   // Failed: the system's reason
};

// The bytes of the regular file at path (a link to one is followed), at most limit of them.
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

// "No such file or directory": the system's words for an error.
std::string Reason(const std::error_code& error);

// A path as the system writes paths (backslashes on Windows, whatever separators it was given), in UTF-8.
std::string NativePathText(const std::filesystem::path& path);

} // namespace aoba
