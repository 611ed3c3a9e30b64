#pragma once
// Our TRegistry: one open key at a time below a root, every key opened with
// full access. Texts are UTF-8 here and REG_SZ (UTF-16) in the hive.
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vcl {

enum class RegistryRoot { CurrentUser };

class TRegistry {
  public:
    explicit TRegistry(RegistryRoot root = RegistryRoot::CurrentUser);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    void SetRootKey(RegistryRoot root);

    // Opens `path` below the root (a trailing backslash names the same key).
    // With canCreate the key and any missing keys above it are created.
    // Returns false on any failure and raises nothing.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const;

    bool ValueExists(const std::string& name) const;
    // Missing or empty values read as empty text; non-text types raise.
    std::string ReadString(const std::string& name) const;
    // Reads a 32-bit integer; true when it is not 0.
    bool ReadBool(const std::string& name) const;
    // ValueExists followed by ReadString or ReadBool, in one query: nothing
    // when the value does not exist, otherwise what the read gives or raises.
    std::optional<std::string> ReadStringIfExists(const std::string& name) const;
    std::optional<bool> ReadBoolIfExists(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    void WriteBool(const std::string& name, bool value);

    // Names of the current key's immediate subkeys, in enumeration order.
    void GetKeyNames(std::vector<std::string>& names) const;

    // Deletes `path` below the root with everything under it. True when the
    // key itself was deleted; raises nothing.
    bool DeleteKey(const std::string& path);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vcl
