#include "scratch.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {
namespace {

const std::wstring& ScratchRoot() {
    static const std::wstring root =
        L"Software\\VortanBarTests\\" + std::to_wstring(GetCurrentProcessId());
    return root;
}

int Counter() {
    static int next = 0;
    return ++next;
}

} // namespace

ScratchHkcu::ScratchHkcu() : path_(ScratchRoot() + L"\\" + std::to_wstring(Counter())) {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, key_) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot set up a scratch HKEY_CURRENT_USER");
    }
}

ScratchHkcu::~ScratchHkcu() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
}

ScratchFolder::ScratchFolder(const std::string& tag)
    : path_(std::filesystem::temp_directory_path() /
            ("vortanbar-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(Counter()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ScratchFolder::Utf8() const {
    const auto u8 = path_.u8string();
    return std::string(u8.begin(), u8.end());
}

std::optional<RawValue> ReadRaw(const std::wstring& key, const std::wstring& value) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue out;
    DWORD size = 0;
    LSTATUS rc = RegQueryValueExW(h, value.c_str(), nullptr, &out.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        out.bytes.resize(size);
        rc = RegQueryValueExW(h, value.c_str(), nullptr, &out.type, out.bytes.data(), &size);
        out.bytes.resize(size);
    }
    RegCloseKey(h);
    return rc == ERROR_SUCCESS ? std::optional(out) : std::nullopt;
}

std::optional<RawValue> ReadRawAnsi(const std::string& key, const std::string& value) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue out;
    DWORD size = 0;
    LSTATUS rc = RegQueryValueExA(h, value.c_str(), nullptr, &out.type, nullptr, &size);
    if (rc == ERROR_SUCCESS) {
        out.bytes.resize(size);
        rc = RegQueryValueExA(h, value.c_str(), nullptr, &out.type, out.bytes.data(), &size);
        out.bytes.resize(size);
    }
    RegCloseKey(h);
    return rc == ERROR_SUCCESS ? std::optional(out) : std::nullopt;
}

void WriteRaw(const std::wstring& key, const std::wstring& value, DWORD type,
              const std::vector<std::uint8_t>& bytes) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create test key");
    }
    const LSTATUS rc =
        RegSetValueExW(h, value.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write test value");
    }
}

bool KeyExists(const std::wstring& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(h);
    return true;
}

std::vector<std::wstring> SubkeyNames(const std::wstring& key) {
    std::vector<std::wstring> names;
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return names;
    }
    wchar_t buf[512];
    for (DWORD i = 0;; ++i) {
        DWORD len = 512;
        if (RegEnumKeyExW(h, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(buf, len);
    }
    RegCloseKey(h);
    return names;
}

std::vector<std::wstring> ValueNames(const std::wstring& key) {
    std::vector<std::wstring> names;
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return names;
    }
    wchar_t buf[512];
    for (DWORD i = 0;; ++i) {
        DWORD len = 512;
        if (RegEnumValueW(h, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(buf, len);
    }
    RegCloseKey(h);
    return names;
}

RawValue Sz(const std::wstring& text) {
    RawValue v{REG_SZ, {}};
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.c_str());
    v.bytes.assign(p, p + (text.size() + 1) * sizeof(wchar_t));
    return v;
}

RawValue Dword(DWORD value) {
    RawValue v{REG_DWORD, {}};
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    v.bytes.assign(p, p + sizeof(value));
    return v;
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& content) {
    std::ofstream out(file, std::ios::binary);
    out << content;
}

} // namespace testing_support
