// Painting a control record's part and building its window region from the repository's pictures.
#pragma once

#include "bsPaintParts.h"

#include <QImage>
#include <QRegion>

class TbsSkinData;
class TbsDataSkinCustomControl;

// The repository's active picture AIndex; a null image (so nothing is drawn) without a
// repository, for an index outside the active picture list and for an empty picture.
QImage ActivePictureImage(const TbsSkinData* ASkinData, int AIndex);

// Paints ALook (SkinRect or one of the record's other state rectangles, all of SkinRect's size)
// of the record's picture into B at AW x AH with the primitive of the record's resize mode.
void PaintControlPart(const TbsSkinData* ASkinData, const TbsDataSkinCustomControl& ARecord,
                      const TRect& ALook, QImage& B, int AW, int AH, bool DrawClient);

// The window region of a control of AW x AH from the record's mask picture; no region (an empty
// QRegion, meaning "no mask") when the record has no usable mask picture or no part.
QRegion ControlRegion(const TbsSkinData* ASkinData, const TbsDataSkinCustomControl& ARecord, int AW, int AH);
