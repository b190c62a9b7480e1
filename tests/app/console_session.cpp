// SPDX-License-Identifier: MIT
// console_session LINE...: types each line, then "exit", at the prompt of a cmd in a console of its own, as a
// reader types them, and prints what that console then shows, row by row (UTF-8, trailing blanks cut). The
// console is read back from its screen buffer, so what is printed is what a reader would see, whatever the
// programs wrote and in whichever way. Then a line "still running: NAME" for each program started from the
// prompt that still runs when cmd has ended (the windows, say); they end with this program. Exits 1 when
// cmd does not finish within a minute.
#include <string>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

namespace {

bool Type(HANDLE input, const std::wstring& text) {
    for (const wchar_t c : text) {
        INPUT_RECORD keys[2] = {};
        for (int i = 0; i < 2; ++i) {
            keys[i].EventType = KEY_EVENT;
            keys[i].Event.KeyEvent.bKeyDown = i == 0;
            keys[i].Event.KeyEvent.wRepeatCount = 1;
            keys[i].Event.KeyEvent.wVirtualKeyCode = c == L'\r' ? VK_RETURN : 0;
            keys[i].Event.KeyEvent.uChar.UnicodeChar = c;
        }
        DWORD written = 0;
        if (!WriteConsoleInputW(input, keys, 2, &written) || written != 2)
            return false;
    }
    return true;
}

void Print(HANDLE out, const std::wstring& line) {
    std::string bytes(line.size() * 4 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size));
    bytes += '\n';
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void PrintScreen(HANDLE out, HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(screen, &info);
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, row.data(), static_cast<DWORD>(row.size()), COORD{0, y}, &read);
        std::wstring shown = row.substr(0, read);
        shown.erase(shown.find_last_not_of(L' ') + 1);
        Print(out, shown);
    }
}

void PrintStillRunning(HANDLE out, HANDLE job) {
    struct {
        JOBOBJECT_BASIC_PROCESS_ID_LIST list;
        ULONG_PTR more[63];
    } ids{};
    ids.list.NumberOfAssignedProcesses = 64;
    if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr))
        return;
    for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                           static_cast<DWORD>(ids.list.ProcessIdList[i]));
        if (!process)
            continue;
        wchar_t path[MAX_PATH] = L"";
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, path, &size)) {
            const std::wstring name(path, size);
            Print(out, L"still running: " + name.substr(name.find_last_of(L'\\') + 1));
        }
        CloseHandle(process);
    }
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    // Every program started from the prompt is in the job, and ends with it.
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    // A console without a window: Wine makes one without a display too.
    wchar_t shell[] = L"cmd.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION cmd{};
    if (!CreateProcessW(nullptr, shell, nullptr, nullptr, FALSE, CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &cmd) ||
        !AssignProcessToJobObject(job, cmd.hProcess) || ResumeThread(cmd.hThread) == static_cast<DWORD>(-1))
        return 1;
    // cmd waits for the first line, so its console is there to join. Joining may make the console this
    // program's standard output, so the one it was given is kept.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    FreeConsole();
    for (int tries = 0; !AttachConsole(cmd.dwProcessId); ++tries) {
        if (tries == 500)
            return 1;
        Sleep(10);
    }
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE input =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    // Wide enough for the help's longest line, long enough for the longest entry.
    SetConsoleScreenBufferSize(screen, COORD{200, 3000});
    std::wstring typed;
    for (int i = 1; i < argc; ++i)
        typed += std::wstring(argv[i]) + L'\r';
    if (!Type(input, typed + L"exit\r") || WaitForSingleObject(cmd.hProcess, 60000) != WAIT_OBJECT_0)
        return 1;
    PrintScreen(out, screen);
    PrintStillRunning(out, job);
    return 0;
}
