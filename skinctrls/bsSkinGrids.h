// What a skinned grid paints from: its copy of the "grid" record, the cell pictures cut from the
// skin at a cell's size, the text rectangles inside them and the colour of the grid lines.
#pragma once

#include "bsDataSkinControls.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <vector>

class QPainter;
class TbsSkinLink;

enum TbsGridCellKind { gckFixed, gckSelect, gckFocus };

// Read from the record on every skin change. Without a grid record, or with one whose fixed cell
// is empty, the grid is unskinned and paints in system colours.
class TbsGridSkin {
public:
    // Copies the record the link finds; answers whether the grid is skinned.
    bool Read(const TbsSkinLink& link);
    bool Skinned() const { return FSkinned; }

    // The data row's cell height with UseSkinCellHeight and the title row's height, never below 1
    // (a skin whose cell rectangle is flat must not leave rows of no height to divide by).
    int CellHeight() const { return std::max(1, SelectCellRect.height()); }
    int FixedCellHeight() const { return std::max(1, FixedCellRect.height()); }

    // The picture of a cell of kind at w x h: with the skin's cell height a three-piece strip as high
    // as the skin rectangle, otherwise the rectangle stretched to the whole cell. Kept until the
    // skin or the size changes, so repainting rows does not cut the picture again.
    const QImage& CellImage(TbsGridCellKind kind, int w, int h, bool useSkinCellHeight) const;
    // Where the text of a cell of kind goes inside cell.
    QRect TextRect(TbsGridCellKind kind, const QRect& cell, bool useSkinCellHeight) const;

    QRect FixedCellRect, SelectCellRect, FocusCellRect, FixedCellTextRect, CellTextRect;
    int FixedCellLeftOffset = 0, FixedCellRightOffset = 0, CellLeftOffset = 0, CellRightOffset = 0;
    QColor LinesColor, BGColor, FontColor, SelectFontColor, FocusFontColor, FixedFontColor;
    QFont Font, FixedFont;
    QImage Picture, BGPicture;
    bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;

private:
    struct TbsCellImage {
        TbsGridCellKind Kind;
        QSize Size;
        bool SkinHeight;
        QImage Image;
    };
    bool FSkinned = false;
    mutable std::vector<TbsCellImage> FCache;
};

// The colour the grid lines are drawn in: a silver grid draws grey lines, whatever the skin says.
QColor GridLineColor(const QColor& gridColor, const QColor& lineColor);
// A dotted frame just inside r, every second pixel, the dots lined up from r's top-left.
void DrawDottedFrame(QPainter& painter, const QRect& r, const QColor& color);
