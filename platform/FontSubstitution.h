// Maps the font names the windows and skins ask for to fonts installed here.
#pragma once

// Registers, once per process, substitutes for "Tahoma", "MS Sans Serif" and the other Windows
// font names: an installed sans-serif family that covers CJK text first, then plain sans-serif ones.
void InstallFontSubstitutes();
