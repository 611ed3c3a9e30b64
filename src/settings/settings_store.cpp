#include "settings/settings_store.h"

#include "vcl/exception.h"
#include "vcl/registry.h"

#include <utility>
#include <vector>

namespace {

constexpr const char* ServerAddressValue = "Server Address";
constexpr const char* InstallPathValue = "Install Path";
constexpr const char* UseGoogleValue = "UseGoogle";
constexpr const char* PasswordValue = "Password";

// Silently writing nothing would let the install report success with settings
// that were never stored.
void OpenForWriting(vcl::TRegistry& reg, const std::string& path) {
    if (!reg.OpenKey(path, true)) {
        throw vcl::ERegistryException(vcl::WithName("Failed to create key '%s'", path));
    }
}

} // namespace

void LoadSettings(InstallerSettings& settings) {
    vcl::TRegistry reg;
    if (!reg.OpenKey(ProductKeyPath, false)) {
        return;
    }
    // Each "if it exists, read it" in one query.
    if (auto server = reg.ReadStringIfExists(ServerAddressValue)) {
        settings.ServerAddress = std::move(*server);
    }
    if (auto path = reg.ReadStringIfExists(InstallPathValue)) {
        settings.InstallPath = std::move(*path);
    }
    if (auto google = reg.ReadBoolIfExists(UseGoogleValue)) {
        settings.UseGoogle = *google;
    }
    std::vector<std::string> names;
    reg.GetKeyNames(names);
    reg.CloseKey();

    for (const auto& name : names) {
        if (!reg.OpenKey(std::string(ProductKeyPath) + name + "\\", false)) {
            continue;
        }
        settings.Pults.Append({name, reg.ReadString(PasswordValue)});
        reg.CloseKey();
    }
}

void SaveSettings(const std::string& installPath, const std::string& serverAddress,
                  bool useGoogle) {
    vcl::TRegistry reg;
    reg.DeleteKey(ProductKeyPath);
    OpenForWriting(reg, ProductKeyPath);
    reg.WriteString(ServerAddressValue, serverAddress);
    reg.WriteString(InstallPathValue, installPath);
    reg.WriteBool(UseGoogleValue, useGoogle);
    reg.CloseKey();
}

void SavePultPassword(const std::string& pult, const std::string& password) {
    vcl::TRegistry reg;
    OpenForWriting(reg, std::string(ProductKeyPath) + pult);
    reg.WriteString(PasswordValue, password);
    reg.CloseKey();
}
