// Drawing primitives and helpers of the skin engine: the unit header that controls include.
#pragma once

#include "bsGlyphLayout.h"
#include "bsColors.h"
#include "bsLayerManager.h"
#include "bsLineGlyphs.h"
#include "bsPaintParts.h"
#include "bsPlatformInfo.h"
#include "bsRecordPainting.h"
#include "bsRectUtils.h"
#include "bsTextEffects.h"
#include "bsTextHelpers.h"
