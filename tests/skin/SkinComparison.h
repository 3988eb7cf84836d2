// Comparison of two loaded skins record by record and picture by picture, for round-trip tests.
#pragma once

#include "bsSkinData.h"

#include <gtest/gtest.h>

template <class List> inline void ExpectSameRecords(const List& expected, const List& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i]->FirstDifference(*expected[i]), QString()) << expected[i]->IDName.toStdString();
}

inline void ExpectSamePicture(const TbsSkinPicture& expected, const TbsSkinPicture& actual)
{
    EXPECT_EQ(actual.Bmp(), expected.Bmp());
    EXPECT_EQ(actual.Image().format(), expected.Image().format());
    EXPECT_EQ(actual.Image(), expected.Image());
}

// Every record, name and picture of two repositories, field by field.
inline void ExpectSameSkin(const TbsSkinData& expected, const TbsSkinData& actual)
{
    EXPECT_EQ(actual.TbsFormInfo::FirstDifference(expected), QString());
    EXPECT_EQ(actual.PopupWindow.FirstDifference(expected.PopupWindow), QString());
    EXPECT_EQ(actual.LayerFrame.FirstDifference(expected.LayerFrame), QString());
    EXPECT_EQ(actual.HintWindow.FirstDifference(expected.HintWindow), QString());
    EXPECT_EQ(actual.FSkinColors.FirstDifference(expected.FSkinColors), QString());
    ExpectSameRecords(expected.ObjectList, actual.ObjectList);
    ExpectSameRecords(expected.CtrlList, actual.CtrlList);
    EXPECT_EQ(actual.SkinName, expected.SkinName);
    EXPECT_EQ(actual.SkinComments, expected.SkinComments);
    EXPECT_EQ(actual.FPictureName, expected.FPictureName);
    EXPECT_EQ(actual.FActivePicturesNames, expected.FActivePicturesNames);
    ExpectSamePicture(expected.FPicture, actual.FPicture);
    ExpectSamePicture(expected.FInActivePicture, actual.FInActivePicture);
    ExpectSamePicture(expected.FMask, actual.FMask);
    ASSERT_EQ(actual.FActivePictures.size(), expected.FActivePictures.size());
    for (size_t i = 0; i < expected.FActivePictures.size(); ++i)
        ExpectSamePicture(expected.FActivePictures[i], actual.FActivePictures[i]);
}
