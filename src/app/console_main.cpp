// SPDX-License-Identifier: MIT
// aoba-search.com, the console companion of aoba-search.exe on Windows. cmd and PowerShell take it for
// `aoba-search` before the .exe beside it (PATHEXT lists .COM first), so a terminal answer comes from a
// console program: the prompt waits for it, its exit code is what %ERRORLEVEL% and $LASTEXITCODE see, and it
// writes into the console the prompt runs in. A command line for the windows goes on to aoba-search.exe,
// which has no console of its own, and the prompt comes back at once, as after starting any windowed program.
#include "cli/command_line.h"
#include "console/console.h"

#include <QCoreApplication>

#include <string>
#include <windows.h>

namespace {

// The command line after the program's name, as Windows gave it: the windows take their options from it
// themselves. The name ends as CommandLineToArgvW ends it, at the closing quote or at white space.
const wchar_t* AfterTheName(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        return *line == L'"' ? line + 1 : line;
    }
    while (*line != L'\0' && *line != L' ' && *line != L'\t')
        ++line;
    return line;
}

std::wstring ThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (size < path.size()) {
            path.resize(size);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int OpenTheWindows() {
    std::wstring program = ThisProgram();
    program.replace(program.size() - 4, 4, L".exe");
    std::wstring commandLine = L'"' + program + L'"' + AfterTheName(GetCommandLineW());
    // A window started minimised (`start /min`) opens so.
    STARTUPINFOW own{};
    GetStartupInfoW(&own);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = own.dwFlags & STARTF_USESHOWWINDOW;
    startup.wShowWindow = own.wShowWindow;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        // Windows' own words for the reason, in the user's language.
        wchar_t* reason = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
        aoba::console::Write(aoba::console::Stream::Error,
                             QString::fromStdWString(program) + QStringLiteral(": ") +
                                 QString::fromWCharArray(reason ? reason : L"").trimmed() +
                                 QLatin1Char('\n'));
        LocalFree(reason);
        return aoba::cli::kExitRefused;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return aoba::cli::kExitAnswered;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("aoba-search"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AOBA_VERSION));
    const QStringList arguments = aoba::cli::Arguments(argc, argv);
    if (!aoba::cli::WantsTerminal(arguments))
        return OpenTheWindows();
    const QCoreApplication terminal(argc, argv);
    return aoba::cli::Print(aoba::cli::Run(arguments));
}
