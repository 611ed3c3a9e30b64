#include "vcl/registry_snapshot.h"

#include "vcl/exception.h"
#include "vcl/registry_path.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"

namespace vcl {
namespace {

[[noreturn]] void Fail(const std::string& path) {
    throw ERegistryException(WithName("Failed to back up key '%s'", path));
}

void ReadKey(HKEY key, RegistrySnapshot::Key& out, const std::string& path) {
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS) {
        Fail(path);
    }
    std::vector<wchar_t> name(std::max(maxName, maxSubkey) + 1);
    std::vector<BYTE> data(maxData + 1);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        DWORD dataLen = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen) !=
            ERROR_SUCCESS) {
            Fail(path);
        }
        out.values.push_back({std::wstring(name.data(), nameLen), type,
                              std::vector<std::uint8_t>(data.begin(), data.begin() + dataLen)});
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            Fail(path);
        }
        RegistrySnapshot::Key child;
        child.name.assign(name.data(), nameLen);
        HKEY raw = nullptr;
        if (RegOpenKeyExW(key, child.name.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
            Fail(path);
        }
        UniqueRegKey sub(raw);
        ReadKey(sub.get(), child, path);
        out.subkeys.push_back(std::move(child));
    }
}

void WriteKey(HKEY key, const RegistrySnapshot::Key& in, const std::string& path) {
    for (const auto& v : in.values) {
        if (RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.data(),
                           static_cast<DWORD>(v.data.size())) != ERROR_SUCCESS) {
            throw ERegistryException(WithName("Failed to restore key '%s'", path));
        }
    }
    for (const auto& child : in.subkeys) {
        HKEY raw = nullptr;
        if (RegCreateKeyExW(key, child.name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &raw, nullptr) != ERROR_SUCCESS) {
            throw ERegistryException(WithName("Failed to restore key '%s'", path));
        }
        UniqueRegKey sub(raw);
        WriteKey(sub.get(), child, path);
    }
}

} // namespace

RegistrySnapshot RegistrySnapshot::Take(const std::string& path) {
    RegistrySnapshot snap;
    snap.path_ = path;
    HKEY raw = nullptr;
    const LSTATUS rc =
        RegOpenKeyExW(HKEY_CURRENT_USER, RegistryKeyPath(path).c_str(), 0, KEY_READ, &raw);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return snap;
    }
    if (rc != ERROR_SUCCESS) {
        Fail(path);
    }
    UniqueRegKey key(raw);
    snap.existed_ = true;
    ReadKey(key.get(), snap.root_, path);
    return snap;
}

void RegistrySnapshot::Restore() const {
    const std::wstring w = RegistryKeyPath(path_);
    const LSTATUS rc = RegDeleteTreeW(HKEY_CURRENT_USER, w.c_str());
    if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) {
        RegDeleteKeyW(HKEY_CURRENT_USER, w.c_str());
    }
    if (!existed_) {
        return;
    }
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, w.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &raw, nullptr) != ERROR_SUCCESS) {
        throw ERegistryException(WithName("Failed to restore key '%s'", path_));
    }
    UniqueRegKey key(raw);
    WriteKey(key.get(), root_, path_);
}

} // namespace vcl
