// The console page with a long list, on the real wizard window in this
// process: the rebuild, Add, Edit and Delete timed with QueryPerformanceCounter,
// each together with the messages it leaves behind (painting), as a user waits
// for them. The list is loaded from the bench prefix's registry as a second
// start of the wizard would load it.
//   console_bench [--size 10000] [--runs 15]
#include "clock.h"
#include "raw_registry.h"
#include "rows.h"

#include "ui/installerunit.h"
#include "ui/pultedit.h"
#include "vcl/application.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "console_bench: %s\n", what.c_str());
    std::exit(1);
}

// Presses a button as a user can: shown and enabled.
void Click(const vcl::TControl& button) {
    HWND h = button.Handle();
    if (h == nullptr || !IsWindowVisible(h) || !IsWindowEnabled(h)) {
        Fail(button.Name() + " cannot be pressed");
    }
    SendMessageW(h, BM_CLICK, 0, 0);
}

void Expect(size_t entries, size_t rows, const std::string& after) {
    const TfmMain& w = *fmMain;
    if (w.Settings().Pults.Count() != entries || static_cast<size_t>(w.TLPults->Count()) != rows) {
        Fail("after " + after + ": " + std::to_string(w.Settings().Pults.Count()) +
             " entries and " + std::to_string(w.TLPults->Count()) + " rows, expected " +
             std::to_string(entries));
    }
}

} // namespace

int main(int argc, char** argv) {
    long size = 10000;
    int runs = 15;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--size") {
            size = std::stol(argv[i + 1]);
        } else if (flag == "--runs") {
            runs = std::stoi(argv[i + 1]);
        }
    }

    std::vector<bench::RawEntry> stored;
    for (long i = 0; i < size; ++i) {
        stored.push_back({std::to_wstring(100000 + i), L"пароль-" + std::to_wstring(i)});
    }
    bench::RawPopulate({L"C:\\Program Files\\VortanBar", L"10.20.30.40", true}, stored);

    vcl::TApplication app;
    app.Initialize();
    app.SetTitle("Установщик Вортан.Бар");
    app.SetMessageBoxHook([](const std::string& text, const std::string&, unsigned) -> int {
        Fail("a message box was shown: " + text);
    });
    int edits = 0;
    app.SetModalShownHook([&](vcl::TForm& form) {
        auto* editor = dynamic_cast<TfmPultEdit*>(&form);
        if (editor == nullptr) {
            Fail("an unexpected form opened");
        }
        editor->EdPultNum->SetText("9" + std::to_string(++edits));
        editor->EdPass->SetText("pw");
        Click(*editor->BtOK);
    });

    app.CreateForm(fmMain);
    app.SetMainFormOnTaskBar(true);
    fmMain->Show();
    app.ProcessMessages();
    bench::RawRemoveProduct(); // loaded; nothing is installed here
    TfmMain& w = *fmMain;
    for (int i = 0; i < 3; ++i) {
        Click(*w.BtNext);
        app.ProcessMessages();
    }
    if (w.PCWizard->ActivePage() != w.TSVortan) {
        Fail("the console page was not reached");
    }
    auto entries = static_cast<size_t>(size);
    Expect(entries, entries, "entering the page");

    const auto timed = [&](const char* measure, int run, auto&& work) {
        const double ms = bench::TimeMs([&] {
            work();
            app.ProcessMessages();
        });
        bench::Row(measure, size, "ours", run, ms);
    };
    const auto focusMiddle = [&] {
        w.TLPults->SetFocusedRow(w.TLPults->Count() / 2);
        app.ProcessMessages();
    };

    for (int run = 0; run < runs; ++run) {
        timed("console_rebuild", run, [&] { w.TSVortanShow(*w.TSVortan); });
        Expect(entries, entries, "the rebuild");
        timed("console_add", run, [&] { Click(*w.BtAdd); });
        ++entries;
        Expect(entries, entries, "Add");
        focusMiddle();
        timed("console_edit", run, [&] { Click(*w.BtEdit); });
        Expect(entries, entries, "Edit");
        focusMiddle();
        timed("console_delete", run, [&] { Click(*w.BtDelete); });
        // The editor alone, opened and confirmed without touching the list:
        // the part of Add and Edit that does not grow with the list.
        timed("console_dialog", run, [&] {
            PultEditSession session;
            fmPultEdit->ShowModal();
        });
        --entries;
        Expect(entries, entries, "Delete");
    }
    // Once the user has sorted by the header, every rebuild keeps the order.
    timed("console_sort", 0, [&] { w.TLPults->ToggleSort(); });
    for (int run = 0; run < runs; ++run) {
        timed("console_rebuild_sorted", run, [&] { w.TSVortanShow(*w.TSVortan); });
        Expect(entries, entries, "the sorted rebuild");
        timed("console_add_sorted", run, [&] { Click(*w.BtAdd); });
        ++entries;
        Expect(entries, entries, "the sorted Add");
    }
    fmMain->Close();
    app.ProcessMessages();
    return 0;
}
