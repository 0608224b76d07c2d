// A stand-in for the Windows shell program "explorer", for the test of the web command. Placed
// beside the test, where CreateProcess looks first, it records how it was started and exits.
//
// Each start writes a file of its own, named after its process id, into the folder named by
// VENTRIMO_EXPLORER_RECORD: one line of the window show state that its starter asked for (-1
// when it asked for none), then every word of its command line, the program name first, all
// separated by tabs.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

int main() {
    wchar_t folder[MAX_PATH];
    if (GetEnvironmentVariableW(L"VENTRIMO_EXPLORER_RECORD", folder, MAX_PATH) == 0)
        return 2;
    const std::wstring record =
        std::wstring(folder) + L"\\" + std::to_wstring(GetCurrentProcessId());

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : -1;

    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return 3;
    std::wstring line = std::to_wstring(show);
    for (int i = 0; i < count; ++i)
        line += L'\t' + std::wstring(words[i]);
    line += L'\n';
    LocalFree(words);

    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), utf8.data(), size, nullptr,
                        nullptr);
    // Written under another name first, so that the test never reads half a record.
    FILE* file = _wfopen((record + L".part").c_str(), L"wb");
    if (!file)
        return 4;
    const bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
    if (std::fclose(file) != 0 || !written)
        return 5;
    return MoveFileW((record + L".part").c_str(), (record + L".txt").c_str()) ? 0 : 6;
}
