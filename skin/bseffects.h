// Alpha and effect images: the unit header of TbsBitmap and TbsEffectBmp.
#pragma once

#include "bsBitmap.h"
#include "bsEffectBmp.h"
#include "bsSkinEnums.h"
