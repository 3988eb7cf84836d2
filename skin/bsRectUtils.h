// Rectangle and point tests of skin geometry (right and bottom exclusive unless a test says otherwise).
#pragma once

#include "bsSkinTypes.h"

inline bool EqRects(const TRect& R1, const TRect& R2)
{
    return R1 == R2;
}
inline TRect NullRect()
{
    return TRect();
}
inline bool IsNullRect(const TRect& R)
{
    return R.IsEmpty();
}
// A point with either coordinate 0 counts as unset.
inline bool IsNullPoint(const TPoint& P)
{
    return P.X == 0 || P.Y == 0;
}
inline qint64 RectWidth(const TRect& R)
{
    return R.Width();
}
inline qint64 RectHeight(const TRect& R)
{
    return R.Height();
}

// Counts the right and bottom edges as inside (unlike the platform test below).
inline bool PointInRect(const TRect& R, const TPoint& P)
{
    return R.Left <= P.X && P.X <= R.Right && R.Top <= P.Y && P.Y <= R.Bottom;
}

// The platform's point-in-rectangle test: right and bottom edges outside.
inline bool PtInRect(const TRect& R, const TPoint& P)
{
    return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

// Both the top-left and the bottom-right corner of R1 lie in R2 (platform test).
inline bool RectInRect(const TRect& R1, const TRect& R2)
{
    return PtInRect(R2, {R1.Left, R1.Top}) && PtInRect(R2, {R1.Right, R1.Bottom});
}

// R1's top-left corner moved right by one, or its bottom-right corner moved left by one, lies in R2.
inline bool RectToRect(const TRect& R1, const TRect& R2)
{
    return PtInRect(R2, {R1.Left + 1, R1.Top}) || PtInRect(R2, {R1.Right - 1, R1.Bottom});
}
