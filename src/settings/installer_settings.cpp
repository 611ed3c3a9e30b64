#include "settings/installer_settings.h"

#include "vcl/shell.h"

#include <iterator>
#include <stdexcept>

void TVortanes::Erase(size_t position) {
    if (position >= items_.size()) {
        throw std::out_of_range("TVortanes::Erase");
    }
    items_.erase(std::next(items_.begin(), static_cast<std::ptrdiff_t>(position)));
}

InstallerSettings DefaultSettings(const std::optional<std::string>& programFiles) {
    InstallerSettings s;
    if (programFiles) {
        s.InstallPath = *programFiles + ProductFolderName;
    }
    s.ServerAddress = DefaultServerAddress;
    s.UseGoogle = true;
    return s;
}

InstallerSettings DefaultSettings() {
    return DefaultSettings(vcl::ProgramFilesFolder());
}
