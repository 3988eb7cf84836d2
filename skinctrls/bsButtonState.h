// The pointer state of a push button: hot, held and down, and whether a release clicks.
#pragma once

struct TbsButtonState {
    bool MouseIn = false;   // the pointer is over the button
    bool MouseDown = false; // the left button went down on it and is held
    bool Down = false;      // the button shows pressed

    void Press() { MouseIn = MouseDown = Down = true; }
    // While held, the pressed look follows the pointer; answers whether the look changed.
    bool Move(bool inside)
    {
        if (!MouseDown || inside == MouseIn)
            return false;
        MouseIn = inside;
        return true;
    }
    // Answers whether the release clicks: only when it happens over the button.
    bool Release(bool inside)
    {
        const bool click = MouseDown && Down && inside;
        MouseDown = false;
        Down = false;
        MouseIn = inside;
        return click;
    }
};
