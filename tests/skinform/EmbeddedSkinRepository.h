// A repository holding the skin the program carries, loaded from its embedded compressed form: the
// frame and menu tests check the figures of the skin that users see.
#pragma once

#include "EmbeddedSkin.h"
#include "bsCompressedStoredSkin.h"
#include "bsSkinData.h"

#include <memory>

inline std::unique_ptr<TbsSkinData> OurSkin()
{
    auto skin = std::make_unique<TbsSkinData>();
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(EmbeddedSkinData());
    skin->LoadCompressedStoredSkin(&stored);
    return skin;
}
