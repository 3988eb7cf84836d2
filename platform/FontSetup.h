// The program's fonts: the system's font configuration, read ahead of the first text, and the
// substitutes for the Windows font names the windows and skins ask for.
#pragma once

// Installs the font substitutes and starts reading the system's font configuration on the
// start-up's helper thread (AheadWork.h). Reading it is most of the cost of a program's first text
// (about 4 ms here, more with many fonts installed), and nothing else needs it until then, so the
// program begins it first of all, before its application object, and makes that object and loads
// its skin meanwhile. The thread touches nothing of Qt's until FontSetupHasApplication.
void BeginFontSetup();

// Tells the setup that the application object now exists (BeginFontSetup sees one that exists
// already): once the configuration is read, the thread then also builds Qt's list of installed
// fonts.
void FontSetupHasApplication();

// Waits until that reading is done, or reads the configuration now when it was never begun.
// Either way the configuration then also honours its own "do not hint this font" settings (see
// FontSetup.cpp). Call it before the first text is measured or drawn; calls after the first do
// nothing.
void AwaitFontSetup();

// Registers, once per process, substitutes for "Tahoma", "MS Sans Serif" and the other Windows
// font names: an installed sans-serif family that covers CJK text first, then plain sans-serif ones.
void InstallFontSubstitutes();
