#pragma once
// A form description is data: one row per control, in tab order, read like the
// layout tables it was written from. The loader (TForm::LoadDescription)
// creates the controls parent-first and siblings in the order of the rows.
#include "vcl/color.h"
#include "vcl/font.h"

#include <span>

namespace vcl {

enum class ControlClass {
    Panel,       // our container, optionally bevelled
    Image,       // a bitmap resource, stretched or unscaled
    Label,       // static text
    Bevel,       // a lowered line
    Button,      // push button
    BitBtn,      // push button with a stock glyph and a kind
    PageControl, // pages without visible tabs
    TabSheet,    // one page of a page control
    GroupBox,    // our container with a native group frame
    Edit,        // single-line edit box
    RadioButton, // siblings form one group
    List,        // sortable report list
    ListColumn,  // a column of the list that is its parent
};

// The stock kinds of bitmap buttons: glyph, default/cancel role and modal result.
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkAbort, bkRetry, bkIgnore };

// Width or height of a label sized to its text.
inline constexpr int AutoSize = -1;
// Tab order of a control that takes no focus.
inline constexpr int NoTabOrder = -1;

// The few settings that belong to one class of control only.
struct ControlLook {
    TColor color = clBtnFace;                 // container background
    bool bevel = false;                       // panel: raised outer and lowered inner edge
    bool centred = false;                     // label text, list column header
    bool wordWrap = false;                    // label
    const char* picture = nullptr;            // image: name of the bitmap resource
    bool stretch = false;                     // image: stretched to the control, or unscaled
    TBitBtnKind kind = TBitBtnKind::bkCustom; // bitmap button
};

struct ControlRow {
    const char* name;
    ControlClass cls;
    const char* parent; // a row above, or the form's name
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    FontSpec font; // {} for the parent's font
    int tabOrder;  // among the siblings that take the focus; NoTabOrder for none
    ControlLook look = {};
};

enum class TPosition { poDesigned, poDesktopCenter, poMainFormCenter };

struct FormRow {
    const char* name;
    const char* caption;
    int clientWidth;
    int clientHeight;
    TPosition position;
    FontSpec font;
    TColor color = clBtnFace;
};

// Every form has the fixed dialog frame: no resizing, no minimise or maximise
// box, the close box present.
struct FormDescription {
    FormRow form;
    std::span<const ControlRow> controls;
};

} // namespace vcl
