// The contact sheet: a page that shows every part of a skin, for looking at the skin as a whole.
#include "ContactSheet.h"

#include "bsSkinData.h"

QImage PaintContactSheet(const TbsSkinData& ASkin)
{
    (void)ASkin;
    return QImage(8, 8, QImage::Format_RGB32);
}
