#pragma once
// A picture from the executable's bitmap resources, drawn at the control's top
// left corner unscaled or stretched to the control without keeping proportions.
#include "vcl/control.h"

#include <memory>

namespace vcl {

class TImage : public TControl {
  public:
    TImage();
    ~TImage() override;
    std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
    bool Stretch() const { return stretch_; }
    // Width and height of the loaded picture; 0 × 0 when none was found.
    int PictureWidth() const;
    int PictureHeight() const;
    int PictureBitsPerPixel() const;

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    struct Picture;
    std::unique_ptr<Picture> picture_;
    bool stretch_ = false;
};

} // namespace vcl
