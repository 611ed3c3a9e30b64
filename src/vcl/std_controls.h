#pragma once
// The standard controls: native windows of the system's own classes, so the
// keyboard, screen readers and automation work with them as anywhere else.
#include "vcl/control.h"
#include "vcl/form_description.h"

#include <memory>
#include <string>

namespace vcl {

class TButton : public TControl {
  public:
    TButton() = default;
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // Copies ModalResult to the form, then runs OnClick.
    virtual void Click();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // The button that Enter presses; drawn with the default frame.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // The button that Esc presses.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }

    bool Command(unsigned code) override;

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    TNotifyEvent onClick_;
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

// A push button showing its kind's stock glyph beside the caption. The glyphs
// are the executable's bitmap resources GLYPH_OK, GLYPH_CANCEL, GLYPH_ABORT,
// GLYPH_RETRY and GLYPH_IGNORE; the bottom-left pixel's colour is transparent.
class TBitBtn : public TButton {
  public:
    TBitBtn();
    ~TBitBtn() override;
    TBitBtnKind Kind() const { return kind_; }
    // Whether the kind's glyph was found and attached.
    bool HasGlyph() const { return glyph_ != nullptr; }

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    struct Glyph;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    std::unique_ptr<Glyph> glyph_;
};

class TEdit : public TControl {
  public:
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

  protected:
    void CreateHandle(const ControlRow& row) override;
};

// Static text in its font's colour over its parent's background.
class TLabel : public TControl {
  public:
    void* ControlColor(void* dc) override;

  protected:
    void CreateHandle(const ControlRow& row) override;
};

// Radio buttons with one parent form one group: checking one unchecks the
// others. Only the checked one is a tab stop; the arrows move within the group.
class TRadioButton : public TControl {
  public:
    bool Checked() const;
    void SetChecked(bool checked);
    bool Command(unsigned code) override;

  protected:
    void CreateHandle(const ControlRow& row) override;

  private:
    void UpdateTabStops();
};

// A lowered separator line along its top edge.
class TBevel : public TControl {
  public:
    std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

  protected:
    void CreateHandle(const ControlRow& row) override;
};

} // namespace vcl
