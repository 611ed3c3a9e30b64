// The wizard's refusals in the system's real message boxes.
#include "real_box.h"
#include "wizard_fixture.h"

using namespace ui_testing;

namespace {

class RealMessageBoxTest : public WizardTest {
  protected:
    RealMessageBoxTest() { UseRealMessageBoxes(); }
};

} // namespace

TEST_F(RealMessageBoxTest, AFolderRefusalIsAnErrorBoxOwnedByTheWizard) {
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText(" ");
    RealBoxAnswerer answerer;
    ASSERT_TRUE(Click(*w.BtNext));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    const RealBox& box = answerer.Seen()[0];
    EXPECT_EQ(box.text, L"Введите каталог установки");
    EXPECT_EQ(box.caption, L"Ошибка");
    EXPECT_TRUE(box.icon);
    EXPECT_EQ(box.owner, w.Handle());
    EXPECT_EQ(Page(), "TSDir");
    EXPECT_TRUE(IsWindowEnabled(w.Handle()));
}

TEST_F(RealMessageBoxTest, TheEmptyListMessageCarriesNoIcon) {
    TfmMain& w = Open();
    GoTo("TSVortan");
    w.BtNext->SetEnabled(true); // the page check guards behind the disabled button
    RealBoxAnswerer answerer;
    ASSERT_TRUE(Click(*w.BtNext));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, L"Введите хотя бы один пультовой номер");
    EXPECT_EQ(answerer.Seen()[0].caption, L"Ошибка");
    EXPECT_FALSE(answerer.Seen()[0].icon);
    EXPECT_EQ(Page(), "TSVortan");
}

TEST_F(RealMessageBoxTest, TheEditorsRefusalIsOwnedByTheEditor) {
    TfmMain& w = Open();
    GoTo("TSVortan");
    RealBoxAnswerer answerer;
    HWND editorWindow = nullptr;
    AnswerModal([&](vcl::TForm& form) {
        editorWindow = form.Handle();
        FillEditor(form, "1\\2", "pw");
        EXPECT_TRUE(Click(*Editor(form).BtOK));
        EXPECT_TRUE(IsWindowVisible(form.Handle())) << "still open after the refusal";
        EXPECT_TRUE(Click(*Editor(form).BitBtn2));
    });
    ASSERT_TRUE(Click(*w.BtAdd));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, L"Пультовой номер не может содержать символ \\");
    EXPECT_TRUE(answerer.Seen()[0].icon);
    EXPECT_EQ(answerer.Seen()[0].owner, editorWindow);
}
