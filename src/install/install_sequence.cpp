#include "install/install_sequence.h"

#include "settings/settings_store.h"
#include "vcl/exception.h"
#include "vcl/files.h"
#include "vcl/registry_aside.h"

#include <optional>

namespace {

constexpr unsigned long RegistrationTimeoutMs = 60'000;

struct Deployed {
    std::string from;
    std::string to;
    std::string name;
};

void CopyInto(const Deployed& file) {
    // Run from its own install folder the wizard would copy a file onto itself.
    if (vcl::SameFile(file.from, file.to)) {
        return;
    }
    if (!vcl::CopyFileReplacing(file.from, file.to)) {
        throw vcl::Exception("Невозможно скопировать файл " + file.name);
    }
}

} // namespace

void DeployFiles(const std::string& installPath, const std::string& sourceExe,
                 vcl::NativeWindow owner) {
    if (!vcl::DirectoryExists(installPath) && !vcl::CreateDir(installPath)) {
        throw vcl::Exception("Невозможно создать директорию");
    }
    const std::string& exe = sourceExe;
    const std::string source = vcl::ExtractFilePath(exe);
    const std::string exeName = vcl::ExtractFileName(exe);
    const Deployed files[] = {
        {source + "VortanBar.dll", installPath + "\\VortanBar.dll", "VortanBar.dll"},
        {source + "uninstall.bat", installPath + "\\uninstall.bat", "uninstall.bat"},
        {exe, installPath + "\\" + exeName, exeName},
    };
    for (const auto& file : files) {
        CopyInto(file);
    }

    // By its full path: a regsvr32.exe lying beside the wizard or in the
    // current folder must never be the one started.
    const std::string tool = vcl::SystemFolder() + "\\regsvr32.exe";
    const std::string parameters = " /s \"" + installPath + "\\VortanBar.dll \"";
    const vcl::ProcessOutcome outcome =
        vcl::RunHiddenAndWait(tool, parameters, owner, RegistrationTimeoutMs);
    if (!outcome.started || outcome.timedOut || outcome.exitCode != 0) {
        throw vcl::Exception("Невозможно зарегистрировать Вортан.Бар в системе");
    }
}

bool RunInstall(const InstallerSettings& settings, InstallHost& host) {
    std::optional<vcl::RegistryAside> before;
    try {
        // Set aside, not copied: a copy would read every console subkey first.
        before = vcl::RegistryAside::Take(ProductKeyPath);
        SaveSettings(settings.InstallPath, settings.ServerAddress, settings.UseGoogle);
        DeployFiles(settings.InstallPath, host.SourceExecutable(), host.OwnerWindow());
        for (const TVortan& entry : settings.Pults) {
            SavePultPassword(entry.Pult, entry.Password);
        }
        before->Drop();
        return true;
    } catch (const vcl::Exception& error) {
        std::string text = error.Message();
        // A failed install must not cost the user the settings of the last one.
        if (before) {
            try {
                before->PutBack();
            } catch (const vcl::Exception& restore) {
                text += "\r\n" + restore.Message();
            }
        }
        host.ShowError(text + "\r\n" + InstallClosingLine);
        host.CloseMainForm();
        return false;
    }
}
