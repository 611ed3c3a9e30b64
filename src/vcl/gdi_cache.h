#pragma once
// One cache of the fonts and brushes the windows use. The application object
// owns it and frees it after every window is gone.
#include "vcl/font.h"
#include "vcl/win_handles.h"

#include <map>
#include <string>
#include <tuple>

namespace vcl::detail {

class GdiCache {
  public:
    HFONT Font(const FontSpec& font);
    HBRUSH Brush(TColor color);

    // What is asked of the font mapper: height N pixels is lfHeight = -N.
    static LOGFONTW Describe(const FontSpec& font);

  private:
    std::map<std::tuple<std::wstring, int, bool>, UniqueGdiObject> fonts_;
    std::map<TColor, UniqueGdiObject> brushes_;
};

} // namespace vcl::detail
