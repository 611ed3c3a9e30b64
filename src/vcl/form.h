#pragma once
// A top-level window built from a form description: shown normally or modally,
// with dialog keys (Tab, Enter, Esc) handled as in any dialog window.
#include "vcl/control.h"
#include "vcl/exception.h"
#include "vcl/form_description.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

class TButton;

// The outcome of a modal form, as the system numbers dialog answers.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;

class TForm : public TControl {
  public:
    // `owner` owns nothing here but names the window's owner; with none, the
    // window is owned by the main form (one taskbar button for the program).
    explicit TForm(TForm* owner);
    ~TForm() override;

    void Show();
    void Hide();
    // Disables the other windows, runs a loop of its own until ModalResult is
    // set, re-enables them, hides the form and returns the result.
    int ShowModal();
    // A modal form closes with Cancel; the main form ends the application once
    // the current message has been handled; any other form hides.
    void Close();

    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int ClientWidth() const;
    int ClientHeight() const;

    // The control of that name, or nullptr.
    TControl* FindComponent(std::string_view name) const;
    // The default button (Enter) and the cancel button (Esc), or nullptr.
    TButton* DefaultButton() const;
    TButton* CancelButton() const;

    std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
    int NextControlId() { return nextId_++; }

  protected:
    // Creates the window and every control of the description.
    void LoadDescription(const FormDescription& description);
    // Binds a typed member to the control of that name; fails loudly.
    template <class T> void Bind(T*& member, std::string_view name) {
        member = dynamic_cast<T*>(FindComponent(name));
        if (member == nullptr) {
            throw Exception("The form " + Name() + " has no control " + std::string(name) +
                            " of the expected class");
        }
    }

  private:
    void CreateHandle(const ControlRow& row) override;
    void PlaceOnScreen();
    void RestoreFocus();
    void EnterKey();
    void CancelKey();

    TForm* owner_ = nullptr;
    TPosition position_ = TPosition::poDesigned;
    bool placed_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    int nextId_ = 100; // clear of IDOK and IDCANCEL, which mean Enter and Esc
    NativeWindow savedFocus_ = nullptr;
    std::vector<std::unique_ptr<TControl>> components_;
};

} // namespace vcl
