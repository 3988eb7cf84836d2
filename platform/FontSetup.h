// The program's fonts: the system's font configuration, read ahead of the first text, and the
// substitutes for the Windows font names the windows and skins ask for.
#pragma once

// Starts reading the system's font configuration on a thread of its own. Reading it is most of
// the cost of a program's first text (about 3 ms here, more with many fonts installed), and
// nothing else needs it until then, so the program begins it as soon as its application object
// exists and loads its skin meanwhile.
void BeginFontSetup();

// Waits until that reading is done, or reads the configuration now when it was never begun.
// Either way the configuration then also honours its own "do not hint this font" settings (see
// FontSetup.cpp). Call it before the first text is measured or drawn; calls after the first do
// nothing.
void AwaitFontSetup();

// Registers, once per process, substitutes for "Tahoma", "MS Sans Serif" and the other Windows
// font names: an installed sans-serif family that covers CJK text first, then plain sans-serif ones.
void InstallFontSubstitutes();
