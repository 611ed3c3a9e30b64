#include "package/system_tools.h"

#include "support/scratch.h"
#include "vcl/win_handles.h"

#include <gtest/gtest.h>

namespace package_testing {

std::filesystem::path SystemFolder() {
    wchar_t buf[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buf, MAX_PATH);
    return std::filesystem::path(std::wstring(buf, n));
}

DWORD RunSystemTool(const std::wstring& program, const std::wstring& arguments,
                    const std::filesystem::path& cwd) {
    const std::filesystem::path exe = SystemFolder() / program;
    std::wstring commandLine = L"\"" + exe.wstring() + L"\" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, cwd.c_str(), &si, &pi)) {
        ADD_FAILURE() << "cannot start " << exe << ": error " << GetLastError();
        return ~0u;
    }
    const vcl::UniqueKernelHandle process(pi.hProcess);
    const vcl::UniqueKernelHandle thread(pi.hThread);
    if (WaitForSingleObject(process.get(), 120'000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 99);
        ADD_FAILURE() << exe << " did not finish";
        return ~0u;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

DWORD Register(const std::filesystem::path& dll) {
    return RunSystemTool(L"regsvr32.exe", L"/s \"" + dll.wstring() + L"\"", SystemFolder());
}

std::optional<std::wstring> RegisteredServer() {
    const auto server = testing_support::ReadRaw(ClassKey + L"\\InprocServer32", L"");
    if (!server || !testing_support::KeyExists(ProgIdKey)) {
        return std::nullopt;
    }
    return std::wstring(reinterpret_cast<const wchar_t*>(server->bytes.data()));
}

void DeleteKey(const std::wstring& key) {
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
}

} // namespace package_testing
