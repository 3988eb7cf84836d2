// A button-like part inside a control (a scroll-bar thumb or arrow, an up-down arrow): where it
// lies at the control's current size and whether it is hot or pressed.
#pragma once

#include <QRect>
#include <algorithm>
#include <initializer_list>

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

// The first of parts (indexes into buttons) that contains p, -1 for none.
inline int HitButtonPart(const TbsCBButtonX* buttons, std::initializer_list<int> parts, const QPoint& p)
{
    for (int part : parts)
        if (buttons[part].R.contains(p))
            return part;
    return -1;
}

// Moves the hot mark to the part under p among parts; while a part is captured only it can be hot.
// Answers false when the hot part stays; otherwise oldActive is the part that lost the mark.
inline bool TrackHotButton(TbsCBButtonX* buttons, std::initializer_list<int> parts, const QPoint& p,
                           int capture, int& active, int& oldActive)
{
    int hot = HitButtonPart(buttons, parts, p);
    if (capture != -1 && hot != capture)
        hot = -1;
    if (hot == active)
        return false;
    oldActive = active;
    active = hot;
    if (oldActive != -1)
        buttons[oldActive].MouseIn = false;
    if (active != -1)
        buttons[active].MouseIn = true;
    return true;
}
