// Colour values of the skin engine as Qt colours, with system colours resolved through the palette.
#pragma once

#include "bsSkinTypes.h"

#include <QColor>

// The colour a colour value stands for: 0x00BBGGRR directly, 0xFF000000 + n the system colour of
// index n from the application palette.
QColor ColorToQColor(TColor AColor);
// The plain colour value 0x00BBGGRR of AColor (system colours resolved).
TColor ColorToRGB(TColor AColor);
// Each of red, green and blue lowered by APercent per cent, c - c x p / 100 rounded to nearest.
TColor DarkerColor(TColor AColor, int APercent);
