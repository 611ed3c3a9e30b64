#include "vcl/registry.h"

#include "vcl/exception.h"
#include "vcl/registry_path.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"

#include <vector>

namespace vcl {
namespace {

HKEY RootHandle(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

[[noreturn]] void Raise(const char* templ, const std::string& name) {
    throw ERegistryException(WithName(templ, name));
}

// Texts of up to this many UTF-16 units are read with a single query.
constexpr DWORD SmallText = 256;

// A text too long for the first buffer: its size, then its data.
std::string ReadLongString(HKEY key, const std::wstring& wname, const std::string& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0) {
        return {};
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        Raise("Invalid data type for '%s'", name);
    }
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                         &got) != ERROR_SUCCESS) {
        Raise("Failed to get data for '%s'", name);
    }
    return Narrow(std::wstring_view(buf.data()));
}

// Deletes every subkey of `key`, last enumerated first, then `name` itself.
bool DeleteTree(HKEY parent, const std::wstring& name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &raw) == ERROR_SUCCESS) {
        UniqueRegKey key(raw);
        DWORD count = 0;
        DWORD maxLen = 0;
        if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &count, &maxLen, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
            std::vector<std::wstring> names;
            std::vector<wchar_t> buf(maxLen + 1);
            for (DWORD i = 0; i < count; ++i) {
                DWORD len = maxLen + 1;
                if (RegEnumKeyExW(key.get(), i, buf.data(), &len, nullptr, nullptr, nullptr,
                                  nullptr) == ERROR_SUCCESS) {
                    names.emplace_back(buf.data(), len);
                }
            }
            for (auto it = names.rbegin(); it != names.rend(); ++it) {
                DeleteTree(key.get(), *it);
            }
        }
    }
    return RegDeleteKeyW(parent, name.c_str()) == ERROR_SUCCESS;
}

} // namespace

struct TRegistry::Impl {
    HKEY root = HKEY_CURRENT_USER;
    UniqueRegKey current;
};

TRegistry::TRegistry(RegistryRoot root) : impl_(std::make_unique<Impl>()) {
    SetRootKey(root);
}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(RegistryRoot root) {
    CloseKey();
    impl_->root = RootHandle(root);
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    const std::wstring w = RegistryKeyPath(path);
    HKEY raw = nullptr;
    LSTATUS rc = canCreate
                     ? RegCreateKeyExW(impl_->root, w.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_ALL_ACCESS, nullptr, &raw, nullptr)
                     : RegOpenKeyExW(impl_->root, w.c_str(), 0, KEY_ALL_ACCESS, &raw);
    if (rc != ERROR_SUCCESS) {
        return false;
    }
    impl_->current.reset(raw);
    return true;
}

void TRegistry::CloseKey() {
    impl_->current.reset();
}

bool TRegistry::HasCurrentKey() const {
    return static_cast<bool>(impl_->current);
}

bool TRegistry::ValueExists(const std::string& name) const {
    if (!impl_->current) {
        return false;
    }
    return RegQueryValueExW(impl_->current.get(), Widen(name).c_str(), nullptr, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    return ReadStringIfExists(name).value_or(std::string());
}

std::optional<std::string> TRegistry::ReadStringIfExists(const std::string& name) const {
    if (!impl_->current) {
        return std::nullopt;
    }
    const std::wstring wname = Widen(name);
    // Most texts fit here, so one query tells whether the value exists and
    // reads it; asking first for its presence and its size would triple the
    // calls when the stored console list is loaded. The last element stays
    // zero: stored data need not end with one.
    wchar_t small[SmallText + 1] = {};
    DWORD type = 0;
    DWORD size = SmallText * sizeof(wchar_t);
    const LSTATUS rc = RegQueryValueExW(impl_->current.get(), wname.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(small), &size);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return std::nullopt;
    }
    if (rc != ERROR_SUCCESS) {
        // Too long for the buffer, or something odd: the size first, then the data.
        if (rc != ERROR_MORE_DATA && !ValueExists(name)) {
            return std::nullopt;
        }
        return ReadLongString(impl_->current.get(), wname, name);
    }
    if (size == 0) {
        return std::string();
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        Raise("Invalid data type for '%s'", name);
    }
    // The text ends at the first zero, whatever the stored size says.
    return Narrow(std::wstring_view(small));
}

bool TRegistry::ReadBool(const std::string& name) const {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!impl_->current ||
        RegQueryValueExW(impl_->current.get(), Widen(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS) {
        Raise("Failed to get data for '%s'", name);
    }
    if (type != REG_DWORD) {
        Raise("Invalid data type for '%s'", name);
    }
    return value != 0;
}

std::optional<bool> TRegistry::ReadBoolIfExists(const std::string& name) const {
    if (!impl_->current) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LSTATUS rc = RegQueryValueExW(impl_->current.get(), Widen(name).c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(&value), &size);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return std::nullopt;
    }
    if (rc != ERROR_SUCCESS) {
        // Longer than 4 bytes, or something odd: as the two steps would answer.
        if (!ValueExists(name)) {
            return std::nullopt;
        }
        Raise("Failed to get data for '%s'", name);
    }
    if (type != REG_DWORD) {
        Raise("Invalid data type for '%s'", name);
    }
    return value != 0;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    const std::wstring w = Widen(value);
    const auto bytes = static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t));
    if (!impl_->current ||
        RegSetValueExW(impl_->current.get(), Widen(name).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(w.c_str()), bytes) != ERROR_SUCCESS) {
        Raise("Failed to set data for '%s'", name);
    }
}

void TRegistry::WriteBool(const std::string& name, bool value) {
    const DWORD data = value ? 1 : 0;
    if (!impl_->current ||
        RegSetValueExW(impl_->current.get(), Widen(name).c_str(), 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&data), sizeof(data)) != ERROR_SUCCESS) {
        Raise("Failed to set data for '%s'", name);
    }
}

void TRegistry::GetKeyNames(std::vector<std::string>& names) const {
    names.clear();
    DWORD count = 0;
    DWORD maxLen = 0;
    if (!impl_->current ||
        RegQueryInfoKeyW(impl_->current.get(), nullptr, nullptr, nullptr, &count, &maxLen, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return;
    }
    names.reserve(count);
    std::vector<wchar_t> buf(maxLen + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD len = maxLen + 1;
        if (RegEnumKeyExW(impl_->current.get(), i, buf.data(), &len, nullptr, nullptr, nullptr,
                          nullptr) == ERROR_SUCCESS) {
            names.push_back(Narrow(std::wstring_view(buf.data(), len)));
        }
    }
}

bool TRegistry::DeleteKey(const std::string& path) {
    return DeleteTree(impl_->root, RegistryKeyPath(path));
}

} // namespace vcl
