// SPDX-License-Identifier: MIT
// What the installer test needs of Windows itself, under Wine:
//   installer_helper hold FOLDER MARKER  holds every program and library in FOLDER open as Windows' loader
//                                        holds a running program's (others may read them, nobody may write or
//                                        delete them), says "held N" and keeps them until MARKER is gone.
//                                        Wine does not lock a running program's files, so this stands in.
//   installer_helper version FILE NAME…  prints NAME=value for each string of FILE's version block.
//   installer_helper run COMMAND_LINE    runs the command line as it is (no quotes added around a /D= with
//                                        spaces, as Wine adds them) and exits with its exit code.
//   installer_helper gui SETUP STEP…     runs SETUP with its pages and, step by step as a reader would:
//                                        page (prints each text the page shows, "CLASS: text" a line, line
//                                        breaks as \n), next (its Next, I Agree or Install button), box
//                                        (prints the message box that comes up), retry, cancel, yes (that
//                                        button of the box), until-gone=FILE (waits until FILE is gone),
//                                        sleep=MS (for a screenshot), wait (prints SETUP's exit code once it
//                                        ends). A press waits for its button to be enabled.
//                                        A SETUP still running at the end is ended.
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace {

void Print(const std::wstring& line) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    std::printf("%s\n", bytes.c_str());
    std::fflush(stdout);
}

bool IsProgramOrLibrary(const std::wstring& name) {
    const std::size_t dot = name.find_last_of(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : name.substr(dot);
    return _wcsicmp(extension.c_str(), L".exe") == 0 || _wcsicmp(extension.c_str(), L".dll") == 0;
}

void HoldAll(const std::wstring& folder, std::vector<HANDLE>& held) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            HoldAll(path, held);
        } else if (IsProgramOrLibrary(name)) {
            const HANDLE file =
                CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file != INVALID_HANDLE_VALUE)
                held.push_back(file);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

int Hold(const std::wstring& folder, const std::wstring& marker) {
    std::vector<HANDLE> held;
    HoldAll(folder, held);
    Print(L"held " + std::to_wstring(held.size()));
    while (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES)
        Sleep(100);
    for (const HANDLE file : held)
        CloseHandle(file);
    return held.empty() ? 1 : 0;
}

int Version(const std::wstring& file, wchar_t** names, int count) {
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), nullptr);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, info.data()))
        return 1;
    // The block of the first translation the file lists.
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &length) ||
        length < sizeof(Translation))
        return 1;
    wchar_t block[64];
    swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translations->language, translations->codePage);
    Print(std::wstring(L"block=") + (block + 16));
    for (int i = 0; i < count; ++i) {
        void* value = nullptr;
        UINT chars = 0;
        const bool found =
            VerQueryValueW(info.data(), (std::wstring(block) + names[i]).c_str(), &value, &chars) &&
            chars > 0;
        Print(std::wstring(names[i]) + L"=" + (found ? static_cast<const wchar_t*>(value) : L"(none)"));
    }
    return 0;
}

struct Windows {
    DWORD process;
    std::vector<HWND> found;
};

// The visible top-level windows of a process, the main window first.
std::vector<HWND> TopWindows(DWORD process) {
    Windows windows{process, {}};
    EnumWindows(
        [](HWND window, LPARAM into) -> BOOL {
            auto* windows = reinterpret_cast<Windows*>(into);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == windows->process && IsWindowVisible(window))
                windows->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows.found;
}

std::wstring Text(HWND window) {
    wchar_t text[4096] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &length);
    std::wstring line;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'\r')
            continue;
        line += *c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, *c);
    }
    return line;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

// The installer's main window and the message box over it, if any: NSIS's windows are dialogs of their own
// class; a box is the one that is not the main window, which owns the page.
HWND MainWindow(DWORD process) {
    for (const HWND window : TopWindows(process))
        if (GetDlgItem(window, IDOK) && FindWindowExW(window, nullptr, L"#32770", nullptr))
            return window;
    return nullptr;
}

HWND Box(DWORD process) {
    const HWND main = MainWindow(process);
    for (const HWND window : TopWindows(process))
        if (window != main && ClassOf(window) == L"#32770")
            return window;
    return nullptr;
}

template <typename Found> auto Await(Found found) {
    for (int tries = 0; tries < 300; ++tries) {
        if (auto window = found())
            return window;
        Sleep(100);
    }
    return decltype(found())();
}

void PrintTexts(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        const std::wstring text = Text(child);
        if (!text.empty())
            Print(L"  " + ClassOf(child) + L": " + text);
        PrintTexts(child);
    }
}

void Press(HWND window, int button) {
    for (int tries = 0; tries < 600 && !IsWindowEnabled(GetDlgItem(window, button)); ++tries)
        Sleep(100);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
}

int Gui(const std::wstring& setup, wchar_t** steps, int count) {
    std::wstring commandLine = L"\"" + setup + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return 1;
    const DWORD process = started.dwProcessId;
    HWND page = nullptr;
    for (int i = 0; i < count; ++i) {
        const std::wstring step = steps[i];
        if (step == L"page") {
            // A new page is a new inner dialog.
            const HWND main = Await([&] { return MainWindow(process); });
            const HWND shown = Await([&] {
                const HWND inner = main ? FindWindowExW(main, nullptr, L"#32770", nullptr) : nullptr;
                return inner != page ? inner : nullptr;
            });
            page = shown;
            Print(L"page:");
            if (main)
                PrintTexts(main);
        } else if (step == L"next") {
            if (const HWND main = MainWindow(process))
                Press(main, IDOK);
        } else if (step == L"box") {
            const HWND box = Await([&] { return Box(process); });
            Print(L"box: " + (box ? Text(GetDlgItem(box, 0xFFFF)) : std::wstring(L"(none)")));
        } else if (step == L"retry" || step == L"cancel" || step == L"yes") {
            const int button = step == L"retry" ? IDRETRY : step == L"cancel" ? IDCANCEL : IDYES;
            if (const HWND box = Await([&] { return Box(process); }))
                Press(box, button);
            Sleep(300);
        } else if (step.rfind(L"until-gone=", 0) == 0) {
            while (GetFileAttributesW(step.substr(11).c_str()) != INVALID_FILE_ATTRIBUTES)
                Sleep(100);
        } else if (step.rfind(L"sleep=", 0) == 0) {
            Sleep(static_cast<DWORD>(std::stoul(step.substr(6))));
        } else if (step == L"wait") {
            DWORD code = STILL_ACTIVE;
            if (WaitForSingleObject(started.hProcess, 60000) == WAIT_OBJECT_0)
                GetExitCodeProcess(started.hProcess, &code);
            Print(L"exit: " + std::to_wstring(code));
        }
    }
    TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}

int Run(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return 255;
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD code = 255;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return static_cast<int>(code);
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"hold" && argc == 4)
        return Hold(argv[2], argv[3]);
    if (command == L"version" && argc >= 3)
        return Version(argv[2], argv + 3, argc - 3);
    if (command == L"run" && argc == 3)
        return Run(argv[2]);
    if (command == L"gui" && argc >= 3)
        return Gui(argv[2], argv + 3, argc - 3);
    std::fprintf(stderr, "usage: installer_helper hold FOLDER MARKER | version FILE NAME... | run "
                         "COMMAND_LINE | gui SETUP STEP...\n");
    return 2;
}
