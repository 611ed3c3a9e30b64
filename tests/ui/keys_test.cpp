// The keyboard: where the focus goes, what Tab walks through, and that Enter
// and Esc behave as in other wizards without ever starting the install or
// ending the wizard unasked.
#include "wizard_fixture.h"

using namespace ui_testing;
using testing_support::Sz;
using testing_support::WriteRaw;

namespace {

class KeysTest : public WizardTest {
  protected:
    std::vector<std::string> TabWalk(int steps) {
        std::vector<std::string> walked;
        for (int i = 0; i < steps; ++i) {
            PressKey(VK_TAB);
            walked.push_back(FocusedName());
        }
        return walked;
    }
};

} // namespace

TEST_F(KeysTest, NextHasTheFocusWhenTheWindowOpens) {
    Open();
    EXPECT_EQ(FocusedName(), "BtNext");
}

namespace {

struct TabCase {
    const char* page;
    const char* focusedOnArrival;
    std::vector<std::string> walk; // from the arrival focus, one Tab at a time
};

const TabCase TabCases[] = {
    {"TSHello", "BtNext", {"BtCancel", "BtNext"}},
    {"TSDir", "EdVortanBarDir", {"BtSelFolder", "BtNext", "BtCancel", "EdVortanBarDir"}},
    {"TSServer", "EdServerAddr", {"RBGoogle", "BtNext", "BtCancel", "BtPrior", "EdServerAddr"}},
    {"TSVortan",
     "BtAdd",
     {"BtDelete", "BtEdit", "TLPults", "BtNext", "BtCancel", "BtPrior", "BtAdd"}},
};

class TabOrderTest : public KeysTest, public ::testing::WithParamInterface<TabCase> {};

} // namespace

TEST_P(TabOrderTest, FollowsTheLayoutTablesOnEachPage) {
    const TabCase& c = GetParam();
    WriteRaw(ProductKey + L"\\1", L"Password", REG_SZ, Sz(L"pw").bytes);
    Open();
    GoTo(c.page);
    EXPECT_EQ(FocusedName(), c.focusedOnArrival);
    EXPECT_EQ(TabWalk(static_cast<int>(c.walk.size())), c.walk);
}

INSTANTIATE_TEST_SUITE_P(Wizard, TabOrderTest, ::testing::ValuesIn(TabCases),
                         [](const auto& info) { return std::string(info.param.page); });

TEST_F(KeysTest, TheArrowsMoveBetweenTheMapChoices) {
    TfmMain& w = Open();
    GoTo("TSServer");
    w.RBGoogle->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_EQ(FocusedName(), "RBYa");
    EXPECT_TRUE(w.RBYa->Checked());
    EXPECT_FALSE(w.RBGoogle->Checked());
    // Tab now reaches the map group at the chosen one.
    w.EdServerAddr->SetFocus();
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedName(), "RBYa");
}

TEST_F(KeysTest, EnterInAnEditBoxPressesNext) {
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("D:\\ByEnter");
    PressKey(VK_RETURN);
    EXPECT_EQ(Page(), "TSServer");
    EXPECT_EQ(w.Settings().InstallPath, "D:\\ByEnter");
    EXPECT_EQ(FocusedName(), "EdServerAddr");
}

TEST_F(KeysTest, EnterOnARefusedPageShowsTheRefusalAndKeepsTheTypingPlace) {
    TfmMain& w = Open();
    GoTo("TSServer");
    w.EdServerAddr->SetText("  ");
    PressKey(VK_RETURN);
    EXPECT_EQ(Page(), "TSServer");
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Введите адрес сервера", "Ошибка", 0x10}}));
    EXPECT_EQ(FocusedName(), "EdServerAddr");
}

TEST_F(KeysTest, EnterOnTheConsolePageNeverStartsTheInstallByItself) {
    WriteRaw(ProductKey + L"\\1", L"Password", REG_SZ, Sz(L"pw").bytes);
    TfmMain& w = Open();
    GoTo("TSVortan");
    ASSERT_TRUE(w.BtNext->Enabled());
    EXPECT_FALSE(w.BtNext->Default());
    // In the list, Enter does nothing.
    w.TLPults->SetFocus();
    w.TLPults->SetFocusedRow(0);
    PressKey(VK_RETURN);
    EXPECT_EQ(Page(), "TSVortan");
    EXPECT_EQ(ModalsShown(), 0);
    // On a button, Enter presses that button.
    AnswerModal([](vcl::TForm& form) { form.SetModalResult(vcl::mrCancel); });
    w.BtAdd->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_EQ(ModalsShown(), 1);
    EXPECT_EQ(Page(), "TSVortan");
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(vcl::Application().Terminated());
}

TEST_F(KeysTest, EscNeverEndsTheWizard) {
    Open();
    for (const char* page : {"TSHello", "TSDir", "TSServer", "TSVortan"}) {
        GoTo(page);
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(vcl::Application().Terminated()) << page;
        EXPECT_EQ(Page(), page);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(KeysTest, EnterOnTheFinishPageCloses) {
    TfmMain& w = Open();
    w.PCWizard->SetActivePage(w.TSFinish);
    w.BtNext->SetFocus();
    PressKey(VK_RETURN);
    EXPECT_TRUE(vcl::Application().Terminated());
}
