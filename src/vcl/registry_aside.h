#pragma once
// A key below HKEY_CURRENT_USER set aside while it is being rewritten, so that
// a failure can put it back exactly as it was. Setting it aside renames it to
// a sibling: one call, however many subkeys it holds, where a copy would read
// every subkey and value. Where the system cannot rename keys it is copied.
#include "vcl/registry_snapshot.h"

#include <optional>
#include <string>

namespace vcl {

class RegistryAside {
  public:
    // Sets aside the key at `path` (a trailing backslash names the same key);
    // nothing is at `path` afterwards. A key that does not exist is noted as
    // such. Raises ERegistryException when the key can be neither moved nor copied.
    static RegistryAside Take(const std::string& path);

    // Deletes whatever is at the path now and puts the key back. Raises
    // ERegistryException when that cannot be done completely.
    void PutBack();
    // The rewrite succeeded: the old key is no longer needed.
    void Drop();

    // Where the key waits: the path with this added to its last name.
    static constexpr const char* Suffix = ".previous";

  private:
    std::wstring path_;  // without the trailing backslash
    std::wstring aside_; // the sibling's full path
    bool existed_ = false;
    bool moved_ = false;
    std::optional<RegistrySnapshot> copy_; // when renaming was not possible
};

} // namespace vcl
