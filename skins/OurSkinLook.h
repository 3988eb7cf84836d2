// The look of the program's own skin: its two palettes and the scale every size is drawn at.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// Every colour the skin's pictures and records use. One accent, neutral greys, and text colours
// chosen for at least 7:1 contrast on their background so that CJK glyphs at 13 pixels stay legible.
struct TOurSkinPalette {
    QString Name;
    QColor WindowBg;       // client area of windows, panels, label backgrounds
    QColor TitleActive;    // caption bar of the active window
    QColor TitleInactive;  // caption bar of an inactive window
    QColor FrameActive;    // one-pixel outline of the active window
    QColor FrameInactive;  // outline of an inactive window
    QColor TitleSeparator; // line between the caption bar and the client area
    QColor Text;           // body text on WindowBg and FieldBg
    QColor TextSecondary;  // captions of inactive windows, unselected tabs
    QColor TextDisabled;
    QColor FieldTextDisabled; // text of a disabled edit
    QColor LabelText;         // plain labels
    QColor LabelActiveText;
    QColor Accent;
    QColor AccentHot;
    QColor AccentDown;
    QColor AccentText;    // text and glyphs on an Accent fill
    QColor AccentTint;    // selected item, focused cell
    QColor AccentTintHot; // item under the pointer
    QColor FieldBg;       // edits, lists, grids, menus
    QColor FaceTop;       // push button face, top of its gentle gradient
    QColor FaceBottom;
    QColor FaceHotTop;
    QColor FaceHotBottom;
    QColor FaceDown;
    QColor FaceDisabled;
    QColor Border; // one-pixel outline of controls
    QColor BorderHot;
    QColor BorderDisabled;
    QColor Divider;  // grid lines, separators, panel outlines
    QColor HeaderBg; // fixed grid cells, tab row, track of scroll bars
    QColor Thumb;
    QColor ThumbHot;
    QColor ThumbDown;
    QColor CaptionButtonHot;
    QColor CaptionButtonDown;
    QColor CloseHot;
    QColor CloseDown;
    QColor Glyph;  // line glyphs (arrows, caption buttons) on faces
    QColor Shadow; // colour of the soft rim around windows
    int ShadowAlphaActive;
    int ShadowAlphaInactive;
    QColor ScrollMarker;
    QColor ScrollMarkerActive;
    QColor HintBg;
    QColor HintText;
};

TOurSkinPalette LightPalette();
TOurSkinPalette DarkPalette();
// The platform colours that go with a palette, for what the program draws in the default look
// (controls the windows leave unlinked, trees, native parts): dark text on a dark skin is unreadable.
QPalette PlatformPalette(const TOurSkinPalette& p);
// The palette of a name ("light", "dark"); false when there is none of that name.
bool PaletteByName(const QString& name, TOurSkinPalette& palette);

// The options the skin is drawn with.
struct TOurSkinOptions {
    TOurSkinPalette Palette = LightPalette();
    double Scale = 1.0; // 1, 1.25, 1.5 or 2: every picture and coordinate is multiplied by it
};
