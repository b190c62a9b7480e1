// SPDX-License-Identifier: MIT
#include "console/console.h"

#include <QString>

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace aoba::console {

namespace {

std::FILE* File(Stream stream) {
    return stream == Stream::Output ? stdout : stderr;
}

#ifdef _WIN32

QString WithCrLf(QStringView text) {
    QString lines;
    lines.reserve(text.size() + text.count(u'\n'));
    QChar previous;
    for (const QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            lines += u'\r';
        lines += c;
        previous = c;
    }
    return lines;
}

bool ToConsole(HANDLE console, QStringView text) {
    // Older consoles refuse a single write much larger than 64 KB; a surrogate pair stays within one write.
    constexpr qsizetype kChunk = 8192;
    while (!text.isEmpty()) {
        qsizetype size = std::min(kChunk, text.size());
        if (size < text.size() && text[size - 1].isHighSurrogate())
            --size;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.utf16(), static_cast<DWORD>(size), &written, nullptr) ||
            written == 0)
            return false;
        text = text.sliced(written);
    }
    return true;
}

bool ToFile(HANDLE file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<qsizetype>(bytes.size(), 1 << 20));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

#else

bool ToFile(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

#endif

} // namespace

#ifdef _WIN32

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
        return arguments;
    }
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QByteArray Encoded(QStringView text, unsigned codePage) {
    const QString lines = WithCrLf(text);
    if (lines.isEmpty())
        return {};
    if (codePage == CP_UTF8)
        return lines.toUtf8();
    const auto* wide = reinterpret_cast<const wchar_t*>(lines.utf16());
    const int length = static_cast<int>(lines.size());
    // Some code pages (the ISO-2022 ones, for one) take no flags at all.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr, nullptr);
    if (size == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr, nullptr);
    }
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(codePage, flags, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

unsigned PipeCodePage() {
    const UINT console = GetConsoleOutputCP();
    return console != 0 ? console : GetOEMCP();
}

bool Write(Stream stream, QStringView text) {
    if (text.isEmpty())
        return true;
    // Whatever went through the C library before stays in front.
    std::fflush(File(stream));
    const HANDLE handle = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return ToConsole(handle, WithCrLf(text));
    return ToFile(handle, Encoded(text, PipeCodePage()));
}

#else

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool Write(Stream stream, QStringView text) {
    if (text.isEmpty())
        return true;
    std::fflush(File(stream));
    return ToFile(stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO, text.toUtf8());
}

#endif

} // namespace aoba::console
