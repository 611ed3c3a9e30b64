#pragma once
// What the wizard asks of the Windows shell outside its windows.
#include <optional>
#include <string>

namespace vcl {

// The Program Files folder, or nothing when the shell cannot tell.
std::optional<std::string> ProgramFilesFolder();

} // namespace vcl
