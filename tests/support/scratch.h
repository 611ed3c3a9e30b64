#pragma once
// State that each test owns: a private HKEY_CURRENT_USER and a scratch folder,
// both cleaned before the test and removed after it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

namespace testing_support {

// Redirects HKEY_CURRENT_USER of this process to a fresh key of its own, so
// tests see an empty hive and never touch the prefix's real one.
class ScratchHkcu {
  public:
    ScratchHkcu();
    ~ScratchHkcu();
    ScratchHkcu(const ScratchHkcu&) = delete;
    ScratchHkcu& operator=(const ScratchHkcu&) = delete;

  private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string Utf8() const;

  private:
    std::filesystem::path path_;
};

struct RawValue {
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const RawValue&) const = default;
};

// Reads a value back through the API below HKEY_CURRENT_USER (wide path).
std::optional<RawValue> ReadRaw(const std::wstring& key, const std::wstring& value);
std::optional<RawValue> ReadRawAnsi(const std::string& key, const std::string& value);
void WriteRaw(const std::wstring& key, const std::wstring& value, DWORD type,
              const std::vector<std::uint8_t>& bytes);
bool KeyExists(const std::wstring& key);
std::vector<std::wstring> SubkeyNames(const std::wstring& key);
std::vector<std::wstring> ValueNames(const std::wstring& key);

RawValue Sz(const std::wstring& text); // REG_SZ bytes: UTF-16 plus one zero
RawValue Dword(DWORD value);           // REG_DWORD bytes
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::string& content);

} // namespace testing_support
