// The window layer's own promises, where a mistake would be easy and silent:
// errors escaping a handler, clicks inside group boxes, focus on hidden pages,
// wrapping pages, modal results and modal loops, and loud description errors.
#include <windows.h>

#include "vcl/application.h"
#include "vcl/containers.h"
#include "vcl/form.h"
#include "vcl/gdi_cache.h"
#include "vcl/std_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum vcl::ControlClass;
using vcl::NoTabOrder;

struct Box {
    std::string text;
    std::string caption;
    unsigned flags;
    bool operator==(const Box&) const = default;
};

// clang-format off
const vcl::ControlRow TestRows[] = {
    {"Pages",  PageControl, "fmTest",   0,  0, 300, 150, "", {}, 0},
    {"First",  TabSheet,    "Pages",    0,  0, 300, 150, "", {}, NoTabOrder},
    {"Group",  GroupBox,    "First",   10, 10, 200, 100, "Группа", {"Tahoma", 13}, 0},
    {"Box",    Edit,        "Group",   10, 20, 100,  25, "", {}, 0},
    {"Inside", Button,      "Group",   10, 60, 100,  25, "Внутри", {}, 1},
    {"Second", TabSheet,    "Pages",    0,  0, 300, 150, "", {}, NoTabOrder},
    {"Other",  Edit,        "Second",  10, 10, 100,  25, "", {}, 0},
    {"Third",  TabSheet,    "Pages",    0,  0, 300, 150, "", {}, NoTabOrder},
    {"Ok",     Button,      "fmTest",  10, 160, 80,  25, "OK", {}, 1},
    {"Quit",   Button,      "fmTest", 100, 160, 80,  25, "Отмена", {}, 2},
};
// clang-format on

class TestForm : public vcl::TForm {
  public:
    explicit TestForm(vcl::TForm* owner, std::span<const vcl::ControlRow> rows = TestRows)
        : TForm(owner) {
        LoadDescription(
            {{"fmTest", "Test", 320, 200, vcl::TPosition::poDesktopCenter, {"MS Sans Serif", 11}},
             rows});
    }
    template <class T> T& Get(const char* name) {
        T* control = nullptr;
        Bind(control, name);
        return *control;
    }
};

class WindowLayerTest : public ::testing::Test {
  protected:
    WindowLayerTest() {
        app.Initialize();
        app.SetTitle("Заголовок");
        app.SetMessageBoxHook([this](const std::string& t, const std::string& c, unsigned f) {
            boxes.push_back({t, c, f});
            return vcl::idOk;
        });
    }
    TestForm& Open() {
        app.CreateForm(form);
        form->Show();
        app.ProcessMessages();
        return *form;
    }
    vcl::TApplication app;
    TestForm* form = nullptr;
    std::vector<Box> boxes;
};

} // namespace

TEST_F(WindowLayerTest, BmClickPressesADisabledButtonSoTestsMustCheckFirst) {
    TestForm& f = Open();
    int clicks = 0;
    f.Get<vcl::TButton>("Ok").SetOnClick([&](vcl::TControl&) { ++clicks; });
    f.Get<vcl::TButton>("Ok").SetEnabled(false);
    SendMessageW(f.Get<vcl::TButton>("Ok").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowLayerTest, AnErrorEscapingAHandlerIsShownAndTheWindowGoesOn) {
    TestForm& f = Open();
    auto& ok = f.Get<vcl::TButton>("Ok");
    int clicks = 0;
    ok.SetOnClick([&](vcl::TControl&) {
        ++clicks;
        if (clicks == 1) {
            throw vcl::Exception("Сбой");
        }
        if (clicks == 2) {
            throw 42; // not of the Exception family
        }
    });
    SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
    SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
    SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(boxes, (std::vector<Box>{{"Сбой", "Заголовок", 0x10}, {"", "Заголовок", 0x10}}));
    EXPECT_TRUE(IsWindow(f.Handle()));
}

TEST_F(WindowLayerTest, AButtonInsideAGroupBoxReachesItsHandler) {
    TestForm& f = Open();
    int clicks = 0;
    f.Get<vcl::TButton>("Inside").SetOnClick([&](vcl::TControl&) { ++clicks; });
    SendMessageW(f.Get<vcl::TButton>("Inside").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowLayerTest, ChangingPagesTakesTheFocusOffTheHiddenPage) {
    TestForm& f = Open();
    auto& pages = f.Get<vcl::TPageControl>("Pages");
    pages.SetActivePageIndex(0);
    f.Get<vcl::TEdit>("Box").SetFocus();
    pages.SetActivePageIndex(1);
    HWND focus = GetFocus();
    EXPECT_NE(focus, f.Get<vcl::TEdit>("Box").Handle());
    EXPECT_TRUE(IsWindowVisible(focus));
    EXPECT_EQ(focus, f.Get<vcl::TEdit>("Other").Handle()) << "the new page's first control";
    // A page with nothing to focus passes it on in tab order.
    pages.SetActivePageIndex(2);
    EXPECT_EQ(GetFocus(), f.Get<vcl::TButton>("Ok").Handle());
}

TEST_F(WindowLayerTest, NextAndPreviousPageWrapAroundAndRunOnShowEachTime) {
    TestForm& f = Open();
    auto& pages = f.Get<vcl::TPageControl>("Pages");
    std::vector<std::string> shown;
    for (int i = 0; i < pages.PageCount(); ++i) {
        pages.Pages(i)->SetOnShow([&](vcl::TControl& page) { shown.push_back(page.Name()); });
    }
    pages.SetActivePageIndex(0);
    pages.SelectNextPage(false);
    EXPECT_EQ(pages.ActivePageIndex(), 2);
    pages.SelectNextPage(true);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    pages.SelectNextPage(true);
    EXPECT_EQ(shown, (std::vector<std::string>{"First", "Third", "First", "Second"}));
    int visible = 0;
    for (int i = 0; i < pages.PageCount(); ++i) {
        visible += pages.Pages(i)->Visible() ? 1 : 0;
    }
    EXPECT_EQ(visible, 1);
}

TEST_F(WindowLayerTest, DisablingOrHidingTheFocusedButtonPassesTheFocusOn) {
    TestForm& f = Open();
    auto& ok = f.Get<vcl::TButton>("Ok");
    ok.SetFocus();
    ok.SetEnabled(false);
    EXPECT_NE(GetFocus(), ok.Handle());
    EXPECT_TRUE(IsWindowEnabled(GetFocus()));
    auto& quit = f.Get<vcl::TButton>("Quit");
    quit.SetFocus();
    quit.SetVisible(false);
    EXPECT_NE(GetFocus(), quit.Handle());
    EXPECT_TRUE(IsWindowVisible(GetFocus()));
}

TEST_F(WindowLayerTest, AModalFormTakesTheButtonsResultBeforeItsHandlerAndClosesAfter) {
    TestForm& main = Open();
    TestForm dialog(nullptr);
    auto& ok = dialog.Get<vcl::TButton>("Ok");
    ok.SetModalResult(vcl::mrOk);
    int seenInHandler = -1;
    ok.SetOnClick([&](vcl::TControl&) { seenInHandler = dialog.ModalResult(); });
    bool mainDisabledWhileUp = false;
    app.SetModalShownHook([&](vcl::TForm& shown) {
        EXPECT_EQ(&shown, &dialog);
        mainDisabledWhileUp = IsWindowEnabled(main.Handle()) == FALSE;
        SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(), vcl::mrOk);
    EXPECT_EQ(seenInHandler, vcl::mrOk);
    EXPECT_TRUE(mainDisabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), main.Handle());
    EXPECT_EQ(GetActiveWindow(), main.Handle());
}

TEST_F(WindowLayerTest, AHandlerSettingNoneKeepsTheModalFormOpenUntilEsc) {
    Open();
    TestForm dialog(nullptr);
    auto& ok = dialog.Get<vcl::TButton>("Ok");
    ok.SetModalResult(vcl::mrOk);
    ok.SetOnClick([&](vcl::TControl&) { dialog.SetModalResult(vcl::mrNone); });
    app.SetModalShownHook([&](vcl::TForm&) {
        SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(dialog.ModalResult(), vcl::mrNone);
        // Esc, with no cancel button, cancels the modal form through its own loop.
        dialog.Get<vcl::TEdit>("Box").SetFocus();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(dialog.ShowModal(), vcl::mrCancel);
}

TEST_F(WindowLayerTest, AModalFormsCloseBoxCancelsIt) {
    Open();
    TestForm dialog(nullptr);
    app.SetModalShownHook([&](vcl::TForm&) { PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.ShowModal(), vcl::mrCancel);
}

TEST_F(WindowLayerTest, ClosingTheMainFormEndsTheApplicationButLeavesItsWindow) {
    TestForm& f = Open();
    f.Close();
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(IsWindowVisible(f.Handle()));
}

TEST_F(WindowLayerTest, OneFontHandlePerFontAsked) {
    vcl::detail::GdiCache& cache = app.Gdi();
    HFONT a = cache.Font({"Tahoma", 13, vcl::FontWeight::Bold});
    HFONT b = cache.Font({"Tahoma", 13, vcl::FontWeight::Bold, vcl::clMaroon});
    HFONT c = cache.Font({"Tahoma", 14, vcl::FontWeight::Bold});
    EXPECT_EQ(a, b) << "the colour is not part of the font";
    EXPECT_NE(a, c);
    LOGFONTW lf{};
    GetObjectW(a, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -13) << "character height, not cell height";
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
}

namespace {

struct BadDescription {
    const char* name;
    std::vector<vcl::ControlRow> rows;
};

} // namespace

TEST_F(WindowLayerTest, AFaultyDescriptionFailsLoudly) {
    const BadDescription bad[] = {
        {"parent after child",
         {{"Child", Edit, "Later", 0, 0, 10, 10, "", {}, 0},
          {"Later", Panel, "fmTest", 0, 0, 10, 10, "", {}, 0}}},
        {"tab order out of row order",
         {{"A", Edit, "fmTest", 0, 0, 10, 10, "", {}, 1},
          {"B", Edit, "fmTest", 0, 0, 10, 10, "", {}, 0}}},
        {"two of one name",
         {{"A", Edit, "fmTest", 0, 0, 10, 10, "", {}, 0},
          {"A", Edit, "fmTest", 0, 0, 10, 10, "", {}, 1}}},
        {"page outside a page control",
         {{"Page", TabSheet, "fmTest", 0, 0, 10, 10, "", {}, NoTabOrder}}},
    };
    for (const auto& b : bad) {
        EXPECT_THROW(TestForm(nullptr, b.rows), vcl::Exception) << b.name;
    }
    TestForm good(nullptr);
    EXPECT_THROW(good.Get<vcl::TEdit>("Ok"), vcl::Exception) << "wrong class";
    EXPECT_THROW(good.Get<vcl::TButton>("Missing"), vcl::Exception) << "missing name";
}
