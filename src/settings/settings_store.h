#pragma once
// The settings' persistent form: one key below HKEY_CURRENT_USER.
#include "settings/installer_settings.h"

#include <string>

// Relative to HKEY_CURRENT_USER; console subkeys are appended to it.
inline constexpr const char* ProductKeyPath = "SOFTWARE\\Dremvik\\VortanBar\\";

// Overlays what the product key holds on `settings` and appends the stored
// console entries. A missing key reads nothing; a value of the wrong type
// raises ERegistryException.
void LoadSettings(InstallerSettings& settings);

// Deletes the product key with all its subkeys and writes the three values
// again. Raises ERegistryException when the key cannot be created or a value
// cannot be written.
void SaveSettings(const std::string& installPath, const std::string& serverAddress, bool useGoogle);

// Writes the subkey of one console entry with its "Password". Raises
// ERegistryException when the subkey cannot be created or written.
void SavePultPassword(const std::string& pult, const std::string& password);
