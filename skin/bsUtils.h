// Drawing primitives and helpers of the skin engine: the unit header that controls include.
#pragma once

#include "bsPaintParts.h"
