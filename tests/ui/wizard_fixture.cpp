#include "wizard_fixture.h"

#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <ostream>

namespace ui_testing {

vcl::TForm* WizardTest::stuckForm_ = nullptr;

std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "{\"" << box.text << "\", \"" << box.caption << "\", 0x" << std::hex << box.flags
               << std::dec << "}";
}

::testing::AssertionResult Click(const vcl::TControl& button) {
    HWND h = button.Handle();
    if (h == nullptr || IsWindowVisible(h) == FALSE) {
        return ::testing::AssertionFailure() << button.Name() << " is not shown";
    }
    // Up to its own top-level window; GetParent would go on to the owner.
    for (HWND w = h; w != nullptr; w = GetParent(w)) {
        if (IsWindowEnabled(w) == FALSE) {
            return ::testing::AssertionFailure() << button.Name() << " is disabled";
        }
        if ((GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    SendMessageW(h, BM_CLICK, 0, 0);
    return ::testing::AssertionSuccess();
}

void PressKey(WORD key) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    vcl::Application().ProcessMessages();
}

std::string FocusedName() {
    vcl::TControl* control = vcl::detail::ControlFromHandle(GetFocus());
    return control == nullptr ? std::string() : control->Name();
}

WizardTest::WizardTest() {
    // The key this test owns: nothing from another run may leak in.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");
    app_.Initialize();
    app_.SetTitle("Установщик Вортан.Бар");
    app_.SetMessageBoxHook(
        [this](const std::string& text, const std::string& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return vcl::idOk;
        });
    app_.SetFolderChooserHook(
        [this](vcl::NativeWindow owner, const std::string& title, unsigned flags) {
            folderRequests.push_back({owner, title, flags});
            if (folderAnswers_.empty()) {
                ADD_FAILURE() << "the folder chooser opened unexpectedly";
                return std::optional<std::string>();
            }
            auto answer = folderAnswers_.front();
            folderAnswers_.pop_front();
            return answer;
        });
    app_.SetModalShownHook([this](vcl::TForm& form) {
        ++modalsShown_;
        if (modalAnswers_.empty()) {
            ADD_FAILURE() << "the form " << form.Name() << " opened unexpectedly";
            form.SetModalResult(vcl::mrCancel);
            return;
        }
        auto answer = std::move(modalAnswers_.front());
        modalAnswers_.pop_front();
        answer(form);
        if (form.ModalResult() == vcl::mrNone) {
            // The answer left keys for the dialog's loop; should they not close
            // it, the test fails instead of waiting for ever.
            stuckForm_ = &form;
            SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR id, DWORD) {
                KillTimer(nullptr, id);
                if (stuckForm_ != nullptr && stuckForm_->ModalResult() == vcl::mrNone) {
                    ADD_FAILURE() << "the modal form did not close";
                    stuckForm_->SetModalResult(vcl::mrCancel);
                }
            });
        }
    });
}

WizardTest::~WizardTest() {
    stuckForm_ = nullptr;
    EXPECT_TRUE(modalAnswers_.empty()) << "a modal answer was not used";
    EXPECT_TRUE(folderAnswers_.empty()) << "a folder answer was not used";
}

TfmMain& WizardTest::Open() {
    app_.CreateForm(fmMain);
    app_.SetMainFormOnTaskBar(true);
    fmMain->Show();
    app_.ProcessMessages();
    return *fmMain;
}

void WizardTest::GoTo(const std::string& page) {
    for (int i = 0; i < 5 && Page() != page; ++i) {
        ASSERT_TRUE(Click(*fmMain->BtNext));
    }
    ASSERT_EQ(Page(), page);
}

TfmPultEdit& Editor(vcl::TForm& form) {
    auto* editor = dynamic_cast<TfmPultEdit*>(&form);
    if (editor == nullptr) {
        throw std::runtime_error("not the console editor");
    }
    return *editor;
}

void FillEditor(vcl::TForm& form, const std::string& pult, const std::string& password) {
    TfmPultEdit& editor = Editor(form);
    editor.EdPultNum->SetText(pult);
    editor.EdPass->SetText(password);
}

} // namespace ui_testing
