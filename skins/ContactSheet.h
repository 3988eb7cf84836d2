// The contact sheet of a skin: every object and control record in each of its states.
#pragma once

#include <QImage>

class TbsSkinData;

// Paints every skin object and control record of ASkin, each look at its natural size and
// enlarged, through the engine's own record painting, with a label under each.
QImage PaintContactSheet(const TbsSkinData& ASkin);
