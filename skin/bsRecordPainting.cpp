// Painting a control record's part and building its window region from the repository's pictures.
#include "bsRecordPainting.h"

#include "bsDataSkinControls.h"
#include "bsSkinData.h"

QImage ActivePictureImage(const TbsSkinData* ASkinData, int AIndex)
{
    const TbsSkinPicture* picture = ASkinData ? ASkinData->ActivePicture(AIndex) : nullptr;
    return picture ? picture->Image() : QImage();
}

void PaintControlPart(const TbsSkinData* ASkinData, const TbsDataSkinCustomControl& ARecord,
                      const TRect& ALook, QImage& B, int AW, int AH, bool DrawClient)
{
    // The resize mode follows SkinRect; the look only says where in the picture to take it from.
    const QRect look = ARecord.SkinRect.IsEmpty() ? QRect() : ExactRect(ALook);
    PaintPartAtSize(PartLookOf(ARecord), B, ActivePictureImage(ASkinData, ARecord.PictureIndex), look, AW, AH,
                    DrawClient);
}

QRegion ControlRegion(const TbsSkinData* ASkinData, const TbsDataSkinCustomControl& ARecord, int AW, int AH)
{
    const QImage mask = ActivePictureImage(ASkinData, ARecord.MaskPictureIndex);
    if (mask.isNull())
        return QRegion();
    const TbsPartGeometry part = PartLookOf(ARecord).Geometry;
    const QRect skin = ExactRect(ARecord.SkinRect);
    return ControlMaskRegion(PartResizeMode(skin, part), part, ResizedPartGeometry(part, skin.size(), AW, AH),
                             mask, skin.size(), AW, AH);
}
