#pragma once
// The wizard created for real in this process, under Xvfb, over a scratch
// HKEY_CURRENT_USER, with the application object's hooks recording message
// boxes and answering the folder chooser and the modal editor.
#include <windows.h>

#include "support/scratch.h"
#include "ui/installerunit.h"
#include "ui/pultedit.h"
#include "vcl/application.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui_testing {

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags = 0;
    bool operator==(const ShownBox&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ShownBox& box);

struct FolderRequest {
    vcl::NativeWindow owner = nullptr;
    std::string title;
    unsigned flags = 0;
};

// Presses a button as a click does, but only one a user could press: BM_CLICK
// alone presses a hidden or disabled button too.
::testing::AssertionResult Click(const vcl::TControl& button);
// Posts a key to the focused window and lets the message loop handle it.
void PressKey(WORD key);
// The name of the control that has the keyboard focus, or "".
std::string FocusedName();

inline const std::wstring ProductKey = L"SOFTWARE\\Dremvik\\VortanBar";

class WizardTest : public ::testing::Test {
  protected:
    WizardTest();
    ~WizardTest() override;

    // Creates fmMain as the program does and shows it, as the message loop would.
    TfmMain& Open();
    TfmMain& Wizard() { return *fmMain; }
    std::string Page() { return fmMain->PCWizard->ActivePage()->Name(); }
    // Presses Next until `page` is shown (the default settings pass every page).
    void GoTo(const std::string& page);

    // Each modal form shown takes the next answer; it fills and presses the form.
    void AnswerModal(std::function<void(vcl::TForm&)> answer) {
        modalAnswers_.push_back(std::move(answer));
    }
    void AnswerFolder(std::optional<std::string> folder) {
        folderAnswers_.push_back(std::move(folder));
    }
    int ModalsShown() const { return modalsShown_; }
    // From now on message boxes are the system's own.
    void UseRealMessageBoxes() { app_.SetMessageBoxHook(nullptr); }
    // From now on the folder chooser is the shell's own.
    void UseRealFolderChooser() { app_.SetFolderChooserHook(nullptr); }

    std::vector<ShownBox> boxes;
    std::vector<FolderRequest> folderRequests;

  private:
    testing_support::ScratchHkcu hkcu_;
    vcl::TApplication app_;
    std::deque<std::function<void(vcl::TForm&)>> modalAnswers_;
    std::deque<std::optional<std::string>> folderAnswers_;
    int modalsShown_ = 0;
    static vcl::TForm* stuckForm_;
};

// Fills the editor and presses one of its buttons (from a modal answer).
void FillEditor(vcl::TForm& form, const std::string& pult, const std::string& password);
TfmPultEdit& Editor(vcl::TForm& form);

} // namespace ui_testing
