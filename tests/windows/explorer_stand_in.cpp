// A stand-in for the Windows shell program "explorer", for the test of the web command. Placed
// beside the test, where CreateProcess looks first, it records how it was started and exits.
//
// Appends one line to the file named by VENTRIMO_EXPLORER_RECORD: the window show state that its
// starter asked for (-1 when it asked for none), then every word of its command line, the
// program name first, all separated by tabs.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

int main() {
    wchar_t record[MAX_PATH];
    if (GetEnvironmentVariableW(L"VENTRIMO_EXPLORER_RECORD", record, MAX_PATH) == 0)
        return 2;

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
    FILE* file = _wfopen(record, L"ab");
    if (!file)
        return 4;
    const bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
    return std::fclose(file) == 0 && written ? 0 : 5;
}
