// The folder chooser of the folder page: what it is asked, and what its answer does.
#include "wizard_fixture.h"

#include "vcl/text.h"

#include <atomic>
#include <thread>

using namespace ui_testing;

namespace {

class FolderChooserTest : public WizardTest {};

} // namespace

TEST_F(FolderChooserTest, IsAskedWithItsTitleAndOptionsOwnedByTheWizard) {
    TfmMain& w = Open();
    GoTo("TSDir");
    AnswerFolder(std::nullopt);
    ASSERT_TRUE(Click(*w.BtSelFolder));
    ASSERT_EQ(folderRequests.size(), 1u);
    EXPECT_EQ(folderRequests[0].owner, w.Handle());
    EXPECT_EQ(folderRequests[0].title, "Выберете каталог установки");
    EXPECT_EQ(folderRequests[0].flags, 0x51u);
}

TEST_F(FolderChooserTest, CancelledLeavesTheBoxAsItWas) {
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("typed before");
    AnswerFolder(std::nullopt);
    ASSERT_TRUE(Click(*w.BtSelFolder));
    EXPECT_EQ(w.EdVortanBarDir->Text(), "typed before");
}

TEST_F(FolderChooserTest, AnsweredPutsThatPathInTheBoxAndNextStoresIt) {
    TfmMain& w = Open();
    GoTo("TSDir");
    const std::string before = w.Settings().InstallPath;
    AnswerFolder("C:\\Папка с пробелами");
    ASSERT_TRUE(Click(*w.BtSelFolder));
    EXPECT_EQ(w.EdVortanBarDir->Text(), "C:\\Папка с пробелами") << "no subfolder appended";
    EXPECT_EQ(w.Settings().InstallPath, before) << "stored only by Next";
    ASSERT_TRUE(Click(*w.BtNext));
    EXPECT_EQ(w.Settings().InstallPath, "C:\\Папка с пробелами");
}

namespace {

// Presses a button of the shell's real chooser from another thread once it is up.
class ChooserPresser {
  public:
    ChooserPresser(HWND owner, int button) {
        worker_ = std::thread([this, owner, button] {
            for (int i = 0; i < 200 && !done_; ++i) {
                Sleep(50);
                HWND dialog = FindChooser(owner);
                if (dialog != nullptr && IsWindowVisible(dialog) != FALSE) {
                    Sleep(300); // let it finish filling its tree
                    titleShown_ = HasStatic(dialog, L"Выберете каталог установки");
                    PostMessageW(dialog, WM_COMMAND, button, 0);
                    found_ = true;
                    return;
                }
            }
        });
    }
    ~ChooserPresser() {
        done_ = true;
        worker_.join();
    }
    bool Found() const { return found_; }
    bool TitleShown() const { return titleShown_; }

  private:
    static HWND FindChooser(HWND owner) {
        struct Search {
            HWND owner;
            HWND found;
        } search{owner, nullptr};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p); // NOLINT(performance-no-int-to-ptr)
                if (GetWindow(w, GW_OWNER) == s->owner && IsWindowVisible(w) != FALSE) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    static bool HasStatic(HWND dialog, const wchar_t* text) {
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t got[256] = {};
            GetWindowTextW(c, got, 256);
            if (std::wstring(got) == text) {
                return true;
            }
        }
        return false;
    }
    std::thread worker_;
    std::atomic<bool> done_{false};
    std::atomic<bool> found_{false};
    std::atomic<bool> titleShown_{false};
};

} // namespace

TEST_F(FolderChooserTest, TheShellsChooserCancelledChangesNothing) {
    UseRealFolderChooser();
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("kept");
    {
        ChooserPresser presser(w.Handle(), IDCANCEL);
        ASSERT_TRUE(Click(*w.BtSelFolder));
        EXPECT_TRUE(presser.Found());
        EXPECT_TRUE(presser.TitleShown());
    }
    EXPECT_EQ(w.EdVortanBarDir->Text(), "kept");
    EXPECT_TRUE(IsWindowEnabled(w.Handle()));
}

TEST_F(FolderChooserTest, TheShellsChooserAnsweredGivesAFileSystemPath) {
    UseRealFolderChooser();
    TfmMain& w = Open();
    GoTo("TSDir");
    w.EdVortanBarDir->SetText("before");
    {
        ChooserPresser presser(w.Handle(), IDOK);
        ASSERT_TRUE(Click(*w.BtSelFolder));
        EXPECT_TRUE(presser.Found());
    }
    const std::string chosen = w.EdVortanBarDir->Text();
    EXPECT_NE(chosen, "before");
    EXPECT_NE(GetFileAttributesW(vcl::Widen(chosen).c_str()), INVALID_FILE_ATTRIBUTES)
        << chosen << " names an existing folder";
}
