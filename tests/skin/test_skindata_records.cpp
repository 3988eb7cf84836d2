// Skin records read through their key tables: defaults, inherited keys, written order and comparison.
#include "bsDataSkinFurtherControls.h"

#include <gtest/gtest.h>

TEST(SkinRecords, AbsentKeysGiveTheTableDefaults)
{
    const TbsIniText empty(QStringLiteral("[x]\r\n"));
    TbsDataSkinStdLabelControl label("x");
    label.LoadFromFile(empty);
    EXPECT_EQ(label.ActiveFontColor, 16711680);
    EXPECT_EQ(label.PictureIndex, -1);
    TbsDataSkinButtonControl button("x");
    button.LoadFromFile(empty);
    EXPECT_EQ(button.AnimateInterval, 25);
    EXPECT_EQ(button.GlowLayerAlphaBlendValue, 255);
    EXPECT_EQ(button.StretchType, bsstFull);
    TbsDataSkinListBox listBox("x");
    listBox.LoadFromFile(empty);
    EXPECT_EQ(listBox.VScrollBarName, "vscrollbar");
    EXPECT_EQ(listBox.BothScrollBarName, "bothhscrollbar");
    TbsDataSkinAppMenu appMenu("x");
    appMenu.LoadFromFile(empty);
    EXPECT_EQ(appMenu.FontPageHeight, 16);
    EXPECT_EQ(appMenu.PageItemOffset1, 10);
    TbsDataSkinGaugeControl gauge("x");
    gauge.LoadFromFile(empty);
    EXPECT_EQ(gauge.AnimationCountFrames, 0);
}

TEST(SkinRecords, ReadingAgainForgetsWhatTheFirstTextSaid)
{
    TbsDataSkinEditControl edit("edit");
    edit.LoadFromFile(TbsIniText(QStringLiteral("[edit]\r\nfontname=Arial\r\nstretchtype=sthorz\r\n")));
    EXPECT_EQ(edit.FontName, "Arial");
    EXPECT_EQ(edit.StretchType, bsstHorz);
    edit.LoadFromFile(TbsIniText(QStringLiteral("[edit]\r\n")));
    EXPECT_TRUE(edit.SameFields(TbsDataSkinEditControl("edit")));
}

TEST(SkinRecords, AMemoWritesTheEditKeysFirstAndTheBaseErasesTheSection)
{
    TbsDataSkinMemoControl memo("memo");
    memo.BGColor = 5;
    TbsIniText ini(QStringLiteral("[memo]\r\nstale=1\r\n"));
    memo.SaveToFile(ini);
    const QStringList keys = ini.Keys("memo");
    const QStringList editKeys = [] {
        TbsIniText editIni;
        TbsDataSkinEditControl("memo").SaveToFile(editIni);
        return editIni.Keys("memo");
    }();
    EXPECT_EQ(keys, editKeys + QStringList({"bgcolor", "activebgcolor"}));
    EXPECT_EQ(keys.first(), "pictureindex");
    EXPECT_FALSE(keys.contains("stale"));

    TbsDataSkinMemoControl read("memo");
    read.LoadFromFile(ini);
    EXPECT_TRUE(read.SameFields(memo)) << read.FirstDifference(memo).toStdString();
}

TEST(SkinRecords, ComparisonTellsClassesAndFieldsApart)
{
    TbsDataSkinEditControl edit("a");
    TbsDataSkinMemoControl memo("a");
    EXPECT_FALSE(edit.SameFields(memo));
    TbsDataSkinEditControl other("a");
    other.ButtonRect = {1, 2, 3, 4};
    EXPECT_EQ(edit.FirstDifference(other), "buttonrect");
    EXPECT_FALSE(edit.SameFields(TbsDataSkinEditControl("b")));
}

TEST(SkinRecords, ChangeFontSetsEveryFontNameAndCorrectsEveryHeight)
{
    TbsDataSkinGridControl grid("grid");
    grid.ChangeFont("Sans", 2);
    EXPECT_EQ(grid.FontName, "Sans");
    EXPECT_EQ(grid.FixedFontName, "Sans");
    EXPECT_EQ(grid.FontHeight, 15);
    EXPECT_EQ(grid.FixedFontHeight, 15);
    TbsDataSkinListBox listBox("listbox");
    listBox.ChangeFont("Sans", -1);
    EXPECT_EQ(listBox.CaptionFontName, "Sans");
    EXPECT_EQ(listBox.CaptionFontHeight, 12);
    TbsDataSkinAppMenu appMenu("appmenu");
    appMenu.ChangeFont("Sans", 1);
    EXPECT_EQ(appMenu.FontPageHeight, 16);
}
