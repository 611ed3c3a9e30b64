#include "raw_registry.h"

#include <windows.h>

namespace bench {

const wchar_t* const RawProductKey = L"SOFTWARE\\Dremvik\\VortanBar";

namespace {

void SetSz(HKEY key, const wchar_t* name, const std::wstring& text) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteProduct(const RawSettings& settings, const std::vector<RawEntry>& entries) {
    HKEY product = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, RawProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &product, nullptr) != ERROR_SUCCESS) {
        return;
    }
    SetSz(product, L"Server Address", settings.serverAddress);
    SetSz(product, L"Install Path", settings.installPath);
    const DWORD flag = settings.useGoogle ? 1 : 0;
    RegSetValueExW(product, L"UseGoogle", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flag),
                   sizeof(flag));
    for (const RawEntry& entry : entries) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(product, entry.pult.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            SetSz(key, L"Password", entry.password);
            RegCloseKey(key);
        }
    }
    RegCloseKey(product);
}

} // namespace

void RawRemoveProduct() {
    RegDeleteTreeW(HKEY_CURRENT_USER, RawProductKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, RawProductKey);
}

void RawPopulate(const RawSettings& settings, const std::vector<RawEntry>& entries) {
    RawRemoveProduct();
    WriteProduct(settings, entries);
}

void RawInstallRegistry(const RawSettings& settings, const std::vector<RawEntry>& entries) {
    RawRemoveProduct();
    WriteProduct(settings, entries);
}

unsigned long RawDeploy(const std::wstring& installPath, const std::wstring& sourceFolder,
                        const std::wstring& exeName) {
    CreateDirectoryW(installPath.c_str(), nullptr);
    for (const wchar_t* name : {L"VortanBar.dll", L"uninstall.bat"}) {
        CopyFileW((sourceFolder + name).c_str(), (installPath + L"\\" + name).c_str(), FALSE);
    }
    CopyFileW((sourceFolder + exeName).c_str(), (installPath + L"\\" + exeName).c_str(), FALSE);

    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring tool = std::wstring(system) + L"\\regsvr32.exe";
    std::wstring command = L"\"" + tool + L"\" /s \"" + installPath + L"\\VortanBar.dll\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(tool.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return ~0UL;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

size_t RawLoad(RawSettings& settings, std::vector<RawEntry>& entries) {
    HKEY product = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RawProductKey, 0, KEY_ALL_ACCESS, &product) !=
        ERROR_SUCCESS) {
        return 0;
    }
    wchar_t text[1024];
    DWORD size = sizeof(text);
    if (RegQueryValueExW(product, L"Server Address", nullptr, nullptr,
                         reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS) {
        settings.serverAddress.assign(text);
    }
    size = sizeof(text);
    if (RegQueryValueExW(product, L"Install Path", nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                         &size) == ERROR_SUCCESS) {
        settings.installPath.assign(text);
    }
    DWORD flag = 0;
    size = sizeof(flag);
    if (RegQueryValueExW(product, L"UseGoogle", nullptr, nullptr, reinterpret_cast<BYTE*>(&flag),
                         &size) == ERROR_SUCCESS) {
        settings.useGoogle = flag != 0;
    }
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = 256;
        if (RegEnumKeyExW(product, i, name, &nameLen, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExW(product, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
            continue;
        }
        text[0] = L'\0';
        size = sizeof(text) - sizeof(wchar_t);
        RegQueryValueExW(key, L"Password", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
        text[size / sizeof(wchar_t)] = L'\0';
        RegCloseKey(key);
        entries.push_back({std::wstring(name, nameLen), text});
    }
    RegCloseKey(product);
    return entries.size();
}

} // namespace bench
