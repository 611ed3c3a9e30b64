// The console editor: the console number and its password in one group, OK
// and Cancel below. Rows are in tab order; each label comes before its box.
#include "ui/pultedit_form.h"

namespace {

using enum vcl::ControlClass;
using vcl::NoTabOrder;
constexpr auto Bold = vcl::FontWeight::Bold;
constexpr auto Regular = vcl::FontWeight::Regular;

// clang-format off
const vcl::ControlRow Rows[] = {
    // name        class     parent        left  top  width height caption / font / tab order / look
    {"GroupBox3",  GroupBox, "fmPultEdit",   11,   5,  325,  116,  "Вортан", {"Tahoma", 14, Regular}, 0},
    {"Label6",     Label,    "GroupBox3",    19,  20,  102,   16,  "Пультовой номер", {"Tahoma", 13, Regular}, NoTabOrder},
    {"EdPultNum",  Edit,     "GroupBox3",    19,  36,  294,   25,  "", {"Verdana", 14, Bold}, 0},
    {"Label5",     Label,    "GroupBox3",    20,  63,   43,   16,  "Пароль", {"Tahoma", 13, Regular}, NoTabOrder},
    {"EdPass",     Edit,     "GroupBox3",    19,  80,  294,   25,  "", {"Verdana", 14, Bold}, 1},
    {"BtOK",       BitBtn,   "fmPultEdit",  224, 128,  112,   25,  "OK", {"Verdana", 14, Regular}, 1, {.kind = vcl::TBitBtnKind::bkOK}},
    {"BitBtn2",    BitBtn,   "fmPultEdit",   11, 128,  112,   25,  "Отмена", {"Verdana", 14, Regular}, 2, {.kind = vcl::TBitBtnKind::bkCancel}},
};
// clang-format on

} // namespace

const vcl::FormDescription& PultEditFormDescription() {
    static const vcl::FormDescription description{
        {"fmPultEdit",
         "Параметры кнопки Вортан",
         346,
         162,
         vcl::TPosition::poMainFormCenter,
         {"MS Sans Serif", 11, Regular}},
        Rows,
    };
    return description;
}
