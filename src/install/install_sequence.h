#pragma once
// The one place where the wizard changes the machine.
#include "install/install_host.h"
#include "settings/installer_settings.h"

#include <string>

// Appended, after a line break, to every error the install shows.
inline constexpr const char* InstallClosingLine = " Программа установки будет закрыта.";

// Writes the settings, deploys the files, registers the add-on and writes the
// console subkeys. The first error puts the product key back as it was, is
// shown once through `host`, and closes the main form. Returns true when the
// whole install succeeded.
bool RunInstall(const InstallerSettings& settings, InstallHost& host);

// Creates the install folder when missing, copies the add-on and the uninstall
// script from beside `sourceExe`, and `sourceExe` itself, into it, and has the
// add-on registered. Raises vcl::Exception on the first failure.
void DeployFiles(const std::string& installPath, const std::string& sourceExe,
                 vcl::NativeWindow owner);
