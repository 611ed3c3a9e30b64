#include "vcl/shell.h"

#include "vcl/text.h"

#include <windows.h>

#include <shlobj.h>

namespace vcl {

std::optional<std::string> ProgramFilesFolder() {
    wchar_t buf[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, buf))) {
        return std::nullopt;
    }
    return Narrow(buf);
}

} // namespace vcl
