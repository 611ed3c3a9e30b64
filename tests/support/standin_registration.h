#pragma once
// The stand-in add-on's per-user registration, as regsvr32 leaves it in the
// prefix's real HKEY_CURRENT_USER.
#include <filesystem>
#include <optional>

namespace testing_support {

// The library the registration names, if the stand-in is registered.
std::optional<std::filesystem::path> RegisteredServer();
// Removes the registration, whatever state it is in.
void ForgetRegistration();

} // namespace testing_support
