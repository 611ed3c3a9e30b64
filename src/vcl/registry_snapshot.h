#pragma once
// A full copy of one key below HKEY_CURRENT_USER: every value with its type and
// bytes, every subkey, recursively, or the fact that the key did not exist.
// Used to put a key back exactly as it was when a later step fails.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class RegistrySnapshot {
  public:
    struct Value {
        std::wstring name;
        unsigned long type = 0;
        std::vector<std::uint8_t> data;
        bool operator==(const Value&) const = default;
    };
    struct Key {
        std::wstring name;
        std::vector<Value> values;
        std::vector<Key> subkeys;
        bool operator==(const Key&) const = default;
    };

    // Reads `path` (relative to HKEY_CURRENT_USER) now. Raises
    // ERegistryException when the key exists but cannot be read whole.
    static RegistrySnapshot Take(const std::string& path);

    // Deletes whatever is at the path now and writes the copy back. Raises
    // ERegistryException when that cannot be done completely.
    void Restore() const;

    bool Existed() const { return existed_; }
    const Key& Root() const { return root_; }
    bool operator==(const RegistrySnapshot&) const = default;

  private:
    std::string path_;
    bool existed_ = false;
    Key root_;
};

} // namespace vcl
