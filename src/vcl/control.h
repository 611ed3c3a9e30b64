#pragma once
// The base of every window of the forms: a form, a container or a standard
// control. Each control object owns nothing but its settings; its window dies
// with its parent's, and the form owns the objects.
#include "vcl/color.h"
#include "vcl/font.h"
#include "vcl/process.h" // NativeWindow

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vcl {

class TControl;
class TForm;
struct ControlRow;

namespace detail {
void RegisterHandle(NativeWindow handle, TControl* control);
void UnregisterHandle(NativeWindow handle);
} // namespace detail

// An event handler: it receives the control that raised the event.
using TNotifyEvent = std::function<void(TControl& sender)>;

// Binds a form's named handler, e.g. Handler(this, &TfmMain::BtNextClick).
template <class Form> TNotifyEvent Handler(Form* form, void (Form::*method)(TControl&)) {
    return [form, method](TControl& sender) { (form->*method)(sender); };
}

// Left and top within the parent's client area, then width and height.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TRect&) const = default;
};

class TControl {
  public:
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl();

    const std::string& Name() const { return name_; }
    TControl* Parent() const { return parent_; }
    // The form this control lies on (the form itself for a form).
    TForm* ParentForm() const;
    NativeWindow Handle() const { return handle_; }
    // Children in creation order, which is their tab order.
    const std::vector<TControl*>& Controls() const { return children_; }
    // Position among the siblings that take the focus; -1 when it takes none.
    int TabOrder() const { return tabOrder_; }

    TRect BoundsRect() const;
    void SetBounds(const TRect& bounds);
    std::string Caption() const;
    void SetCaption(const std::string& text);

    bool Enabled() const;
    // Disabling the control that has the focus passes the focus on first.
    void SetEnabled(bool enabled);
    // The control's own flag; Showing() also needs every parent visible.
    bool Visible() const;
    void SetVisible(bool visible);
    bool Showing() const;

    bool Focused() const;
    // Visible, enabled, on an enabled form, and able to take the focus.
    bool CanFocus() const;
    void SetFocus();
    // Focuses the first control in tab order inside this one; false when none can.
    bool SelectFirst();

    // The resolved font (inherited from the parent when the row names none).
    const FontSpec& Font() const { return font_; }
    // Background colour of a container; labels draw over their parent's.
    TColor Color() const { return color_; }

    // --- used by the window layer -----------------------------------------
    // Message handler of our own windows (forms and containers).
    virtual std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    // A notification that the parent hands back to the child that sent it.
    virtual bool Command(unsigned code);
    virtual bool Notify(const void* header, std::intptr_t& result);
    // WM_CTLCOLOR*: a brush, or nullptr for the system's default.
    virtual void* ControlColor(void* dc);
    // Runs once every control of the form exists.
    virtual void Loaded() {}

    // Creates the window from its row; the form description loader calls this.
    void Create(TForm& form, TControl* parent, const ControlRow& row);

  protected:
    TControl() = default;
    // Makes the window; the parent's window already exists.
    virtual void CreateHandle(const ControlRow& row) = 0;
    void SetColor(TColor color) { color_ = color; }
    void SetFontSpec(const FontSpec& font) { font_ = font; }
    void SetName(std::string name) { name_ = std::move(name); }
    void ApplyFont();
    int ControlId() const { return id_; }
    std::intptr_t DefaultProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  private:
    friend class TForm;
    friend void detail::RegisterHandle(NativeWindow handle, TControl* control);
    friend void detail::UnregisterHandle(NativeWindow handle);
    std::string name_;
    TControl* parent_ = nullptr;
    std::vector<TControl*> children_;
    NativeWindow handle_ = nullptr;
    int tabOrder_ = -1;
    int id_ = 0;
    FontSpec font_;
    TColor color_ = clBtnFace;
};

} // namespace vcl
