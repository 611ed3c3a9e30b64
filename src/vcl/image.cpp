#include "vcl/image.h"

#include "vcl/form_description.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"
#include "vcl/window_internals.h"

namespace vcl {

struct TImage::Picture {
    UniqueGdiObject bitmap;
    BITMAP info{};
};

TImage::TImage() = default;
TImage::~TImage() = default;

void TImage::CreateHandle(const ControlRow& row) {
    stretch_ = row.look.stretch;
    SetColor(Parent()->Color());
    if (row.look.picture != nullptr) {
        UniqueGdiObject bitmap(LoadImageW(detail::ModuleInstance(), Widen(row.look.picture).c_str(),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bitmap) {
            picture_ = std::make_unique<Picture>();
            GetObjectW(bitmap.get(), sizeof(picture_->info), &picture_->info);
            picture_->bitmap = std::move(bitmap);
        }
    }
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::Image),
                            WS_VISIBLE | WS_CLIPSIBLINGS, 0, Parent()->Handle(),
                            {row.left, row.top, row.width, row.height}, "", ControlId());
}

int TImage::PictureWidth() const {
    return picture_ ? picture_->info.bmWidth : 0;
}
int TImage::PictureHeight() const {
    return picture_ ? picture_->info.bmHeight : 0;
}
int TImage::PictureBitsPerPixel() const {
    return picture_ ? picture_->info.bmBitsPixel : 0;
}

std::intptr_t TImage::WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // all of it is painted below
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, detail::BrushFor(Color()));
        if (picture_) {
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, picture_->bitmap.get());
            const int w = picture_->info.bmWidth;
            const int h = picture_->info.bmHeight;
            if (stretch_) {
                SetStretchBltMode(dc, HALFTONE);
                SetBrushOrgEx(dc, 0, 0, nullptr);
                StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, w, h, SRCCOPY);
            } else {
                BitBlt(dc, 0, 0, w, h, source, 0, 0, SRCCOPY);
            }
            SelectObject(source, old);
            DeleteDC(source);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    default:
        return TControl::WindowProc(message, wParam, lParam);
    }
}

} // namespace vcl
