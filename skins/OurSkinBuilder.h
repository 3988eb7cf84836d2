// Builds the program's own skin in a repository from its look, and writes it as a skin folder.
#pragma once

#include "OurSkinLook.h"

#include <QString>

class TbsSkinData;

// Fills an empty repository with the skin drawn at the options' palette and scale: every picture,
// the window geometry, the three fixed records, the colours and both record lists. The repository
// is left as a loaded skin (not Empty) without any message sent.
void BuildOurSkin(TbsSkinData& ASkin, const TOurSkinOptions& AOptions);

// Builds the skin and writes it as a skin folder whose description is AIniFile (replaced if it
// exists) with the bitmaps beside it, through the repository's own writer.
void WriteOurSkinFolder(const QString& AIniFile, const TOurSkinOptions& AOptions);
