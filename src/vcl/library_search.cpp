#include "vcl/application.h"

#include <windows.h>

namespace vcl {

void LoadLibrariesFromSystemOnly() {
    // Looked up at run time: Windows 7 has it only with its loader update.
    using SetDefaultDirs = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = reinterpret_cast<SetDefaultDirs>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != nullptr) {
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    // Also takes the current folder out of the older search order.
    SetDllDirectoryW(L"");
}

} // namespace vcl
