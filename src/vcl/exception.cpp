#include "vcl/exception.h"

namespace vcl {

std::string WithName(const std::string& templ, const std::string& name) {
    std::string out = templ;
    if (auto at = out.find("%s"); at != std::string::npos) {
        out.replace(at, 2, name);
    }
    return out;
}

} // namespace vcl
