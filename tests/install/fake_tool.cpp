// A program that only proves it ran: it leaves "<its own path>.ran" beside
// itself. "--sleep=MS" makes it linger, "--exit=N" sets its exit code.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring marker = std::wstring(self) + L".ran";
    HANDLE h = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
    }
    int code = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sleep=", 8) == 0) {
            Sleep(static_cast<DWORD>(std::atoi(argv[i] + 8)));
        } else if (std::strncmp(argv[i], "--exit=", 7) == 0) {
            code = std::atoi(argv[i] + 7);
        }
    }
    return code;
}
