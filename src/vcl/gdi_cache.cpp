#include "vcl/gdi_cache.h"

#include "vcl/application.h"
#include "vcl/exception.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <cwchar>

namespace vcl::detail {

LOGFONTW GdiCache::Describe(const FontSpec& font) {
    LOGFONTW lf{};
    lf.lfHeight = -font.height;
    lf.lfWeight = font.Bold() ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Widen(font.face != nullptr ? font.face : "");
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return lf;
}

HFONT GdiCache::Font(const FontSpec& font) {
    auto key =
        std::make_tuple(Widen(font.face != nullptr ? font.face : ""), font.height, font.Bold());
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const LOGFONTW lf = Describe(font);
        UniqueGdiObject handle(CreateFontIndirectW(&lf));
        if (!handle) {
            throw Exception("Cannot create a font");
        }
        found = fonts_.emplace(std::move(key), std::move(handle)).first;
    }
    return static_cast<HFONT>(found->second.get());
}

HBRUSH GdiCache::Brush(TColor color) {
    if ((color & SystemColorFlag) != 0) {
        return GetSysColorBrush(static_cast<int>(color & 0xFF));
    }
    auto found = brushes_.find(color);
    if (found == brushes_.end()) {
        UniqueGdiObject handle(CreateSolidBrush(color));
        found = brushes_.emplace(color, std::move(handle)).first;
    }
    return static_cast<HBRUSH>(found->second.get());
}

HFONT FontHandle(const FontSpec& font) {
    return Application().Gdi().Font(font);
}

HBRUSH BrushFor(TColor color) {
    return Application().Gdi().Brush(color);
}

COLORREF ResolveColor(TColor color) {
    if ((color & SystemColorFlag) != 0) {
        return GetSysColor(static_cast<int>(color & 0xFF));
    }
    return color;
}

} // namespace vcl::detail
