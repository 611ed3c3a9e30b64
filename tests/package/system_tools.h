#pragma once
// The system's own tools run as separate processes, and what they leave in the
// prefix's real HKEY_CURRENT_USER.
#include "fixtures/standin/standin_clsid.h"

#include <filesystem>
#include <optional>
#include <string>

#include <windows.h>

namespace package_testing {

inline const std::wstring ClassKey = L"Software\\Classes\\CLSID\\" STANDIN_CLSID;
inline const std::wstring ProgIdKey = L"Software\\Classes\\VortanBar.StandIn";

std::filesystem::path SystemFolder();

// Runs `program` from the system folder with `arguments`, waits, returns its exit code.
DWORD RunSystemTool(const std::wstring& program, const std::wstring& arguments,
                    const std::filesystem::path& cwd);

// regsvr32 /s on `dll`: its exit code.
DWORD Register(const std::filesystem::path& dll);

// The library the stand-in's registration names, if it is registered at all.
std::optional<std::wstring> RegisteredServer();

void DeleteKey(const std::wstring& key);

} // namespace package_testing
