// The console page: the list shown from Pults, and Add, Edit and Delete through
// the editor dialog, driven through the real windows.
#include "wizard_fixture.h"

#include <commctrl.h>

using namespace ui_testing;
using testing_support::Sz;
using testing_support::WriteRaw;

namespace {

struct Row {
    std::string text;
    std::intptr_t position;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << "{\"" << row.text << "\", " << row.position << "}";
}

std::vector<Row> Rows(TfmMain& w) {
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(w.TLPults->Count()));
    for (int i = 0; i < w.TLPults->Count(); ++i) {
        rows.push_back({w.TLPults->RowText(i), w.TLPults->RowData(i)});
    }
    return rows;
}

std::vector<TVortan> Entries(TfmMain& w) {
    return {w.Settings().Pults.begin(), w.Settings().Pults.end()};
}

// Presses the button the dialog's way of closing names.
enum class Close { Ok, CancelButton, Escape, CloseBox };

std::function<void(vcl::TForm&)> Answer(const std::string& pult, const std::string& password,
                                        Close how) {
    return [=](vcl::TForm& form) {
        FillEditor(form, pult, password);
        TfmPultEdit& editor = Editor(form);
        switch (how) {
        case Close::Ok:
            EXPECT_TRUE(Click(*editor.BtOK));
            break;
        case Close::CancelButton:
            EXPECT_TRUE(Click(*editor.BitBtn2));
            break;
        case Close::Escape:
            editor.EdPultNum->SetFocus();
            PostMessageW(editor.EdPultNum->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
            break; // the dialog's own loop takes the key
        case Close::CloseBox:
            SendMessageW(editor.Handle(), WM_CLOSE, 0, 0);
            break;
        }
    };
}

class ConsolePageTest : public WizardTest {
  protected:
    // Three consoles in the registry; they load in its order: 1, 10, 2.
    void SeedThree() {
        WriteRaw(ProductKey + L"\\2", L"Password", REG_SZ, Sz(L"pw2").bytes);
        WriteRaw(ProductKey + L"\\10", L"Password", REG_SZ, Sz(L"pw10").bytes);
        WriteRaw(ProductKey + L"\\1", L"Password", REG_SZ, Sz(L"pw1").bytes);
    }
    TfmMain& OpenConsole() {
        TfmMain& w = Open();
        GoTo("TSVortan");
        return w;
    }
};

} // namespace

TEST_F(ConsolePageTest, EnteringWithLoadedEntriesListsThemInOrderWithTheirPositions) {
    SeedThree();
    TfmMain& w = OpenConsole();
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"1", 0}, {"10", 1}, {"2", 2}}));
    EXPECT_TRUE(w.BtNext->Enabled());
    EXPECT_EQ(w.BtNext->Caption(), "Установить");
    EXPECT_EQ(w.LbDescr->Caption(), "Укажите параметры ЖРН Вортан");
}

TEST_F(ConsolePageTest, AddTrimsAndAppendsAndEnablesInstall) {
    TfmMain& w = OpenConsole();
    ASSERT_FALSE(w.BtNext->Enabled());
    AnswerModal(Answer("  \t123 ", "  secret\t", Close::Ok));
    ASSERT_TRUE(Click(*w.BtAdd));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"123", "secret"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"123", 0}}));
    EXPECT_TRUE(w.BtNext->Enabled());
    EXPECT_EQ(fmPultEdit, nullptr) << "the dialog is freed once it has closed";
}

TEST_F(ConsolePageTest, TheSameNumberAddedTwiceGivesTwoEntriesAndTwoRows) {
    TfmMain& w = OpenConsole();
    AnswerModal(Answer("5", "a", Close::Ok));
    AnswerModal(Answer("5", "b", Close::Ok));
    ASSERT_TRUE(Click(*w.BtAdd));
    ASSERT_TRUE(Click(*w.BtAdd));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"5", "a"}, {"5", "b"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"5", 0}, {"5", 1}}));
}

namespace {

class CancelledAddTest : public ConsolePageTest, public ::testing::WithParamInterface<Close> {};

} // namespace

TEST_P(CancelledAddTest, ChangesNothing) {
    SeedThree();
    TfmMain& w = OpenConsole();
    AnswerModal(Answer("999", "pw", GetParam()));
    ASSERT_TRUE(Click(*w.BtAdd));
    EXPECT_EQ(ModalsShown(), 1);
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"1", "pw1"}, {"10", "pw10"}, {"2", "pw2"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"1", 0}, {"10", 1}, {"2", 2}}));
}

namespace {

std::string CloseName(const ::testing::TestParamInfo<Close>& info) {
    static const char* const names[] = {"Ok", "CancelButton", "Escape", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Console, CancelledAddTest,
                         ::testing::Values(Close::CancelButton, Close::Escape, Close::CloseBox),
                         CloseName);

TEST_F(ConsolePageTest, AddRefusedKeepsTheDialogOpenWithTheTextsAsTyped) {
    TfmMain& w = OpenConsole();
    AnswerModal([](vcl::TForm& form) {
        TfmPultEdit& editor = Editor(form);
        FillEditor(form, "  77 ", "   ");
        EXPECT_TRUE(Click(*editor.BtOK));
        EXPECT_EQ(editor.ModalResult(), vcl::mrNone);
        EXPECT_TRUE(editor.Showing());
        EXPECT_EQ(editor.EdPultNum->Text(), "  77 ");
        EXPECT_EQ(editor.EdPass->Text(), "   ");
        editor.EdPass->SetText("pw");
        EXPECT_TRUE(Click(*editor.BtOK));
    });
    ASSERT_TRUE(Click(*w.BtAdd));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Введите пультовой номер и пароль", "Ошибка", 0x10}}));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"77", "pw"}}));
}

TEST_F(ConsolePageTest, EditShowsTheFocusedEntryAndReplacesItTrimmed) {
    // A subkey name keeps its trailing blank, so a loaded entry can carry one.
    WriteRaw(ProductKey + L"\\7 ", L"Password", REG_SZ, Sz(L" p ").bytes);
    WriteRaw(ProductKey + L"\\8", L"Password", REG_SZ, Sz(L"q").bytes);
    TfmMain& w = OpenConsole();
    ASSERT_EQ(Rows(w), (std::vector<Row>{{"7 ", 0}, {"8", 1}}));
    w.TLPults->SetFocusedRow(0);
    AnswerModal([](vcl::TForm& form) {
        TfmPultEdit& editor = Editor(form);
        EXPECT_EQ(editor.EdPultNum->Text(), "7 ");
        EXPECT_EQ(editor.EdPass->Text(), " p ");
        EXPECT_TRUE(Click(*editor.BtOK)); // confirmed without changes
    });
    ASSERT_TRUE(Click(*w.BtEdit));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"7", "p"}, {"8", "q"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"7", 0}, {"8", 1}}));
}

TEST_F(ConsolePageTest, EditCancelledKeepsTheEntryButRebuildsTheList) {
    SeedThree();
    TfmMain& w = OpenConsole();
    w.TLPults->SetFocusedRow(1);
    w.LbDescr->SetCaption("marker");
    AnswerModal(Answer("changed", "changed", Close::CancelButton));
    ASSERT_TRUE(Click(*w.BtEdit));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"1", "pw1"}, {"10", "pw10"}, {"2", "pw2"}}));
    EXPECT_EQ(w.LbDescr->Caption(), "Укажите параметры ЖРН Вортан") << "rebuilt";
}

TEST_F(ConsolePageTest, EditAndDeleteWithoutAFocusedRowDoNothing) {
    SeedThree();
    TfmMain& w = OpenConsole();
    ASSERT_LT(w.TLPults->FocusedRow(), 0);
    w.LbDescr->SetCaption("marker");
    ASSERT_TRUE(Click(*w.BtEdit));
    ASSERT_TRUE(Click(*w.BtDelete));
    EXPECT_EQ(ModalsShown(), 0);
    EXPECT_EQ(Entries(w).size(), 3u);
    EXPECT_EQ(w.LbDescr->Caption(), "marker") << "no rebuild";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ConsolePageTest, DeleteInTheMiddleMovesTheLaterEntryUp) {
    SeedThree();
    TfmMain& w = OpenConsole();
    w.TLPults->SetFocusedRow(1);
    ASSERT_TRUE(Click(*w.BtDelete));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"1", "pw1"}, {"2", "pw2"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"1", 0}, {"2", 1}}));
    EXPECT_TRUE(boxes.empty()) << "no confirmation";
    EXPECT_TRUE(w.BtNext->Enabled());
}

TEST_F(ConsolePageTest, DeletingTheOnlyEntryDisablesInstall) {
    WriteRaw(ProductKey + L"\\1", L"Password", REG_SZ, Sz(L"pw").bytes);
    TfmMain& w = OpenConsole();
    ASSERT_TRUE(w.BtNext->Enabled());
    w.TLPults->SetFocusedRow(0);
    ASSERT_TRUE(Click(*w.BtDelete));
    EXPECT_TRUE(Entries(w).empty());
    EXPECT_EQ(w.TLPults->Count(), 0);
    EXPECT_FALSE(w.BtNext->Enabled());
    EXPECT_FALSE(Click(*w.BtNext));
}

namespace {

// Clicks the list's column header, as the mouse does.
void ClickHeader(TfmMain& w) {
    HWND header = ListView_GetHeader(w.TLPults->Handle());
    RECT r{};
    Header_GetItemRect(header, 0, &r);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
}

} // namespace

TEST_F(ConsolePageTest, AfterSortingEditAndDeleteActOnTheFocusedRowsEntry) {
    SeedThree(); // Pults: 1, 10, 2
    TfmMain& w = OpenConsole();
    AnswerModal(Answer("0", "pw0", Close::Ok));
    ASSERT_TRUE(Click(*w.BtAdd)); // Pults: 1, 10, 2, 0
    ClickHeader(w);
    EXPECT_EQ(w.TLPults->SortOrder(), vcl::TSortOrder::soAscending);
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"0", 3}, {"1", 0}, {"10", 1}, {"2", 2}}));
    ClickHeader(w);
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"2", 2}, {"10", 1}, {"1", 0}, {"0", 3}}));
    ClickHeader(w);

    // The top row shows entry 3; Edit reaches that entry, not entry 0.
    w.TLPults->SetFocusedRow(0);
    AnswerModal([](vcl::TForm& form) {
        EXPECT_EQ(Editor(form).EdPultNum->Text(), "0");
        FillEditor(form, "00", "pw00");
        EXPECT_TRUE(Click(*Editor(form).BtOK));
    });
    ASSERT_TRUE(Click(*w.BtEdit));
    EXPECT_EQ(Entries(w),
              (std::vector<TVortan>{{"1", "pw1"}, {"10", "pw10"}, {"2", "pw2"}, {"00", "pw00"}}));
    // The rebuilt list stays sorted.
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"00", 3}, {"1", 0}, {"10", 1}, {"2", 2}}));

    w.TLPults->SetFocusedRow(2); // shows "10", entry 1
    ASSERT_TRUE(Click(*w.BtDelete));
    EXPECT_EQ(Entries(w), (std::vector<TVortan>{{"1", "pw1"}, {"2", "pw2"}, {"00", "pw00"}}));
    EXPECT_EQ(Rows(w), (std::vector<Row>{{"00", 2}, {"1", 0}, {"2", 1}}));
}

TEST_F(ConsolePageTest, DoubleClickOnARowEditsIt) {
    SeedThree();
    TfmMain& w = OpenConsole();
    RECT r{};
    ListView_GetItemRect(w.TLPults->Handle(), 2, &r, LVIR_BOUNDS);
    const LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    AnswerModal([](vcl::TForm& form) {
        EXPECT_EQ(Editor(form).EdPultNum->Text(), "2");
        EXPECT_EQ(Editor(form).EdPass->Text(), "pw2");
        FillEditor(form, "2", "new");
        EXPECT_TRUE(Click(*Editor(form).BtOK));
    });
    SendMessageW(w.TLPults->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(w.TLPults->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(w.TLPults->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(w.TLPults->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(ModalsShown(), 1);
    EXPECT_EQ(Entries(w)[2], (TVortan{"2", "new"}));
}

TEST_F(ConsolePageTest, TheListItselfNeitherEditsCellsNorDeletesRows) {
    SeedThree();
    TfmMain& w = OpenConsole();
    const auto style = GetWindowLongPtrW(w.TLPults->Handle(), GWL_STYLE);
    EXPECT_EQ(style & LVS_EDITLABELS, 0);
    w.TLPults->SetFocusedRow(0);
    w.TLPults->SetFocus();
    EXPECT_EQ(ListView_EditLabel(w.TLPults->Handle(), 0), nullptr);
    PressKey(VK_DELETE);
    PressKey(VK_F2);
    EXPECT_EQ(Entries(w).size(), 3u);
    EXPECT_EQ(w.TLPults->Count(), 3);
}

namespace {

// The list holds its rows itself and the system list asks only for those it
// shows; the keyboard's type-ahead and a sort still land on the right entry.

} // namespace

TEST_F(ConsolePageTest, TypingAndSortingKeepTheFocusOnItsEntry) {
    SeedThree(); // rows: 1, 10, 2
    TfmMain& w = OpenConsole();
    w.TLPults->SetFocus();
    w.TLPults->SetFocusedRow(0);
    const auto type = [&](wchar_t c) {
        PostMessageW(w.TLPults->Handle(), WM_CHAR, c, 1);
        vcl::Application().ProcessMessages();
    };
    type(L'2');
    EXPECT_EQ(w.TLPults->FocusedRow(), 2);
    EXPECT_EQ(w.TLPults->FocusedData(), std::optional<std::intptr_t>(2));

    w.TLPults->SetFocusedRow(0); // shows "1", entry 0
    ClickHeader(w);
    ClickHeader(w); // descending: 2, 10, 1
    ASSERT_EQ(Rows(w), (std::vector<Row>{{"2", 2}, {"10", 1}, {"1", 0}}));
    EXPECT_EQ(w.TLPults->FocusedRow(), 2);
    EXPECT_EQ(w.TLPults->FocusedData(), std::optional<std::intptr_t>(0));
}
