#include "vcl/registry_aside.h"

#include "vcl/registry_path.h"

#include "vcl/exception.h"
#include "vcl/registry.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"

namespace vcl {
namespace {

using RenameKey = LSTATUS(WINAPI*)(HKEY, LPCWSTR, LPCWSTR);

// Looked up at run time: older systems have no RegRenameKey.
RenameKey RenameFunction() {
    static const RenameKey rename = reinterpret_cast<RenameKey>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"advapi32.dll"), "RegRenameKey")));
    return rename;
}

bool Exists(const std::wstring& path) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(raw);
    return true;
}

// Our own tree delete takes fewer calls per subkey than RegDeleteTree; the
// system's is the fallback for what ours cannot open with full access.
bool DeleteWhole(const std::wstring& path) {
    if (TRegistry().DeleteKey(Narrow(path)) || !Exists(path)) {
        return true;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    return !Exists(path);
}

std::wstring LastName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

RegistryAside RegistryAside::Take(const std::string& path) {
    RegistryAside aside;
    aside.path_ = RegistryKeyPath(path);
    aside.aside_ = aside.path_ + Widen(Suffix);
    aside.existed_ = Exists(aside.path_);
    if (!aside.existed_) {
        return aside;
    }
    // What an earlier install left there when it was cut short is older than
    // the key being set aside now.
    const RenameKey rename = RenameFunction();
    if (rename != nullptr && DeleteWhole(aside.aside_) &&
        rename(HKEY_CURRENT_USER, aside.path_.c_str(), LastName(aside.aside_).c_str()) ==
            ERROR_SUCCESS) {
        aside.moved_ = true;
        return aside;
    }
    aside.copy_ = RegistrySnapshot::Take(path);
    return aside;
}

void RegistryAside::PutBack() {
    if (copy_) {
        copy_->Restore();
        return;
    }
    const std::string path = Narrow(path_);
    if (!DeleteWhole(path_)) {
        throw ERegistryException(WithName("Failed to restore key '%s'", path));
    }
    if (moved_) {
        const RenameKey rename = RenameFunction();
        if (rename(HKEY_CURRENT_USER, aside_.c_str(), LastName(path_).c_str()) != ERROR_SUCCESS) {
            throw ERegistryException(WithName("Failed to restore key '%s'", path));
        }
        moved_ = false;
    }
}

void RegistryAside::Drop() {
    if (moved_) {
        DeleteWhole(aside_);
        moved_ = false;
    }
    copy_.reset();
}

} // namespace vcl
