// SPDX-License-Identifier: MIT
// What the tool tests plant in a folder, made the way each system makes it: a symbolic link, a file that
// cannot be moved, a lock held as the tools hold theirs.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

// A path as the tools print it: with the system's own separators.
inline QString NativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// line with the placeholder, and the path that follows it up to a colon or a space, replaced by
// folder's path as the tools print it: "DEST/200.txt: cannot …" becomes "C:\…\data\200.txt: cannot …".
inline QString WithPath(QString line, const QString& placeholder, const QString& folder) {
    const qsizetype at = line.indexOf(placeholder);
    if (at < 0)
        return line;
    qsizetype end = at + placeholder.size();
    while (end < line.size() && line[end] != QLatin1Char(':') && line[end] != QLatin1Char(' '))
        ++end;
    const QString rest = line.mid(at + placeholder.size(), end - at - placeholder.size());
    return line.replace(at, end - at, NativePath(folder + rest));
}

#ifdef _WIN32

inline std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// Windows makes symbolic links only with a privilege or in Developer Mode; Wine 8 reports success and makes
// nothing. So the link is looked at before it counts as made.
inline bool MakeSymbolicLink(const QString& target, const QString& link) {
    const DWORD flags =
        (QFileInfo(target).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | 0x2 /* unprivileged */;
    if (!CreateSymbolicLinkW(Native(link).c_str(), Native(target).c_str(), flags))
        return false;
    const DWORD attributes = GetFileAttributesW(Native(link).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

inline bool CanMakeSymbolicLinks(const QString& folder) {
    const QString link = folder + QStringLiteral("/link-probe");
    const bool made = MakeSymbolicLink(folder, link);
    RemoveDirectoryW(Native(link).c_str());
    return made;
}

// A file kept open without leave to delete it: it cannot be moved or replaced while this lives. Windows has
// nothing that keeps a new name out of a folder without an access list, which Wine does not enforce.
class Pinned {
public:
    explicit Pinned(const QString& path) {
        if (!QFileInfo(path).isDir())
            handle_ = CreateFileW(Native(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~Pinned() {
        if (held())
            CloseHandle(handle_);
    }
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// The system's words for what stops a pinned file from moving.
inline QString PinnedReason() {
    return QString::fromStdString(std::system_category().message(ERROR_SHARING_VIOLATION));
}

// The tools lock a folder through a file in it: opened without sharing by an import, shared for reading by
// a build.
class HeldLock {
public:
    HeldLock(const QString& folder, bool exclusive)
        : handle_(CreateFileW(Native(folder + QStringLiteral("/.catalogue-lock")).c_str(),
                              exclusive ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                              exclusive ? 0 : FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN,
                              nullptr)) {}
    ~HeldLock() {
        if (held())
            CloseHandle(handle_);
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

#else

inline bool MakeSymbolicLink(const QString& target, const QString& link) {
    return QFile::link(target, link);
}

inline bool CanMakeSymbolicLinks(const QString&) {
    return true;
}

// The immutable attribute (which needs root and a file system that has it) while this lives.
class Pinned {
public:
    explicit Pinned(const QString& path)
        : path_(path) {
        held_ = Set(true);
    }
    ~Pinned() {
        if (held_)
            Set(false);
    }
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;
    bool held() const { return held_; }

private:
    bool Set(bool immutable) const {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }

    QString path_;
    bool held_ = false;
};

inline QString PinnedReason() {
    return QStringLiteral("Operation not permitted");
}

// A lock on a folder such as an import (exclusive) or a build (shared) takes, held while this lives.
class HeldLock {
public:
    HeldLock(const QString& folder, bool exclusive)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        held_ = fd_ >= 0 && ::flock(fd_, exclusive ? LOCK_EX : LOCK_SH) == 0;
    }
    ~HeldLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

#endif

// Where this system makes no symbolic links (Windows without Developer Mode; Wine, which reports success
// and makes none), the rows that need one are left out.
inline bool LinksLeftOut() {
    static const bool out = !CanMakeSymbolicLinks(QDir::tempPath());
    return out;
}
