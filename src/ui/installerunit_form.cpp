// The wizard window: a white header band naming the step, the five pages, and
// the footer with the navigation buttons. Rows are in tab order within each
// parent; every label comes directly before the box it names.
#include "ui/installerunit_form.h"

namespace {

using enum vcl::ControlClass;
using vcl::AutoSize;
using vcl::NoTabOrder;
constexpr auto Bold = vcl::FontWeight::Bold;
constexpr auto Regular = vcl::FontWeight::Regular;

// The side picture, stretched over the left edge of every page.
constexpr vcl::ControlLook SidePicture{.picture = "SIDE", .stretch = true};

// clang-format off
const vcl::ControlRow Rows[] = {
    // name              class        parent       left top  width     height    caption / font / tab order / look
    {"PCaption",         Panel,       "fmMain",      0,   0, 506,       65,      "", {}, 0, {.color = vcl::clWhite, .bevel = true}},
    {"Image1",           Image,       "PCaption",  439,   6,  57,       55,      "", {}, NoTabOrder, {.picture = "HEADER"}},
    {"LbDescr",          Label,       "PCaption",   24,  21, 401,       18,      "Установка Вортан.Бар", {"Tahoma", 16, Bold}, NoTabOrder, {.centred = true}},

    {"Panel5",           Panel,       "fmMain",      0, 356, 506,       45,      "", {}, 1},
    {"Bevel1",           Bevel,       "Panel5",      0,   4, 506,        2,      "", {}, NoTabOrder},
    {"BtNext",           Button,      "Panel5",    299,  14, 100,       25,      "Далее >", {"Verdana", 14, Regular}, 0},
    {"BtCancel",         Button,      "Panel5",    416,  14,  85,       25,      "Отмена", {"Verdana", 14, Regular}, 1},
    {"BtPrior",          Button,      "Panel5",    192,  14, 100,       25,      "< Назад", {"Verdana", 14, Regular}, 2},

    // Pages in page order; no tabs are shown. Each page is 498 × 281 inside the control.
    {"PCWizard",         PageControl, "fmMain",      0,  65, 506,      291,      "", {}, 2},

    {"TSHello",          TabSheet,    "PCWizard",    4,   4, 498,      281,      "", {}, NoTabOrder},
    {"Image6",           Image,       "TSHello",     0,   0, 145,      281,      "", {}, NoTabOrder, SidePicture},
    {"Label1",           Label,       "TSHello",   188,  32, 293,       49,      "Вас приветствует программа установки Вортан.Бар", {"Tahoma", 16, Bold}, NoTabOrder, {.wordWrap = true}},
    {"Label2",           Label,       "TSHello",   188,  87, 293,       82,      "Перед началом установки, пожалуйста, закройте все окна Internet Explorer", {"Tahoma", 16, Bold, vcl::clMaroon}, NoTabOrder, {.wordWrap = true}},

    {"TSDir",            TabSheet,    "PCWizard",    4,   4, 498,      281,      "", {}, NoTabOrder},
    {"Image3",           Image,       "TSDir",       0,   0, 145,      281,      "", {}, NoTabOrder, SidePicture},
    {"GroupBox1",        GroupBox,    "TSDir",     155,  80, 325,       68,      "", {}, 0},
    {"Label4",           Label,       "GroupBox1",   8,  12, AutoSize, AutoSize, "Каталог установки", {"Tahoma", 13, Regular}, NoTabOrder},
    {"EdVortanBarDir",   Edit,        "GroupBox1",   8,  29, 273,       25,      "", {"Verdana", 14, Bold}, 0},
    {"BtSelFolder",      Button,      "GroupBox1", 286,  29,  31,       25,      "...", {"Tahoma", 16, Bold}, 1},

    {"TSServer",         TabSheet,    "PCWizard",    4,   4, 498,      281,      "", {}, NoTabOrder},
    {"Image2",           Image,       "TSServer",    0,   0, 145,      281,      "", {}, NoTabOrder, SidePicture},
    {"GroupBox2",        GroupBox,    "TSServer",  155,   2, 325,       71,      "Сервер", {"Tahoma", 14, Regular}, 0},
    {"Label3",           Label,       "GroupBox2",  15,  18, AutoSize, AutoSize, "Адрес сервера", {"Tahoma", 13, Regular}, NoTabOrder},
    {"EdServerAddr",     Edit,        "GroupBox2",  14,  36, 297,       25,      "", {"Verdana", 14, Bold}, 0},
    {"GroupBox3",        GroupBox,    "TSServer",  155,  89, 325,       73,      "Онлайн карты", {"Tahoma", 14, Regular}, 1},
    {"RBGoogle",         RadioButton, "GroupBox3",  16,  23, 281,       17,      "Карты Google Maps", {"Tahoma", 13, Regular}, 0},
    {"RBYa",             RadioButton, "GroupBox3",  16,  47, 289,       17,      "Яндекс.Карты", {"Tahoma", 13, Regular}, 1},

    {"TSVortan",         TabSheet,    "PCWizard",    4,   4, 498,      281,      "", {}, NoTabOrder},
    {"Image4",           Image,       "TSVortan",    0,   0, 145,      281,      "", {}, NoTabOrder, SidePicture},
    {"BtAdd",            BitBtn,      "TSVortan",  367,   2, 129,       26,      "Добавить", {"Verdana", 13, Regular}, 0, {.kind = vcl::TBitBtnKind::bkRetry}},
    {"BtDelete",         BitBtn,      "TSVortan",  366,  81, 129,       26,      "Удалить", {"Verdana", 13, Regular}, 1, {.kind = vcl::TBitBtnKind::bkAbort}},
    {"BtEdit",           BitBtn,      "TSVortan",  367,  41, 129,       26,      "Редактировать", {"Verdana", 13, Regular}, 2, {.kind = vcl::TBitBtnKind::bkIgnore}},
    // Cells in the content style, the header in the header style. The hidden
    // position column is the rows' data, not a column of its own.
    {"TLPults",          List,        "TSVortan",  151,   0, 210,      281,      "", {"Verdana", 13, Regular}, 3},
    {"TLCPult",          ListColumn,  "TLPults",     0,   0, 200,        0,      "Пультовой номер", {"Tahoma", 13, Bold}, NoTabOrder, {.centred = true}},

    {"TSFinish",         TabSheet,    "PCWizard",    4,   4, 498,      281,      "", {}, NoTabOrder},
    {"Panel3",           Panel,       "TSFinish",    0,   0, 498,      281,      "", {}, NoTabOrder, {.color = vcl::clWhite}},
    {"Image5",           Image,       "Panel3",      0,   0, 145,      281,      "", {}, NoTabOrder, SidePicture},
    {"Label13",          Label,       "Panel3",    164,  32, 313,       57,      "Установка Вортан.Бар успешно завершена", {"Tahoma", 16, Bold}, NoTabOrder, {.wordWrap = true}},
};
// clang-format on

} // namespace

const vcl::FormDescription& MainFormDescription() {
    static const vcl::FormDescription description{
        {"fmMain",
         "Установка Вортан.Бар",
         506,
         401,
         vcl::TPosition::poDesktopCenter,
         {"MS Sans Serif", 11, Regular}},
        Rows,
    };
    return description;
}
