#pragma once
// The floor for the registry work: the same keys and values written and read
// with bare Reg* calls, UTF-16 prepared in advance, no objects, no checks.
#include <string>
#include <vector>

namespace bench {

struct RawEntry {
    std::wstring pult;
    std::wstring password;
};

struct RawSettings {
    std::wstring installPath;
    std::wstring serverAddress;
    bool useGoogle = true;
};

// Below HKEY_CURRENT_USER, without the trailing backslash.
extern const wchar_t* const RawProductKey;

// Leaves the product key as an install of `entries` would: the three values
// and one subkey with "Password" per entry. Not timed; used to prepare runs.
void RawPopulate(const RawSettings& settings, const std::vector<RawEntry>& entries);
void RawRemoveProduct();

// What the install does to the registry, in bare calls: the product key
// deleted with its subkeys, the three values, then per entry
// RegCreateKeyEx/RegSetValueEx/RegCloseKey below the open product key.
void RawInstallRegistry(const RawSettings& settings, const std::vector<RawEntry>& entries);

// The files and the registration in bare calls: the folder, three
// CopyFileW, regsvr32 started hidden with CreateProcessW and awaited.
// Returns regsvr32's exit code.
unsigned long RawDeploy(const std::wstring& installPath, const std::wstring& sourceFolder,
                        const std::wstring& exeName);

// Reads the three values, then enumerates the subkeys and reads each one's
// "Password". Returns the number of entries read.
size_t RawLoad(RawSettings& settings, std::vector<RawEntry>& entries);

} // namespace bench
