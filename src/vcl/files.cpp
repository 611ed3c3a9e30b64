#include "vcl/files.h"

#include "vcl/text.h"
#include "vcl/win_handles.h"

namespace vcl {
namespace {

size_t NamePart(const std::string& path) {
    const auto at = path.find_last_of("\\:");
    return at == std::string::npos ? 0 : at + 1;
}

UniqueFileHandle OpenForIdentity(const std::string& path) {
    return UniqueFileHandle(
        CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

} // namespace

bool DirectoryExists(const std::string& path) {
    const DWORD attrs = GetFileAttributesW(Widen(path).c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDir(const std::string& path) {
    return CreateDirectoryW(Widen(path).c_str(), nullptr) != FALSE;
}

bool SameFile(const std::string& a, const std::string& b) {
    UniqueFileHandle ha = OpenForIdentity(a);
    UniqueFileHandle hb = OpenForIdentity(b);
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    if (!ha || !hb || !GetFileInformationByHandle(ha.get(), &ia) ||
        !GetFileInformationByHandle(hb.get(), &ib)) {
        return false;
    }
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    return CopyFileW(Widen(from).c_str(), Widen(to).c_str(), FALSE) != FALSE;
}

std::string ExecutablePath() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size()) {
            buf.resize(n);
            return Narrow(buf);
        }
        buf.resize(buf.size() * 2);
    }
}

std::string ExtractFilePath(const std::string& path) {
    return path.substr(0, NamePart(path));
}

std::string ExtractFileName(const std::string& path) {
    return path.substr(NamePart(path));
}

std::string SystemFolder() {
    wchar_t buf[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(buf, MAX_PATH);
    return Narrow(std::wstring_view(buf, n < MAX_PATH ? n : 0));
}

} // namespace vcl
