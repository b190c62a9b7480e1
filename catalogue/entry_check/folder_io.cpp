// SPDX-License-Identifier: MIT
#include "catalogue/entry_check/folder_io.h"

#include <algorithm>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace aoba {

namespace {

std::error_code LastError() {
#ifdef _WIN32
    return {static_cast<int>(GetLastError()), std::system_category()};
#else
    return {errno, std::generic_category()};
#endif
}

std::string RandomSuffix() {
    constexpr std::string_view kChars = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::string suffix;
    for (int i = 0; i < 6; ++i)
        suffix += kChars[std::uniform_int_distribution<std::size_t>(0, kChars.size() - 1)(random)];
    return suffix;
}

enum class FileKind { Regular, Folder, Pipe, Device, Socket, Other };

// What a path names, as the system tells without opening it.
struct PathLook {
    std::error_code error; // set when the path could not be looked at
    bool missing = false;
    bool link = false; // the name is a link; kind and size are those of what it points to
    FileKind kind = FileKind::Other;
    std::uintmax_t size = 0;
};

PathLook LookAt(const std::filesystem::path& path);

// A file opened for reading, closed when this goes, whichever way the read ends.
class ReadHandle {
public:
    ReadHandle(const std::filesystem::path& path, std::error_code& error);
    ~ReadHandle();
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;

    FileKind Kind(std::error_code& error) const;                            // what was opened
    std::size_t Read(char* into, std::size_t size, std::error_code& error); // 0 at the end

private:
    std::intptr_t handle_ = -1;
};

} // namespace

std::string Reason(const std::error_code& error) {
#ifdef _WIN32
    // The library's message is in the ANSI code page, which a report in UTF-8 would garble on a Japanese
    // Windows; the system's own words in UTF-16, less the ".\r\n" the library drops too.
    if (error.category() == std::system_category()) {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                FORMAT_MESSAGE_IGNORE_INSERTS,
                                            nullptr, static_cast<DWORD>(error.value()), LANG_USER_DEFAULT,
                                            reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length > 0) {
            std::wstring words(text, length);
            LocalFree(text);
            if (words.ends_with(L".\r\n"))
                words.resize(words.size() - 3);
            const std::u8string utf8 = std::filesystem::path(words).u8string();
            return {utf8.begin(), utf8.end()};
        }
    }
#endif
    return error.message();
}

std::string NativePathText(const std::filesystem::path& path) {
    const std::u8string text = std::filesystem::path(path).make_preferred().u8string();
    return {text.begin(), text.end()};
}

Folder::Folder(std::intptr_t handle, std::filesystem::path path)
    : handle_(handle)
    , path_(std::move(path)) {}

Folder::Folder(Folder&& other) noexcept
    : handle_(other.handle_)
    , lock_(other.lock_)
    , path_(std::move(other.path_)) {
    other.handle_ = -1;
    other.lock_ = -1;
}

Folder& Folder::operator=(Folder&& other) noexcept {
    std::swap(handle_, other.handle_);
    std::swap(lock_, other.lock_);
    std::swap(path_, other.path_);
    return *this;
}

bool Folder::IsOpen() const {
    return handle_ != -1;
}

std::string Folder::FreeName(const std::string& prefix) const {
    std::string name;
    do
        name = prefix + RandomSuffix();
    while (Kind(name) != NameKind::None);
    return name;
}

#ifdef _WIN32

// Windows has no calls relative to an open folder: names are joined to the folder's path, and a name that is
// a reparse point (a link or junction) is treated as a link and never written through.

namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::intptr_t Keep(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(handle);
}

// Backup semantics open a file as readily as a folder: what was opened is looked at, and a file refused as
// opening it as a folder would be.
HANDLE OpenFolder(const std::filesystem::path& path, bool followLink) {
    const HANDLE handle = CreateFileW(
        path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    BY_HANDLE_FILE_INFORMATION information;
    if (handle != INVALID_HANDLE_VALUE && (!GetFileInformationByHandle(handle, &information) ||
                                           !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))) {
        CloseHandle(handle);
        SetLastError(ERROR_DIRECTORY);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

const wchar_t* kLockName = L".catalogue-lock";

} // namespace

Folder::~Folder() {
    if (handle_ != -1)
        CloseHandle(Handle(handle_));
    if (lock_ != -1)
        CloseHandle(Handle(lock_));
}

Folder Folder::Open(const std::filesystem::path& path, std::error_code& error) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
        return {};
    }
    const HANDLE handle = OpenFolder(path, false);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();
        return {};
    }
    error.clear();
    return {Keep(handle), path};
}

Folder Folder::OpenToRead(const std::filesystem::path& path, std::error_code& error) {
    const HANDLE handle = OpenFolder(path, true);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastError();
        return {};
    }
    error.clear();
    return {Keep(handle), path};
}

Folder Folder::OpenSub(const std::string& name, std::error_code& error) const {
    if (Kind(name) != NameKind::Folder) {
        error = std::make_error_code(std::errc::not_a_directory);
        return {};
    }
    return Open(path_ / name, error);
}

Folder Folder::MakeUniqueSub(const std::string& prefix, std::string& name, std::error_code& error) const {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + RandomSuffix();
        if (CreateDirectoryW((path_ / name).c_str(), nullptr))
            return OpenSub(name, error);
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            error = LastError();
            return {};
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return {};
}

NameKind Folder::Kind(const std::string& name) const {
    const DWORD attributes = GetFileAttributesW((path_ / name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return NameKind::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return NameKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return NameKind::Folder;
    return NameKind::Regular;
}

std::vector<std::string> Folder::Names(std::error_code& error) const {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path_ / L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        error = LastError();
        return names;
    }
    do {
        const std::u8string utf8 = std::filesystem::path(found.cFileName).u8string();
        const std::string name(utf8.begin(), utf8.end());
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    error.clear();
    return names;
}

// Each file is flushed as it is written: Windows cannot flush a whole volume without administrator rights.
void Folder::WriteNew(const std::string& name, std::string_view bytes, std::error_code& error) const {
    const HANDLE file = CreateFileW((path_ / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = LastError();
        return;
    }
    error.clear();
    while (!bytes.empty() && !error) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            error = LastError();
        bytes.remove_prefix(written);
    }
    if (!error && !FlushFileBuffers(file))
        error = LastError();
    CloseHandle(file);
}

void Folder::Remove(const std::string& name, std::error_code& error) const {
    const std::filesystem::path path = path_ / name;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (folder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str()))
        error.clear();
    else
        error = LastError();
}

void Folder::Rename(const Folder& from, const std::string& fromName, const Folder& to,
                    const std::string& toName, std::error_code& error) {
    if (MoveFileExW((from.path_ / fromName).c_str(), (to.path_ / toName).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error.clear();
    else
        error = LastError();
}

void Folder::Sync(std::error_code& error) const {
    error.clear(); // MOVEFILE_WRITE_THROUGH has flushed each rename
}

void Folder::SyncFileSystem(std::error_code& error) const {
    error.clear(); // WriteNew flushed each file
}

// A folder cannot be locked on Windows; a file in it, opened without sharing, can. The lock file stays.
bool Folder::TryLockExclusive(std::error_code& error) {
    const HANDLE lock =
        CreateFileW((path_ / kLockName).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    error.clear();
    if (lock == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            error = LastError();
        return false;
    }
    lock_ = Keep(lock);
    return true;
}

void Folder::LockShared(std::error_code& error) {
    error.clear();
    for (;;) {
        const HANDLE lock = CreateFileW((path_ / kLockName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (lock != INVALID_HANDLE_VALUE) {
            lock_ = Keep(lock);
            return;
        }
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return; // no import has ever run here
        if (GetLastError() != ERROR_SHARING_VIOLATION) {
            error = LastError();
            return;
        }
        Sleep(50);
    }
}

namespace {

FileKind KindOfType(DWORD type) {
    switch (type) {
    case FILE_TYPE_DISK: return FileKind::Regular;
    case FILE_TYPE_PIPE: return FileKind::Pipe;
    case FILE_TYPE_CHAR: return FileKind::Device;
    default: return FileKind::Other;
    }
}

PathLook LookAt(const std::filesystem::path& path) {
    PathLook look;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = GetLastError();
        look.missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        look.error = {static_cast<int>(code), std::system_category()};
        return look;
    }
    look.link = data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
    look.kind = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Folder : FileKind::Regular;
    look.size = (std::uintmax_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return look;
}

ReadHandle::ReadHandle(const std::filesystem::path& path, std::error_code& error)
    : handle_(Keep(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
    if (handle_ == -1)
        error = LastError();
    else
        error.clear();
}

ReadHandle::~ReadHandle() {
    if (handle_ != -1)
        CloseHandle(Handle(handle_));
}

FileKind ReadHandle::Kind(std::error_code& error) const {
    const DWORD type = GetFileType(Handle(handle_));
    error.clear();
    if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR)
        error = LastError();
    return KindOfType(type);
}

std::size_t ReadHandle::Read(char* into, std::size_t size, std::error_code& error) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 20));
    if (ReadFile(Handle(handle_), into, chunk, &got, nullptr)) {
        error.clear();
        return got;
    }
    error = LastError();
    return 0;
}

} // namespace

#else

namespace {

int Fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

FileKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}

} // namespace

Folder::~Folder() {
    if (handle_ != -1)
        ::close(Fd(handle_));
}

Folder Folder::Open(const std::filesystem::path& path, std::error_code& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    error.clear();
    return {fd, path};
}

Folder Folder::OpenToRead(const std::filesystem::path& path, std::error_code& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    error.clear();
    return {fd, path};
}

Folder Folder::OpenSub(const std::string& name, std::error_code& error) const {
    const int fd = ::openat(Fd(handle_), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        return {};
    }
    error.clear();
    return {fd, path_ / name};
}

Folder Folder::MakeUniqueSub(const std::string& prefix, std::string& name, std::error_code& error) const {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + RandomSuffix();
        // mkdir never follows a link and fails on any existing name, so the folder is ours alone.
        if (::mkdirat(Fd(handle_), name.c_str(), 0700) == 0)
            return OpenSub(name, error);
        if (errno != EEXIST) {
            error = LastError();
            return {};
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return {};
}

NameKind Folder::Kind(const std::string& name) const {
    struct stat st {};
    if (::fstatat(Fd(handle_), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return NameKind::None;
    if (S_ISREG(st.st_mode))
        return NameKind::Regular;
    if (S_ISDIR(st.st_mode))
        return NameKind::Folder;
    if (S_ISLNK(st.st_mode))
        return NameKind::Link;
    return NameKind::Other;
}

std::vector<std::string> Folder::Names(std::error_code& error) const {
    std::vector<std::string> names;
    const int fd = ::dup(Fd(handle_));
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        error = LastError();
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    error.clear();
    return names;
}

void Folder::WriteNew(const std::string& name, std::string_view bytes, std::error_code& error) const {
    const int fd =
        ::openat(Fd(handle_), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = LastError();
        return;
    }
    error.clear();
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::close(fd) != 0 && !error)
        error = LastError();
}

void Folder::Remove(const std::string& name, std::error_code& error) const {
    const bool folder = Kind(name) == NameKind::Folder;
    if (::unlinkat(Fd(handle_), name.c_str(), folder ? AT_REMOVEDIR : 0) != 0)
        error = LastError();
    else
        error.clear();
}

void Folder::Rename(const Folder& from, const std::string& fromName, const Folder& to,
                    const std::string& toName, std::error_code& error) {
    if (::renameat(Fd(from.handle_), fromName.c_str(), Fd(to.handle_), toName.c_str()) != 0)
        error = LastError();
    else
        error.clear();
}

void Folder::Sync(std::error_code& error) const {
    if (::fsync(Fd(handle_)) != 0)
        error = LastError();
    else
        error.clear();
}

void Folder::SyncFileSystem(std::error_code& error) const {
#ifdef __linux__
    if (::syncfs(Fd(handle_)) != 0) {
        error = LastError();
        return;
    }
#else
    ::sync();
#endif
    error.clear();
}

bool Folder::TryLockExclusive(std::error_code& error) {
    error.clear();
    if (::flock(Fd(handle_), LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno != EWOULDBLOCK)
        error = LastError();
    return false;
}

void Folder::LockShared(std::error_code& error) {
    int result = 0;
    do
        result = ::flock(Fd(handle_), LOCK_SH);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        error = LastError();
    else
        error.clear();
}

namespace {

PathLook LookAt(const std::filesystem::path& path) {
    PathLook look;
    struct stat link {};
    struct stat target {};
    if (::lstat(path.c_str(), &link) != 0 || ::stat(path.c_str(), &target) != 0) {
        look.error = LastError();
        look.missing = look.error == std::errc::no_such_file_or_directory;
        return look;
    }
    look.link = S_ISLNK(link.st_mode);
    look.kind = KindOfMode(target.st_mode);
    look.size = static_cast<std::uintmax_t>(target.st_size);
    return look;
}

// Opened without waiting, so that a name that has become a pipe since it was looked at cannot block.
ReadHandle::ReadHandle(const std::filesystem::path& path, std::error_code& error)
    : handle_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
    if (handle_ < 0)
        error = LastError();
    else
        error.clear();
}

ReadHandle::~ReadHandle() {
    if (handle_ >= 0)
        ::close(Fd(handle_));
}

FileKind ReadHandle::Kind(std::error_code& error) const {
    struct stat opened {};
    if (::fstat(Fd(handle_), &opened) != 0) {
        error = LastError();
        return FileKind::Other;
    }
    error.clear();
    return KindOfMode(opened.st_mode);
}

std::size_t ReadHandle::Read(char* into, std::size_t size, std::error_code& error) {
    for (;;) {
        const ssize_t got = ::read(Fd(handle_), into, size);
        if (got >= 0) {
            error.clear();
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            error = LastError();
            return 0;
        }
    }
}

} // namespace

#endif

namespace {

// The same words on every system.
const char* KindName(FileKind kind) {
    switch (kind) {
    case FileKind::Regular: return "a regular file";
    case FileKind::Folder: return "a folder";
    case FileKind::Pipe: return "a named pipe";
    case FileKind::Device: return "a device";
    case FileKind::Socket: return "a socket";
    case FileKind::Other: break;
    }
    return "something other than a file";
}

FileRead Refused(FileRead::Status status, std::error_code error = {}) {
    FileRead read;
    read.status = status;
    read.error = error;
    return read;
}

FileRead NotRegular(bool link, FileKind kind) {
    FileRead read = Refused(FileRead::Status::NotRegular);
    read.kind = std::string(link ? "a link to " : "") + KindName(kind);
    return read;
}

FileRead TooLarge(std::uintmax_t size) {
    FileRead read = Refused(FileRead::Status::TooLarge);
    read.size = size;
    return read;
}

} // namespace

FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit) {
    const PathLook look = LookAt(path);
    if (look.missing)
        return Refused(FileRead::Status::Missing, look.error);
    if (look.error)
        return Refused(FileRead::Status::Failed, look.error);
    if (look.kind != FileKind::Regular)
        return NotRegular(look.link, look.kind);
    if (look.size > limit)
        return TooLarge(look.size);

    std::error_code error;
    ReadHandle file(path, error);
    if (error)
        return Refused(FileRead::Status::Failed, error);
    // Looked at again once open: the name may stand for something else by now.
    const FileKind opened = file.Kind(error);
    if (error)
        return Refused(FileRead::Status::Failed, error);
    if (opened != FileKind::Regular)
        return NotRegular(look.link, opened);
    // One byte more than allowed tells a file that grew after it was looked at.
    FileRead read = Refused(FileRead::Status::Read);
    read.bytes.resize(limit + 1);
    std::size_t got = 0;
    while (got < read.bytes.size()) {
        const std::size_t n = file.Read(read.bytes.data() + got, read.bytes.size() - got, error);
        if (error)
            return Refused(FileRead::Status::Failed, error);
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit)
        return TooLarge(got);
    read.bytes.resize(got);
    return read;
}

} // namespace aoba
