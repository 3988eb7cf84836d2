// The two palettes of the program's own skin.
#include "OurSkinLook.h"

namespace {

QColor Hex(const char* rgb)
{
    return QColor(QString::fromLatin1(rgb));
}

} // namespace

TOurSkinPalette LightPalette()
{
    TOurSkinPalette p;
    p.Name = QStringLiteral("light");
    p.WindowBg = Hex("#ffffff");
    p.TitleActive = Hex("#f3f4f6");
    p.TitleInactive = Hex("#fafafa");
    p.FrameActive = Hex("#2f6fde");
    p.FrameInactive = Hex("#b9bec6");
    p.TitleSeparator = Hex("#e3e6ea");
    p.Text = Hex("#444444");
    p.TextSecondary = Hex("#5f6570");
    p.TextDisabled = Hex("#c0c0c0");
    p.FieldTextDisabled = Hex("#808080");
    p.LabelText = Hex("#444444");
    p.LabelActiveText = Hex("#a2bce4");
    p.Accent = Hex("#2f6fde");
    p.AccentHot = Hex("#4a86ea");
    p.AccentDown = Hex("#2459b8");
    p.AccentText = Hex("#ffffff");
    p.AccentTint = Hex("#dce8fb");
    p.AccentTintHot = Hex("#edf3fd");
    p.FieldBg = Hex("#ffffff");
    p.FaceTop = Hex("#fdfdfe");
    p.FaceBottom = Hex("#f1f2f4");
    p.FaceHotTop = Hex("#f4f8fe");
    p.FaceHotBottom = Hex("#e6eefb");
    p.FaceDown = Hex("#d6e2f7");
    p.FaceDisabled = Hex("#f5f6f7");
    p.Border = Hex("#b8bdc6");
    p.BorderHot = Hex("#7fa2e0");
    p.BorderDisabled = Hex("#dadde2");
    p.Divider = Hex("#e1e4e8");
    p.HeaderBg = Hex("#f3f4f6");
    p.Thumb = Hex("#c3c8d0");
    p.ThumbHot = Hex("#a7aeb9");
    p.ThumbDown = Hex("#8e97a5");
    p.CaptionButtonHot = Hex("#e3e6ea");
    p.CaptionButtonDown = Hex("#d1d5db");
    p.CloseHot = Hex("#d93a2b");
    p.CloseDown = Hex("#b02a1e");
    p.Glyph = Hex("#3c4049");
    p.Shadow = Hex("#000000");
    p.ShadowAlphaActive = 84;
    p.ShadowAlphaInactive = 46;
    p.ScrollMarker = Hex("#808080");
    p.ScrollMarkerActive = Hex("#000000");
    p.HintBg = Hex("#fbfbfc");
    p.HintText = Hex("#444444");
    return p;
}

TOurSkinPalette DarkPalette()
{
    TOurSkinPalette p;
    p.Name = QStringLiteral("dark");
    p.WindowBg = Hex("#202225");
    p.TitleActive = Hex("#2b2e33");
    p.TitleInactive = Hex("#25272b");
    p.FrameActive = Hex("#4c8df6");
    p.FrameInactive = Hex("#3d4047");
    p.TitleSeparator = Hex("#35383e");
    p.Text = Hex("#e6e8eb");
    p.TextSecondary = Hex("#a9afb8");
    p.TextDisabled = Hex("#6b7079");
    p.FieldTextDisabled = Hex("#80858d");
    p.LabelText = Hex("#e6e8eb");
    p.LabelActiveText = Hex("#8ab4f8");
    p.Accent = Hex("#4c8df6");
    p.AccentHot = Hex("#6aa1f8");
    p.AccentDown = Hex("#3a75d6");
    p.AccentText = Hex("#ffffff");
    p.AccentTint = Hex("#27406a");
    p.AccentTintHot = Hex("#2d3440");
    p.FieldBg = Hex("#1a1c1f");
    p.FaceTop = Hex("#373a40");
    p.FaceBottom = Hex("#32353a");
    p.FaceHotTop = Hex("#40444b");
    p.FaceHotBottom = Hex("#3a3e45");
    p.FaceDown = Hex("#2c3e5c");
    p.FaceDisabled = Hex("#2a2c30");
    p.Border = Hex("#4c5058");
    p.BorderHot = Hex("#6d8fce");
    p.BorderDisabled = Hex("#363940");
    p.Divider = Hex("#34373c");
    p.HeaderBg = Hex("#2a2d31");
    p.Thumb = Hex("#555a63");
    p.ThumbHot = Hex("#6b717c");
    p.ThumbDown = Hex("#818894");
    p.CaptionButtonHot = Hex("#3a3e45");
    p.CaptionButtonDown = Hex("#454a52");
    p.CloseHot = Hex("#d93a2b");
    p.CloseDown = Hex("#b02a1e");
    p.Glyph = Hex("#d4d7dc");
    p.Shadow = Hex("#000000");
    p.ShadowAlphaActive = 130;
    p.ShadowAlphaInactive = 80;
    p.ScrollMarker = Hex("#808080");
    p.ScrollMarkerActive = Hex("#e6e8eb");
    p.HintBg = Hex("#2b2e33");
    p.HintText = Hex("#e6e8eb");
    return p;
}

bool PaletteByName(const QString& name, TOurSkinPalette& palette)
{
    if (name == QLatin1String("light"))
        palette = LightPalette();
    else if (name == QLatin1String("dark"))
        palette = DarkPalette();
    else
        return false;
    return true;
}

QPalette PlatformPalette(const TOurSkinPalette& p)
{
    QPalette palette(p.FaceTop, p.WindowBg);
    palette.setColor(QPalette::WindowText, p.Text);
    palette.setColor(QPalette::Base, p.FieldBg);
    palette.setColor(QPalette::AlternateBase, p.HeaderBg);
    palette.setColor(QPalette::Text, p.Text);
    palette.setColor(QPalette::ButtonText, p.Text);
    palette.setColor(QPalette::Highlight, p.Accent);
    palette.setColor(QPalette::HighlightedText, p.AccentText);
    palette.setColor(QPalette::Mid, p.Divider);
    palette.setColor(QPalette::Shadow, p.Border);
    palette.setColor(QPalette::ToolTipBase, p.FieldBg);
    palette.setColor(QPalette::ToolTipText, p.Text);
    palette.setColor(QPalette::PlaceholderText, p.TextDisabled);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, p.TextDisabled);
    return palette;
}
