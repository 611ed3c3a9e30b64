// The wizard's pages as states: what each page shows, and where each button
// leads with what effect, driven through the real window.
#include "wizard_fixture.h"

#include "settings/installer_settings.h"
#include "vcl/shell.h"

using namespace ui_testing;
using testing_support::Dword;
using testing_support::KeyExists;
using testing_support::Sz;
using testing_support::WriteRaw;

namespace {

const ShownBox FolderRefused{"Введите каталог установки", "Ошибка", 0x10};
const ShownBox AddressRefused{"Введите адрес сервера", "Ошибка", 0x10};
const ShownBox EmptyListRefused{"Введите хотя бы один пультовой номер", "Ошибка", 0x80};

std::string DefaultFolder() {
    return DefaultSettings().InstallPath;
}

// ---------------------------------------------------------------------------
// What a page shows once it is the shown page.

struct PageLook {
    const char* page;
    const char* header;
    const char* next;
    bool nextEnabled;
    bool priorEnabled;
    bool priorVisible;
    bool cancelEnabled;
};

void ExpectLook(TfmMain& w, const PageLook& look) {
    EXPECT_EQ(w.PCWizard->ActivePage()->Name(), look.page);
    EXPECT_EQ(w.LbDescr->Caption(), look.header) << look.page;
    EXPECT_EQ(w.BtNext->Caption(), look.next) << look.page;
    EXPECT_EQ(w.BtNext->Enabled(), look.nextEnabled) << look.page;
    EXPECT_EQ(w.BtPrior->Enabled(), look.priorEnabled) << look.page;
    EXPECT_EQ(w.BtPrior->Visible(), look.priorVisible) << look.page;
    EXPECT_EQ(w.BtCancel->Enabled(), look.cancelEnabled) << look.page;
    EXPECT_TRUE(w.BtNext->Visible());
    EXPECT_TRUE(w.BtCancel->Visible());
    // Only the shown page is visible.
    for (int i = 0; i < w.PCWizard->PageCount(); ++i) {
        vcl::TTabSheet* page = w.PCWizard->Pages(i);
        EXPECT_EQ(page->Visible(), page == w.PCWizard->ActivePage()) << page->Name();
    }
}

const PageLook Welcome{"TSHello", "Установка Вортан.Бар", "Далее >", true, false, true, true};
const PageLook Folder{"TSDir", "Укажите каталог установки Вортан.Бар", "Далее >", true, false, true,
                      true};
const PageLook Server{"TSServer", "Укажите адрес сервера", "Далее >", true, true, true, true};
const PageLook ConsoleEmpty{
    "TSVortan", "Укажите параметры ЖРН Вортан", "Установить", false, true, true, true};
const PageLook ConsoleFilled{
    "TSVortan", "Укажите параметры ЖРН Вортан", "Установить", true, true, true, true};
const PageLook Finish{
    "TSFinish", "Мастер установки окончил свою работу", "Закрыть", true, true, false, false};

class PageFlowTest : public WizardTest {};

} // namespace

TEST_F(PageFlowTest, EachPageShowsItsHeaderAndButtonsGoingForwardAndBack) {
    TfmMain& w = Open();
    ExpectLook(w, Welcome);
    ASSERT_TRUE(Click(*w.BtNext));
    ExpectLook(w, Folder);
    ASSERT_TRUE(Click(*w.BtNext));
    ExpectLook(w, Server);
    ASSERT_TRUE(Click(*w.BtNext));
    ExpectLook(w, ConsoleEmpty);
    ASSERT_TRUE(Click(*w.BtPrior));
    ExpectLook(w, Server);
    ASSERT_TRUE(Click(*w.BtPrior));
    ExpectLook(w, Folder); // Back stays disabled on the folder page, also reached by Back
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PageFlowTest, WithoutSavedSettingsThePagesShowTheDefaults) {
    TfmMain& w = Open();
    GoTo("TSDir");
    EXPECT_EQ(w.EdVortanBarDir->Text(), DefaultFolder());
    EXPECT_EQ(DefaultFolder(), *vcl::ProgramFilesFolder() + "\\VortanBar");
    GoTo("TSServer");
    EXPECT_EQ(w.EdServerAddr->Text(), DefaultServerAddress);
    EXPECT_TRUE(w.RBGoogle->Checked());
    EXPECT_FALSE(w.RBYa->Checked());
}

namespace {

class SavedSettingsTest : public WizardTest {};

} // namespace

TEST_F(SavedSettingsTest, RegistryValuesAppearOnTheirPages) {
    WriteRaw(ProductKey, L"Install Path", REG_SZ, Sz(L"D:\\Saved Folder").bytes);
    WriteRaw(ProductKey, L"Server Address", REG_SZ, Sz(L"srv.example").bytes);
    WriteRaw(ProductKey, L"UseGoogle", REG_DWORD, Dword(0).bytes);
    WriteRaw(ProductKey + L"\\42", L"Password", REG_SZ, Sz(L"secret").bytes);
    TfmMain& w = Open();
    GoTo("TSDir");
    EXPECT_EQ(w.EdVortanBarDir->Text(), "D:\\Saved Folder");
    GoTo("TSServer");
    EXPECT_EQ(w.EdServerAddr->Text(), "srv.example");
    EXPECT_FALSE(w.RBGoogle->Checked());
    EXPECT_TRUE(w.RBYa->Checked());
    GoTo("TSVortan");
    ExpectLook(w, ConsoleFilled);
    ASSERT_EQ(w.TLPults->Count(), 1);
    EXPECT_EQ(w.TLPults->RowText(0), "42");
}

TEST_F(SavedSettingsTest, AnEmptySavedFolderOpensEmptyAndIsRefusedUntilTyped) {
    WriteRaw(ProductKey, L"Install Path", REG_SZ, Sz(L"").bytes);
    TfmMain& w = Open();
    GoTo("TSDir");
    EXPECT_EQ(w.EdVortanBarDir->Text(), "");
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_EQ(Page(), "TSDir");
    w.EdVortanBarDir->SetText("E:\\Typed");
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_EQ(Page(), "TSServer");
    EXPECT_EQ(w.Settings().InstallPath, "E:\\Typed");
    EXPECT_EQ(boxes, std::vector<ShownBox>{FolderRefused});
}

namespace {

// ---------------------------------------------------------------------------
// The transitions: from a page, an event under a condition, to a page, with effects.

enum class Event { Next, Back, Cancel, CloseBox, SystemClose };

struct Transition {
    const char* name;
    const char* from;
    std::function<void(TfmMain&)> arrange; // what the user types or chooses first
    Event event;
    const char* to; // nullptr: the program ends
    std::vector<ShownBox> shown;
    std::function<void(const InstallerSettings&)> stored;
};

void Send(TfmMain& w, Event event) {
    switch (event) {
    case Event::Next:
        ASSERT_TRUE(Click(*w.BtNext));
        break;
    case Event::Back:
        ASSERT_TRUE(Click(*w.BtPrior));
        break;
    case Event::Cancel:
        ASSERT_TRUE(Click(*w.BtCancel));
        break;
    case Event::CloseBox:
        SendMessageW(w.Handle(), WM_CLOSE, 0, 0);
        break;
    case Event::SystemClose:
        SendMessageW(w.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
}

auto Unchanged() {
    return [](const InstallerSettings& s) {
        EXPECT_EQ(s.InstallPath, DefaultFolder());
        EXPECT_EQ(s.ServerAddress, DefaultServerAddress);
        EXPECT_TRUE(s.UseGoogle);
        EXPECT_TRUE(s.Pults.Empty());
    };
}

const Transition Transitions[] = {
    {"WelcomeNext", "TSHello", nullptr, Event::Next, "TSDir", {}, Unchanged()},
    {"FolderNextStoresTrimmed",
     "TSDir",
     [](TfmMain& w) { w.EdVortanBarDir->SetText(" \t D:\\Apps\\Вортан  "); },
     Event::Next,
     "TSServer",
     {},
     [](const InstallerSettings& s) { EXPECT_EQ(s.InstallPath, "D:\\Apps\\Вортан"); }},
    {"FolderNextTakesMissingOrRelative",
     "TSDir",
     [](TfmMain& w) { w.EdVortanBarDir->SetText("relative\\not there"); },
     Event::Next,
     "TSServer",
     {},
     [](const InstallerSettings& s) { EXPECT_EQ(s.InstallPath, "relative\\not there"); }},
    {"FolderNextRefusesBlanks",
     "TSDir",
     [](TfmMain& w) { w.EdVortanBarDir->SetText("  \t "); },
     Event::Next,
     "TSDir",
     {FolderRefused},
     Unchanged()},
    {"FolderNextRefusesEmpty",
     "TSDir",
     [](TfmMain& w) { w.EdVortanBarDir->SetText(""); },
     Event::Next,
     "TSDir",
     {FolderRefused},
     Unchanged()},
    {"ServerNextStoresAddressAndMap",
     "TSServer",
     [](TfmMain& w) {
         w.EdServerAddr->SetText("  10.1.2.3 ");
         ASSERT_TRUE(Click(*w.RBYa));
     },
     Event::Next,
     "TSVortan",
     {},
     [](const InstallerSettings& s) {
         EXPECT_EQ(s.ServerAddress, "10.1.2.3");
         EXPECT_FALSE(s.UseGoogle);
     }},
    {"ServerNextRefusesBlanksButStoresMap",
     "TSServer",
     [](TfmMain& w) {
         w.EdServerAddr->SetText("   ");
         ASSERT_TRUE(Click(*w.RBYa));
     },
     Event::Next,
     "TSServer",
     {AddressRefused},
     [](const InstallerSettings& s) {
         EXPECT_EQ(s.ServerAddress, DefaultServerAddress);
         EXPECT_FALSE(s.UseGoogle);
     }},
    {"ServerBackStoresNothing",
     "TSServer",
     [](TfmMain& w) {
         w.EdServerAddr->SetText("typed only");
         ASSERT_TRUE(Click(*w.RBYa));
     },
     Event::Back,
     "TSDir",
     {},
     Unchanged()},
    {"ConsoleBack", "TSVortan", nullptr, Event::Back, "TSServer", {}, Unchanged()},
    {"ConsoleNextOnEmptyListIsTheSecondGuard",
     "TSVortan",
     [](TfmMain& w) { w.BtNext->SetEnabled(true); },
     Event::Next,
     "TSVortan",
     {EmptyListRefused},
     Unchanged()},
    {"WelcomeCancel", "TSHello", nullptr, Event::Cancel, nullptr, {}, Unchanged()},
    {"FolderCancel",
     "TSDir",
     [](TfmMain& w) { w.EdVortanBarDir->SetText("X:\\Typed"); },
     Event::Cancel,
     nullptr,
     {},
     Unchanged()},
    {"ServerCancel", "TSServer", nullptr, Event::Cancel, nullptr, {}, Unchanged()},
    {"ConsoleCancel", "TSVortan", nullptr, Event::Cancel, nullptr, {}, Unchanged()},
    {"WelcomeCloseBox", "TSHello", nullptr, Event::CloseBox, nullptr, {}, Unchanged()},
    {"FolderCloseBox", "TSDir", nullptr, Event::CloseBox, nullptr, {}, Unchanged()},
    {"ServerSystemMenuClose", "TSServer", nullptr, Event::SystemClose, nullptr, {}, Unchanged()},
    {"ConsoleCloseBox", "TSVortan", nullptr, Event::CloseBox, nullptr, {}, Unchanged()},
};

class TransitionTest : public WizardTest, public ::testing::WithParamInterface<Transition> {};

} // namespace

TEST_P(TransitionTest, LeadsToItsPageWithItsEffects) {
    const Transition& t = GetParam();
    TfmMain& w = Open();
    GoTo(t.from);
    if (t.arrange) {
        t.arrange(w);
    }
    Send(w, t.event);
    if (t.to == nullptr) {
        EXPECT_TRUE(vcl::Application().Terminated()) << "the program should end";
        EXPECT_EQ(Page(), t.from) << "ending changes no page";
    } else {
        EXPECT_FALSE(vcl::Application().Terminated());
        EXPECT_EQ(Page(), t.to);
    }
    EXPECT_EQ(boxes, t.shown);
    t.stored(w.Settings());
    // Leaving without installing writes nothing.
    EXPECT_FALSE(KeyExists(ProductKey));
}

INSTANTIATE_TEST_SUITE_P(Wizard, TransitionTest, ::testing::ValuesIn(Transitions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageFlowTest, BackIsNotOfferedOnTheWelcomeNorTheFolderPage) {
    TfmMain& w = Open();
    EXPECT_FALSE(Click(*w.BtPrior));
    EXPECT_EQ(Page(), "TSHello");
    GoTo("TSDir");
    EXPECT_FALSE(Click(*w.BtPrior));
    EXPECT_EQ(Page(), "TSDir");
}

TEST_F(PageFlowTest, BackDropsWhatNextHasNotStoredAndKeepsWhatItHas) {
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("  C:\\Kept  ");
    ASSERT_TRUE(Click(*w.BtNext));
    w.EdServerAddr->SetText("dropped");
    ASSERT_TRUE(Click(*w.RBYa));
    ASSERT_TRUE(Click(*w.BtPrior));
    EXPECT_EQ(w.EdVortanBarDir->Text(), "C:\\Kept"); // stored trimmed, shown trimmed
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_EQ(w.EdServerAddr->Text(), DefaultServerAddress);
    EXPECT_TRUE(w.RBGoogle->Checked());
    EXPECT_FALSE(w.RBYa->Checked());
}

TEST_F(PageFlowTest, ExactlyOneMapIsCheckedOnceTheServerPageIsShown) {
    TfmMain& w = Open();
    EXPECT_FALSE(w.RBGoogle->Checked());
    EXPECT_FALSE(w.RBYa->Checked());
    GoTo("TSServer");
    ASSERT_TRUE(Click(*w.RBYa));
    EXPECT_TRUE(w.RBYa->Checked());
    EXPECT_FALSE(w.RBGoogle->Checked());
    ASSERT_TRUE(Click(*w.RBGoogle));
    EXPECT_TRUE(w.RBGoogle->Checked());
    EXPECT_FALSE(w.RBYa->Checked());
}

namespace {

class InstallFromWizardTest : public WizardTest {};

} // namespace

TEST_F(InstallFromWizardTest, AnInstallErrorIsShownThenTheFinishPageAndTheProgramEnds) {
    WriteRaw(ProductKey + L"\\7", L"Password", REG_SZ, Sz(L"pw").bytes);
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("C:\\no such parent folder\\VortanBar");
    GoTo("TSVortan");
    ExpectLook(w, ConsoleFilled);
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{
                         {"Невозможно создать директорию\r\n Программа установки будет закрыта.",
                          "Ошибка", 0x10}}));
    EXPECT_TRUE(vcl::Application().Terminated());
    ExpectLook(w, Finish);
}

TEST_F(InstallFromWizardTest, CloseOnTheFinishPageEndsTheProgram) {
    TfmMain& w = Open();
    // The finish page is reached here without an install: its own Next is under test.
    w.PCWizard->SetActivePage(w.TSFinish);
    w.BtCancel->SetEnabled(false);
    ExpectLook(w, {"TSFinish", "Мастер установки окончил свою работу", "Закрыть", true, false,
                   false, false});
    ASSERT_FALSE(vcl::Application().Terminated());
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_TRUE(vcl::Application().Terminated());
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(KeyExists(ProductKey));
}
