#pragma once
// Key paths as the registry API takes them. Only vcl/ includes this.
#include "vcl/text.h"

#include <string>

namespace vcl {

// UTF-16, without a trailing backslash: "A\B\" names the same key as "A\B".
inline std::wstring RegistryKeyPath(const std::string& path) {
    std::wstring w = Widen(path);
    if (!w.empty() && w.back() == L'\\') {
        w.pop_back();
    }
    return w;
}

} // namespace vcl
