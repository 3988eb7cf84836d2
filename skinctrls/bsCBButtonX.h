// A button-like part inside a control (a scroll-bar thumb or arrow, an up-down arrow): where it
// lies at the control's current size and whether it is hot or pressed.
#pragma once

#include <QRect>
#include <algorithm>

struct TbsCBButtonX {
    QRect R;
    // The pointer is over the part.
    bool MouseIn = false;
    // The part is held down by the left button.
    bool Down = false;
};

// A rectangle given by its edges, right and bottom exclusive; never of negative size.
inline QRect EdgeRect(int ALeft, int ATop, int ARight, int ABottom)
{
    return QRect(ALeft, ATop, std::max(0, ARight - ALeft), std::max(0, ABottom - ATop));
}
