// The font setup: the configuration read ahead, its no-hinting settings honoured, the substitutes.
#include "FontSetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace {

// The hint style the configuration gives a font whose own pattern says hinting and hintStyle.
int PreparedHintStyle(bool hinting, int hintStyle)
{
    FcPattern* font = FcPatternCreate();
    FcPatternAddString(font, FC_FAMILY, reinterpret_cast<const FcChar8*>("Font Setup Test"));
    FcPatternAddBool(font, FC_HINTING, hinting ? FcTrue : FcFalse);
    FcPatternAddInteger(font, FC_HINT_STYLE, hintStyle);
    FcPattern* request = FcPatternCreate();
    FcPattern* prepared = FcFontRenderPrepare(FcConfigGetCurrent(), request, font);
    int style = -1;
    FcPatternGetInteger(prepared, FC_HINT_STYLE, 0, &style);
    FcPatternDestroy(prepared);
    FcPatternDestroy(request);
    FcPatternDestroy(font);
    return style;
}

QImage TextPicture(const QFont& font)
{
    QImage image(240, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 21, QStringLiteral("人事管理系统 Ab E000001"));
    return image;
}

} // namespace

TEST(FontSetup, BegunAheadThenAwaitedOnceForGood)
{
    BeginFontSetup();
    AwaitFontSetup();
    AwaitFontSetup();
    BeginFontSetup(); // too late to begin again: nothing starts, nothing waits
    AwaitFontSetup();
    EXPECT_NE(FcConfigGetCurrent(), nullptr);
}

// A font the configuration says not to hint loses its hint style; the others keep theirs.
TEST(FontSetup, NoHintingSettingBecomesHintStyleNone)
{
    AwaitFontSetup();
    EXPECT_EQ(PreparedHintStyle(false, FC_HINT_SLIGHT), FC_HINT_NONE);
    EXPECT_EQ(PreparedHintStyle(false, FC_HINT_FULL), FC_HINT_NONE);
    EXPECT_EQ(PreparedHintStyle(true, FC_HINT_SLIGHT), FC_HINT_SLIGHT);
    EXPECT_EQ(PreparedHintStyle(true, FC_HINT_FULL), FC_HINT_FULL);
}

// The CJK family the program draws with says in its own configuration that it is not to be
// hinted; Qt hinted it all the same before the setup told it so.
TEST(FontSetup, TheProgramFontIsDrawnUnhintedAsItsConfigurationSays)
{
    AwaitFontSetup();
    InstallFontSubstitutes();
    const QString family = QStringLiteral("WenQuanYi Micro Hei");
    if (!QFontDatabase::hasFamily(family))
        GTEST_SKIP() << "the CJK family is not installed here";
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(17); // a size no other test draws, so no hinted engine of it is cached
    ASSERT_EQ(QFontInfo(tahoma).family(), family);
    QFont unhinted = tahoma;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    QFont lightlyHinted = tahoma;
    lightlyHinted.setHintingPreference(QFont::PreferVerticalHinting);
    const QImage asConfigured = TextPicture(tahoma);
    EXPECT_EQ(asConfigured, TextPicture(unhinted));
    // The comparison can tell the two apart.
    EXPECT_NE(asConfigured, TextPicture(lightlyHinted));
}
