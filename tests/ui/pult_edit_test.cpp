// The console editor: what OK refuses, and the dialog as a window of its own.
#include "wizard_fixture.h"

#include "vcl/text.h"

#include <cstdlib>

using namespace ui_testing;

namespace {

std::string Repeat(const std::string& unit, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += unit;
    }
    return out;
}

struct OkCase {
    const char* name;
    std::string pult;
    std::string password;
    const char* refusal; // nullptr: accepted
};

const char* const Empty = "Введите пультовой номер и пароль";
const char* const Backslash = "Пультовой номер не может содержать символ \\";
const char* const TooLong = "Пультовой номер слишком длинный";

const OkCase OkCases[] = {
    {"BothFilled", "12", "pw", nullptr},
    {"EmptyNumber", "", "pw", Empty},
    {"BlankNumber", " \t ", "pw", Empty},
    {"EmptyPassword", "12", "", Empty},
    {"BlankPassword", "12", "  \r\n", Empty},
    {"BothEmpty", "", "", Empty},
    {"Backslash", "12\\3", "pw", Backslash},
    {"LeadingBackslash", "\\12", "pw", Backslash},
    {"LongestNumber", Repeat("7", 255), "pw", nullptr},
    {"NumberTooLong", Repeat("7", 256), "pw", TooLong},
    {"LongestCyrillicNumber", Repeat("Ж", 255), "pw", nullptr},
    {"CyrillicNumberTooLong", Repeat("Ж", 256), "pw", TooLong},
    {"LongOnlyWithBlanks", "  " + Repeat("7", 255) + "  ", "pw", nullptr},
    {"FreeText", "пульт №1 (A)", "pw", nullptr},
};

class EditorOkTest : public WizardTest, public ::testing::WithParamInterface<OkCase> {};

} // namespace

TEST_P(EditorOkTest, RefusesOrCloses) {
    const OkCase& c = GetParam();
    TfmMain& w = Open();
    GoTo("TSVortan");
    AnswerModal([&](vcl::TForm& form) {
        TfmPultEdit& editor = Editor(form);
        FillEditor(form, c.pult, c.password);
        EXPECT_TRUE(Click(*editor.BtOK));
        if (c.refusal != nullptr) {
            EXPECT_EQ(editor.ModalResult(), vcl::mrNone) << "the dialog stays open";
            EXPECT_EQ(editor.EdPultNum->Text(), c.pult) << "the texts stay as typed";
            EXPECT_EQ(editor.EdPass->Text(), c.password);
            EXPECT_TRUE(Click(*editor.BitBtn2));
        } else {
            EXPECT_EQ(editor.ModalResult(), vcl::mrOk);
        }
    });
    ASSERT_TRUE(Click(*w.BtAdd));
    if (c.refusal != nullptr) {
        EXPECT_EQ(boxes, (std::vector<ShownBox>{{c.refusal, "Ошибка", 0x10}}));
        EXPECT_TRUE(w.Settings().Pults.Empty());
    } else {
        EXPECT_TRUE(boxes.empty());
        ASSERT_EQ(w.Settings().Pults.Count(), 1u);
        EXPECT_EQ(w.Settings().Pults.At(0).Pult, vcl::Trim(c.pult));
    }
}

INSTANTIATE_TEST_SUITE_P(Editor, EditorOkTest, ::testing::ValuesIn(OkCases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

class EditorWindowTest : public WizardTest {};

} // namespace

TEST_F(EditorWindowTest, IsOwnedByTheMainWindowCentredOnItAndModal) {
    TfmMain& w = Open();
    GoTo("TSVortan");
    HWND shown = nullptr;
    AnswerModal([&](vcl::TForm& form) {
        shown = form.Handle();
        EXPECT_EQ(&form, fmPultEdit);
        EXPECT_EQ(GetWindow(shown, GW_OWNER), w.Handle()) << "one taskbar button";
        EXPECT_EQ(GetWindowLongPtrW(shown, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        EXPECT_FALSE(IsWindowEnabled(w.Handle())) << "the wizard waits for the dialog";
        EXPECT_TRUE(IsWindowVisible(shown));
        EXPECT_EQ(form.Caption(), "Параметры кнопки Вортан");
        EXPECT_EQ(Editor(form).EdPultNum->Text(), "");
        EXPECT_EQ(Editor(form).EdPass->Text(), "");
        RECT main{};
        RECT dialog{};
        GetWindowRect(w.Handle(), &main);
        GetWindowRect(shown, &dialog);
        EXPECT_LE(std::abs((dialog.left + dialog.right) - (main.left + main.right)), 2);
        EXPECT_LE(std::abs((dialog.top + dialog.bottom) - (main.top + main.bottom)), 2);
        EXPECT_EQ(GetWindowLongPtrW(shown, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
        EXPECT_TRUE(Click(*Editor(form).BitBtn2));
    });
    ASSERT_TRUE(Click(*w.BtAdd));
    EXPECT_TRUE(IsWindowEnabled(w.Handle()));
    EXPECT_FALSE(IsWindow(shown)) << "freed once closed";
    EXPECT_EQ(fmPultEdit, nullptr);
    EXPECT_EQ(GetActiveWindow(), w.Handle()) << "the wizard is active again";
}

TEST_F(EditorWindowTest, EnterInABoxPressesOkAndEscCancels) {
    TfmMain& w = Open();
    GoTo("TSVortan");
    AnswerModal([](vcl::TForm& form) {
        FillEditor(form, "31", "pw");
        Editor(form).EdPass->SetFocus();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    });
    AnswerModal([](vcl::TForm& form) {
        FillEditor(form, "32", "pw");
        Editor(form).EdPultNum->SetFocus();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    ASSERT_TRUE(Click(*w.BtAdd));
    ASSERT_TRUE(Click(*w.BtAdd));
    ASSERT_EQ(w.Settings().Pults.Count(), 1u);
    EXPECT_EQ(w.Settings().Pults.At(0).Pult, "31");
    EXPECT_EQ(Page(), "TSVortan") << "Enter in the dialog never reaches the wizard";
}

TEST_F(EditorWindowTest, TheFirstBoxHasTheFocusAndTabWalksTheDialog) {
    TfmMain& w = Open();
    GoTo("TSVortan");
    AnswerModal([](vcl::TForm& form) {
        EXPECT_EQ(FocusedName(), "EdPultNum");
        std::vector<std::string> walked;
        for (int i = 0; i < 4; ++i) {
            PressKey(VK_TAB);
            walked.push_back(FocusedName());
        }
        EXPECT_EQ(walked, (std::vector<std::string>{"EdPass", "BtOK", "BitBtn2", "EdPultNum"}));
        form.SetModalResult(vcl::mrCancel);
    });
    ASSERT_TRUE(Click(*w.BtAdd));
}
