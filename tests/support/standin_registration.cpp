#include "standin_registration.h"

#include "scratch.h"

namespace testing_support {
namespace {

std::wstring ClassesKey(const std::wstring& rest) {
    return L"Software\\Classes\\" + rest;
}

} // namespace

// Where the stand-in add-on says it is registered, if it is.
std::optional<std::filesystem::path> RegisteredServer() {
    const auto clsid = ReadRaw(ClassesKey(L"VortanBar.StandIn\\CLSID"), L"");
    if (!clsid || clsid->bytes.size() < 2) {
        return std::nullopt;
    }
    const std::wstring id(reinterpret_cast<const wchar_t*>(clsid->bytes.data()));
    const auto server = ReadRaw(ClassesKey(L"CLSID\\" + id + L"\\InprocServer32"), L"");
    if (!server || server->bytes.size() < 2) {
        return std::nullopt;
    }
    return std::filesystem::path(
        std::wstring(reinterpret_cast<const wchar_t*>(server->bytes.data())));
}

void ForgetRegistration() {
    if (const auto clsid = ReadRaw(ClassesKey(L"VortanBar.StandIn\\CLSID"), L"")) {
        const std::wstring id(reinterpret_cast<const wchar_t*>(clsid->bytes.data()));
        RegDeleteTreeW(HKEY_CURRENT_USER, ClassesKey(L"CLSID\\" + id).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, ClassesKey(L"CLSID\\" + id).c_str());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, ClassesKey(L"VortanBar.StandIn").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, ClassesKey(L"VortanBar.StandIn").c_str());
}

} // namespace testing_support
