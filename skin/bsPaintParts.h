// The primitives that paint a skin picture part into an image of any size and turn masks into regions.
//
// Source rectangles come from untrusted skins: every one is clipped to its picture (pixels whose
// source lies outside stay as they are), coordinates are bounded, and a piece of zero or negative
// size draws nothing. A destination image that already has the requested size and the picture's
// format keeps its pixels where nothing is painted; a new one starts black (or clear).
#pragma once

#include "bsSkinEnums.h"
#include "bsSkinTypes.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QPainter;

// How a part is cut: the four corner points and the client rectangle, measured from the part's
// top-left corner (source geometry) or from the destination image's top-left corner (the "New"
// geometry of a resized control).
struct TbsPartGeometry {
    QPoint LTPoint, RTPoint, LBPoint, RBPoint;
    QRect ClRect;
    bool operator==(const TbsPartGeometry&) const = default;
};

// Stretching (true) or tiling (false) of the four edge middles.
struct TbsEdgeStretch {
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    bool operator==(const TbsEdgeStretch&) const = default;
};

// The four border images of a window or control painted with a separate background.
struct TbsFrameBorders {
    QImage Left, Top, Right, Bottom;
};

// A mask's black pixels as rectangles, one per maximal run in a row, in scan order, and the
// bounding rectangle of the whole mask.
struct TbsRegionData {
    QRect Bound;
    QList<QRect> Rects;
};

// A skin rectangle as a QRect at the same place, also when it is empty (TRect::ToQRect drops the
// position of an empty rectangle, which a client rectangle of width 0 still needs).
QRect ExactRect(const TRect& R);
TbsPartGeometry PartGeometry(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                             const TPoint& RBPoint, const TRect& ClRect);

// Everything that decides how a record's part is painted at another size.
struct TbsPartLook {
    TbsPartGeometry Geometry;
    TbsEdgeStretch Stretch;
    bool StretchEffect = false;
    TbsStretchType StretchType = bsstFull;
};

// The look of any record with the corner points, ClRect, the four stretch flags, StretchEffect and
// StretchType (control records, the popup, hint and layered frame records).
template <class Record> TbsPartLook PartLookOf(const Record& ARecord)
{
    return {PartGeometry(ARecord.LTPoint, ARecord.RTPoint, ARecord.LBPoint, ARecord.RBPoint, ARecord.ClRect),
            {ARecord.LeftStretch, ARecord.TopStretch, ARecord.RightStretch, ARecord.BottomStretch},
            ARecord.StretchEffect,
            ARecord.StretchType};
}

// The destination geometry of a part of APartSize resized to AW x AH: the right points and the
// client rectangle's right follow the width change, the bottom ones the height change.
TbsPartGeometry ResizedPartGeometry(const TbsPartGeometry& APart, const QSize& APartSize, int AW, int AH);

// Which primitive paints a part: -1 none (empty SkinRect), 1 nine-piece frame, 2 horizontal strip,
// 3 vertical strip, 0 copy at its own size.
int PartResizeMode(const QRect& ASkinRect, const TbsPartGeometry& APart);

// Resize mode 0: B becomes a copy of R of SB at R's own size.
void PaintPlainPart(QImage& B, const QImage& SB, const QRect& R);

// Paints the part R (one of the record's looks, all of SkinRect's size) into B at AW x AH with the
// primitive its resize mode names: a copy at its own size, the nine-piece frame, or a strip; no
// part (null B) for an empty R.
void PaintPartAtSize(const TbsPartLook& ALook, QImage& B, const QImage& SB, const QRect& R, int AW, int AH,
                     bool DrawClient);

// Nine-piece frame: B becomes AW x AH and gets the edge middles (stretched or tiled), the eight
// corner pieces and, with DrawClient, the client area (stretched by StretchType with
// StretchEffect, tiled without).
void PaintFramedPart(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest, QImage& B,
                     const QImage& SB, const QRect& R, int AW, int AH, bool DrawClient,
                     const TbsEdgeStretch& AStretch, bool StretchEffect, TbsStretchType StretchType);

// Horizontal three-piece strip: B becomes AW x height of R; LO and RO are the unstretched ends.
void PaintHStrip(int LO, int RO, QImage& B, bool AStretch, int AW, const QRect& R, const QImage& SB);
// Vertical three-piece strip: B becomes width of R x AH; TO and BO are the unstretched ends.
void PaintVStrip(int TO, int BO, QImage& B, bool AStretch, int AH, const QRect& R, const QImage& SB);

// Paints R into B at B's own size: the bands outside the client rectangle C stretched along
// their length, the corners copied, and with DrawClient the client stretched.
void PaintStretchedPart(QImage& B, const QImage& SB, const QRect& R, bool DrawClient, const QRect& C);

// The four border images of a window or control of AW x AH whose client rectangle is
// ADest.ClRect. A border that does not exist at this size is null.
void PaintFrameBorders(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest,
                       TbsFrameBorders& ABorders, const QImage& SB, const QRect& R, int AW, int AH,
                       const TbsEdgeStretch& AStretch);

// B becomes AW x AH with the piece APiece of the part (measured from R's top-left) tiled from B's
// origin or stretched into D.
void PaintClientPart(const QRect& APiece, const QRect& D, QImage& B, TbsStretchType StretchType,
                     bool StretchEffect, int AW, int AH, const QRect& R, const QImage& SB);

// The black pixels (red + green + blue = 0) of a mask, offset by dX, dY.
TbsRegionData MaskToRegionData(const QImage& AMask, int dX, int dY);
QRegion MaskToRegion(const QImage& AMask);

// The region of a window or control of AW x AH whose outline the mask gives: the mask's border
// strips tiled to the new size, plus the client rectangle.
QRegion FramedMaskRegion(const TbsPartGeometry& ASource, const TbsPartGeometry& ADest, const QImage& AMask,
                         int AW, int AH);

// The region of a control by its resize mode; ASkinSize is the size of its SkinRect.
QRegion ControlMaskRegion(int AResizeMode, const TbsPartGeometry& APart, const TbsPartGeometry& ANew,
                          const QImage& AMask, const QSize& ASkinSize, int AW, int AH);

// Frame k (from 1) of a strip of n equal frames side by side, drawn at (X, Y) with the colour of
// the frame's bottom-left pixel left out. Nothing for an empty bitmap or n <= 0.
void DrawStripFrame(QPainter& C, int X, int Y, int k, int n, const QImage& ABitmap);

// The rectangle of frame k (from 1) of an animation strip of AFrameCount frames: left to right when
// the strip is wider than ASkinRect, else top to bottom. Empty when there is no such frame (a frame
// count of 0 or less means no animation).
QRect AnimationFrameRect(const QRect& AAnimateSkinRect, const QRect& ASkinRect, int AFrameCount, int k);
