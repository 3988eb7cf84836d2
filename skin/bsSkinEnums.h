// Enumerations shared by the skin records and the drawing code that acts on their values.
#pragma once

// How the centre piece of a part is stretched when StretchEffect is on.
enum TbsStretchType { bsstFull, bsstHorz, bsstVert };

// The transition shown when a control changes its face (TbsEffectBmp carries them out).
enum TbsMorphKind {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};

// The effect applied to the border pictures of an inactive window.
enum TbsInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// The side of the caption on which a button's glyph stands.
enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
