#pragma once
// The wizard's settings and its console list.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One console entry: the console number (text, never parsed) and its password.
struct TVortan {
    std::string Pult;
    std::string Password;
    bool operator==(const TVortan&) const = default;
};

// Console entries in the order they were added; duplicates allowed, never sorted.
class TVortanes {
  public:
    size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const TVortan& At(size_t position) const { return items_.at(position); }
    void Append(TVortan entry) { items_.push_back(std::move(entry)); }
    void Replace(size_t position, TVortan entry) { items_.at(position) = std::move(entry); }
    void Erase(size_t position);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const TVortanes&) const = default;

  private:
    std::vector<TVortan> items_;
};

struct InstallerSettings {
    std::string InstallPath;
    std::string ServerAddress;
    bool UseGoogle = true;
    TVortanes Pults;
};

// The monitoring server's address when none has been saved.
inline constexpr const char* DefaultServerAddress = "192.168.0.100";
// Appended to the Program Files folder for the default install folder.
inline constexpr const char* ProductFolderName = "\\VortanBar";

// The defaults, given the Program Files folder (nothing when it was not found).
InstallerSettings DefaultSettings(const std::optional<std::string>& programFiles);
// The defaults on this machine.
InstallerSettings DefaultSettings();
