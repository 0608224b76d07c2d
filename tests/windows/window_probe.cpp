// Starts a Windows program and checks that it shows a window with the given title: a visible
// top-level window of the started process, with a fixed single border, a title bar, a system
// menu and a minimise button but no maximise button. Then asks the window to close, as its close
// button would, and expects the program to end with exit code 0.
//
// Usage: ventrimo_window_probe PROGRAM TITLE      (PROGRAM a Windows path)
// Prints what it saw; exits 0 when all went as expected.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process = 0;
    std::wstring title;
    HWND found = nullptr;
    std::wstring seen; // the titles of the process's visible windows, for the message
};

BOOL CALLBACK visit(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window))
        return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    search.seen += std::wstring(L" \"") + title + L"\"";
    if (search.title == title) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

int fail(const wchar_t* message, PROCESS_INFORMATION& started) {
    std::fwprintf(stderr, L"ventrimo_window_probe: %ls\n", message);
    TerminateProcess(started.hProcess, 99);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: ventrimo_window_probe PROGRAM TITLE\n");
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fwprintf(stderr, L"ventrimo_window_probe: cannot start %ls (error %lu)\n", argv[1],
                      GetLastError());
        return 1;
    }

    Search search;
    search.process = started.dwProcessId;
    search.title = argv[2];
    for (int tries = 0; tries < 600 && !search.found; ++tries) {
        DWORD code = 0;
        if (GetExitCodeProcess(started.hProcess, &code) && code != STILL_ACTIVE) {
            std::fwprintf(stderr, L"ventrimo_window_probe: %ls ended with code 0x%lx\n", argv[1],
                          code);
            return 1;
        }
        search.seen.clear();
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found)
        return fail(
            (L"no visible window titled \"" + search.title + L"\"; visible windows:" + search.seen)
                .c_str(),
            started);

    RECT frame{};
    GetWindowRect(search.found, &frame);
    const LONG_PTR style = GetWindowLongPtrW(search.found, GWL_STYLE);
    std::wprintf(L"\"%ls\" shows \"%ls\", %ld x %ld, style 0x%llx\n", argv[1], argv[2],
                 frame.right - frame.left, frame.bottom - frame.top, (unsigned long long)style);
    const LONG_PTR wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if ((style & wanted) != wanted || (style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) != 0)
        return fail(L"the window's border or buttons are not a fixed window's", started);

    PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 30000) != WAIT_OBJECT_0)
        return fail(L"the program did not end when its window was closed", started);
    DWORD code = 0;
    GetExitCodeProcess(started.hProcess, &code);
    if (code != 0) {
        std::fwprintf(stderr, L"ventrimo_window_probe: the program ended with code 0x%lx\n", code);
        return 1;
    }
    return 0;
}
