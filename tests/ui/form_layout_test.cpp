// Both form descriptions, row by row, against the live windows: class, parent,
// bounds within the parent, text, tab order and the font asked for (Wine
// renders faces differently, so the requested LOGFONT is compared, never
// the text's extent).
#include "wizard_fixture.h"

#include "ui/installerunit_form.h"
#include "ui/pultedit_form.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <commctrl.h>

#include <cstdlib>

using namespace ui_testing;

namespace {

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::string TextOf(HWND h) {
    wchar_t text[512] = {};
    GetWindowTextW(h, text, 512);
    return vcl::Narrow(text);
}

const wchar_t* NativeClass(vcl::ControlClass cls) {
    using enum vcl::ControlClass;
    switch (cls) {
    case Panel:
        return L"VclPanel";
    case Image:
        return L"VclImage";
    case Label:
        return L"Static";
    case Bevel:
        return L"VclBevel";
    case Button:
    case BitBtn:
    case RadioButton:
        return L"Button";
    case PageControl:
        return L"VclPageControl";
    case TabSheet:
        return L"VclTabSheet";
    case GroupBox:
        return L"VclGroupBox";
    case Edit:
        return L"Edit";
    case List:
        return L"SysListView32";
    case ListColumn:
        break;
    }
    return L"";
}

bool TakesFocus(vcl::ControlClass cls) {
    using enum vcl::ControlClass;
    return cls == Button || cls == BitBtn || cls == Edit || cls == List || cls == RadioButton;
}

LOGFONTW FontOf(HWND h) {
    LOGFONTW lf{};
    auto font = vcl::detail::FromMessage<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr);
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

void ExpectFont(const LOGFONTW& lf, const vcl::FontSpec& font, const std::string& what) {
    EXPECT_EQ(vcl::Narrow(lf.lfFaceName), font.face) << what;
    EXPECT_EQ(lf.lfHeight, -font.height) << what;
    EXPECT_EQ(lf.lfWeight, font.Bold() ? FW_BOLD : FW_NORMAL) << what;
    EXPECT_FALSE(lf.lfItalic) << what;
}

// Parent's children in z-order, which is their tab order.
std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        out.push_back(c);
    }
    return out;
}

// Checks every row of `description` against the windows of `form`.
void ExpectFormMatches(vcl::TForm& form, const vcl::FormDescription& description) {
    const vcl::FormRow& f = description.form;
    EXPECT_EQ(form.Caption(), f.caption);
    EXPECT_EQ(form.ClientWidth(), f.clientWidth);
    EXPECT_EQ(form.ClientHeight(), f.clientHeight);
    const auto style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << "fixed dialog frame";
    EXPECT_NE(style & WS_SYSMENU, 0) << "the close box is there";
    ExpectFont(FontOf(form.Handle()), f.font, f.name);

    std::map<std::string, vcl::FontSpec> fonts{{f.name, f.font}};
    for (const vcl::ControlRow& row : description.controls) {
        SCOPED_TRACE(row.name);
        const vcl::FontSpec font = row.font.Inherits() ? fonts.at(row.parent) : row.font;
        fonts[row.name] = font;
        if (row.cls == vcl::ControlClass::ListColumn) {
            auto* list = dynamic_cast<vcl::TSortableList*>(form.FindComponent(row.parent));
            ASSERT_NE(list, nullptr);
            vcl::TListColumn* column = list->Column(row.name);
            ASSERT_NE(column, nullptr);
            EXPECT_EQ(list->ColumnCaption(column->Index()), row.caption);
            HWND header = ListView_GetHeader(list->Handle());
            ExpectFont(FontOf(header), font, "header");
            HDITEMW item{};
            item.mask = HDI_FORMAT;
            Header_GetItem(header, column->Index(), &item);
            EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, row.look.centred ? HDF_CENTER : HDF_LEFT);
            EXPECT_EQ(Header_GetItemCount(header), list->ColumnCount()) << "no other columns";
            continue;
        }
        vcl::TControl* control = form.FindComponent(row.name);
        ASSERT_NE(control, nullptr);
        HWND h = control->Handle();
        vcl::TControl* parent = std::string(row.parent) == f.name
                                    ? static_cast<vcl::TControl*>(&form)
                                    : form.FindComponent(row.parent);
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(GetParent(h), parent->Handle());
        EXPECT_EQ(ClassOf(h), NativeClass(row.cls));

        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(HWND_DESKTOP, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, row.left);
        EXPECT_EQ(r.top, row.top);
        if (row.width == vcl::AutoSize) {
            EXPECT_GT(r.right - r.left, 0);
            EXPECT_GT(r.bottom - r.top, 0);
        } else {
            EXPECT_EQ(r.right - r.left, row.width);
            EXPECT_EQ(r.bottom - r.top, row.height);
        }
        if (row.cls != vcl::ControlClass::Edit) {
            EXPECT_EQ(TextOf(h), row.caption);
        }
        ExpectFont(FontOf(h), font, row.name);

        const auto childStyle = GetWindowLongPtrW(h, GWL_STYLE);
        const auto childEx = GetWindowLongPtrW(h, GWL_EXSTYLE);
        if (TakesFocus(row.cls)) {
            EXPECT_NE(row.tabOrder, vcl::NoTabOrder);
        } else {
            EXPECT_EQ(childStyle & WS_TABSTOP, 0) << "containers and pictures take no focus";
        }
        if (row.cls == vcl::ControlClass::Panel || row.cls == vcl::ControlClass::GroupBox ||
            row.cls == vcl::ControlClass::PageControl || row.cls == vcl::ControlClass::TabSheet) {
            EXPECT_NE(childEx & WS_EX_CONTROLPARENT, 0) << "Tab walks into it";
        }
        // The tab order is the place among the siblings that have one.
        if (row.tabOrder != vcl::NoTabOrder) {
            int place = 0;
            for (HWND sibling : Children(parent->Handle())) {
                if (sibling == h) {
                    break;
                }
                vcl::TControl* other = vcl::detail::ControlFromHandle(sibling);
                if (other != nullptr && other->TabOrder() != vcl::NoTabOrder) {
                    ++place;
                }
            }
            EXPECT_EQ(place, row.tabOrder);
        }
        if (row.cls == vcl::ControlClass::Edit) {
            // A screen reader names a box by the label just before it.
            HWND before = GetWindow(h, GW_HWNDPREV);
            ASSERT_NE(before, nullptr);
            EXPECT_EQ(ClassOf(before), L"Static");
        }
        if (row.cls == vcl::ControlClass::Label) {
            // The colour the label is drawn in, and its parent's background under it.
            HDC dc = CreateCompatibleDC(nullptr);
            auto brush = vcl::detail::FromMessage<HBRUSH>(
                SendMessageW(parent->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(h)));
            EXPECT_EQ(GetTextColor(dc), vcl::detail::ResolveColor(font.color));
            LOGBRUSH lb{};
            GetObjectW(brush, sizeof(lb), &lb);
            EXPECT_EQ(lb.lbColor, vcl::detail::ResolveColor(parent->Color()));
            DeleteDC(dc);
        }
        if (row.cls == vcl::ControlClass::Panel || row.cls == vcl::ControlClass::GroupBox) {
            EXPECT_EQ(control->Color(), row.look.color);
        }
        if (row.cls == vcl::ControlClass::GroupBox) {
            HWND frame = static_cast<vcl::TGroupBox*>(control)->Frame();
            EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
            EXPECT_EQ(TextOf(frame), row.caption);
            EXPECT_EQ(GetWindow(frame, GW_HWNDNEXT), nullptr) << "behind the framed controls";
        }
        if (row.cls == vcl::ControlClass::Image) {
            auto* image = static_cast<vcl::TImage*>(control);
            EXPECT_EQ(image->Stretch(), row.look.stretch);
            EXPECT_EQ(image->PictureBitsPerPixel(), 8);
            if (std::string(row.look.picture) == "HEADER") {
                EXPECT_EQ(image->PictureWidth(), 53);
                EXPECT_EQ(image->PictureHeight(), 53);
            } else {
                EXPECT_EQ(image->PictureWidth(), 164);
                EXPECT_EQ(image->PictureHeight(), 314);
            }
        }
        if (row.cls == vcl::ControlClass::BitBtn) {
            auto* button = static_cast<vcl::TBitBtn*>(control);
            EXPECT_TRUE(button->HasGlyph());
            EXPECT_EQ(button->Kind(), row.look.kind);
        }
    }
}

class FormLayoutTest : public WizardTest {};

} // namespace

TEST_F(FormLayoutTest, TheWizardWindowMatchesItsDescription) {
    TfmMain& w = Open();
    ExpectFormMatches(w, MainFormDescription());
    EXPECT_EQ(w.PCWizard->PageCount(), 5);
    const char* pages[] = {"TSHello", "TSDir", "TSServer", "TSVortan", "TSFinish"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.PCWizard->Pages(i)->Name(), pages[i]);
    }
    // Centred on the desktop, carrying its own taskbar button.
    RECT r{};
    GetWindowRect(w.Handle(), &r);
    EXPECT_LE(std::abs(r.left + r.right - GetSystemMetrics(SM_CXSCREEN)), 1);
    EXPECT_LE(std::abs(r.top + r.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
    EXPECT_EQ(GetWindow(w.Handle(), GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongPtrW(w.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(FormLayoutTest, TheEditorMatchesItsDescriptionAndItsButtonsTheirKinds) {
    Open();
    GoTo("TSVortan");
    AnswerModal([](vcl::TForm& form) {
        ExpectFormMatches(form, PultEditFormDescription());
        TfmPultEdit& editor = Editor(form);
        EXPECT_TRUE(editor.BtOK->Default());
        EXPECT_EQ(editor.BtOK->ModalResult(), vcl::mrOk);
        EXPECT_TRUE(editor.BitBtn2->Cancel());
        EXPECT_EQ(editor.BitBtn2->ModalResult(), vcl::mrCancel);
        EXPECT_EQ(form.DefaultButton(), editor.BtOK);
        EXPECT_EQ(form.CancelButton(), editor.BitBtn2);
        form.SetModalResult(vcl::mrCancel);
    });
    ASSERT_TRUE(Click(*fmMain->BtAdd));
}
