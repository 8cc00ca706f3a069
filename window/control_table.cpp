#include "window/control_table.h"

#include "core/bodies.h"

namespace stereona::window {
namespace {

constexpr BackColour kFrameBack = kStereoCalcBackColour;
constexpr BackColour kOptionBack = 0x8080FF;
constexpr BackColour kBoxBack = 0xE0E0E0;
constexpr BackColour kTitleBack = 0xFFC080;

constexpr std::array<std::string_view, 5> kRanges = {"10", "100", "1000", "10000", "100000"};

constexpr std::string_view BodyCaption(BodyIndex body) {
  return kBodies[static_cast<std::size_t>(body)].caption;
}

}  // namespace

// Captions of the body selectors and the pi label come from the body table,
// the one place that names the bodies.
const std::array<ControlRow, kControlCount> kControls = {{
    {"Frame1", ControlKind::Frame, "", "Вид тяло", 120, 480, 2895, 2175, kFrameBack, 16},
    {"Option1(0)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::Cone), 240, 300,
     2535, 300, kOptionBack, 17},
    {"Option1(1)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::TruncatedCone), 240,
     600, 2535, 300, kOptionBack, 18},
    {"Option1(2)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::Pyramid), 240, 900,
     2535, 300, kOptionBack, 19},
    {"Option1(3)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::TruncatedPyramid),
     240, 1200, 2535, 300, kOptionBack, 20},
    {"Option1(4)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::Cylinder), 240, 1500,
     2535, 300, kOptionBack, 21},
    {"Option1(5)", ControlKind::OptionButton, "Frame1", BodyCaption(BodyIndex::Parallelepiped), 240,
     1800, 2535, 300, kOptionBack, 22},
    {"Frame2", ControlKind::Frame, "", "Дължини на страни/радиус", 3360, 480, 4335, 855, kFrameBack,
     10},
    {"Option2(0)", ControlKind::OptionButton, "Frame2", "", 240, 360, 735, 405, kOptionBack, 11},
    {"Option2(1)", ControlKind::OptionButton, "Frame2", "", 1320, 360, 735, 405, kOptionBack, 12},
    {"Option2(2)", ControlKind::OptionButton, "Frame2", "", 2400, 360, 735, 405, kOptionBack, 13},
    {"Option2(3)", ControlKind::OptionButton, "Frame2", "", 3480, 360, 735, 405, kOptionBack, 14,
     false},
    {"Text2(0)", ControlKind::TextBox, "", "x", 3360, 1320, 1095, 405, kInactiveBorder, 5},
    {"Text2(1)", ControlKind::TextBox, "", "", 4440, 1320, 1095, 405, kWindowBackground, 6},
    {"Text2(2)", ControlKind::TextBox, "", "", 5520, 1320, 1095, 405, kWindowBackground, 7},
    {"Text2(3)", ControlKind::TextBox, "", "5", 6600, 1320, 1095, 405, kWindowBackground, 8, false},
    {"Command1(0)", ControlKind::CommandButton, "", "Изчисли", 3360, 1920, 1335, 375, 0x80FF80, 0,
     true, "Представя уравнението в каноничен вид"},
    {"Command1(1)", ControlKind::CommandButton, "", "Изчисти", 3360, 2400, 1335, 375, 0xFF0000, 3,
     true, "Инициализира - изтрива всички въведени данни"},
    {"Label1(0)", ControlKind::Label, "", "Стереона", 1680, 0, 4935, 375, kTitleBack, 2},
    {"Label1(1)",
     ControlKind::Label,
     "",
     kPiLabel,
     5040,
     2160,
     945,
     345,
     kOptionBack,
     15,
     true,
     {},
     FontKind::Bold},
    {"Label1(2)", ControlKind::Label, "", "Диапазон", 6600, 1800, 1095, 375, kTitleBack, 23},
    {"Diapazon(0)",
     ControlKind::ListBox,
     "",
     "",
     6600,
     2160,
     1095,
     735,
     kBoxBack,
     4,
     true,
     {},
     FontKind::List,
     kRanges},
    // The output box's first text is the reference text, which the
    // calculation owns from the start; see ReferenceText().
    {"Text1(0)", ControlKind::MultiLineTextBox, "", "", 120, 3000, 7575, 2775, kBoxBack, 1},
    // Never shown and never used, but part of the window as it was drawn;
    // it reaches beyond the client area.
    {"Text1(1)", ControlKind::MultiLineTextBox, "",
     "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
     "оценява колко трудно е било. \r\n",
     960, 5400, 8775, 1215, kBoxBack, 9, false, "Извежда входните данни и крайните резултати"},
}};

}  // namespace stereona::window
