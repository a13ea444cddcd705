#pragma once

#include <QPoint>
#include <QRect>

// Where the parts of a schedule pad stand: the boxes a touched pad makes and the picture of an
// untouched one are laid out from these, so that the two never differ. The time rows (PadTimeBoxes)
// are shared with the routine editors.
namespace PadLayout {

// One row of a time: two captions one above the other ("開"/"始", "終"/"了"), the hour, ":",
// the minute and the PM box under its caption.
struct TimeRow
{
    QPoint upperCaption;
    QPoint lowerCaption;
    QRect hourBox;
    QPoint colon;
    QRect minuteBox; // "59" needs every pixel at 8 points
    QPoint pmCaption;
    QPoint pmBox;
};

// Row 0 is the start, row 1 the end.
constexpr TimeRow timeRow(int row)
{
    const int y = row == 0 ? 3 : 30;
    return {{5, y + 1},          {5, y + 12},  {20, y + 1, 38, 22}, {59, y + 4},
            {63, y + 1, 38, 22}, {102, y - 2}, {103, y + 9}};
}

constexpr int CaptionPointSize = 8;
constexpr int ColonPointSize = 9;
constexpr int PmCaptionPointSize = 7;
// The time boxes and the two buttons: two digits must fit beside an arrow.
constexpr int SmallPointSize = 8;

constexpr QRect moveUpButton{120, 3, 20, 24};
constexpr QRect markLabel{120, 27, 20, 26};
constexpr QRect moveDownButton{120, 53, 20, 24};
constexpr QRect keywordBox{145, 5, 115, 21};
constexpr QRect numberBox{264, 5, 25, 21};
constexpr QRect descriptionBox{145, 29, 145, 21};
constexpr QRect completedBox{145, 54, 45, 18};
constexpr QRect colorBox{190, 52, 100, 22};
constexpr QRect keepButton{3, 57, 60, 20};
constexpr QRect reviseButton{65, 57, 55, 20};

} // namespace PadLayout
