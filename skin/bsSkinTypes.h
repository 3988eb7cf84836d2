// Value types of skin descriptions: rectangles, points, colours, font styles, alignment and commands.
#pragma once

#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QtGlobal>

#include "bsSkinEnums.h"

// A point of a skin description.
struct TPoint {
    qint32 X = 0;
    qint32 Y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
    QPoint ToQPoint() const { return QPoint(X, Y); }
};

// A rectangle with right and bottom exclusive; empty when its width or height is 0 or less.
struct TRect {
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;

    friend bool operator==(const TRect&, const TRect&) = default;
    // Widths and heights are computed in 64 bits so that a rectangle from a skin cannot overflow.
    qint64 Width() const { return qint64(Right) - Left; }
    qint64 Height() const { return qint64(Bottom) - Top; }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    // The same area as a QRect (whose right() and bottom() are inclusive); an empty rectangle
    // gives a null QRect.
    QRect ToQRect() const { return IsEmpty() ? QRect() : QRect(Left, Top, int(Width()), int(Height())); }
};

// A colour value 0x00BBGGRR; 0xFF000000 + n is the system colour of index n.
using TColor = qint32;

constexpr TColor SystemColor(int index)
{
    return TColor(quint32(0xFF000000u) + quint32(index));
}

// The system colours the skin engine names.
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor cl3DDkShadow = SystemColor(21);

enum TFontStyle : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

enum TAlignment : quint8 { taLeftJustify, taRightJustify, taCenter };

// The window command a caption button carries out.
enum TbsStdCommand : quint8 {
    cmClose,
    cmMaximize,
    cmMinimize,
    cmSysMenu,
    cmDefault,
    cmRollUp,
    cmMinimizeToTray
};
