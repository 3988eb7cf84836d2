// Tests of painting a control record's part and region from the repository's active pictures.
#include "PictureText.h"
#include "skin/bsDataSkinControls.h"
#include "skin/bsRecordPainting.h"
#include "skin/bsSkinData.h"

#include <gtest/gtest.h>

using PictureText::Rows;
using PictureText::Text;

namespace
{

// A repository whose picture 0 holds a 5 x 5 part at (1, 1) and picture 1 a mask of its outline.
class RecordPainting : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        data.FActivePictures.push_back(TbsSkinPicture::FromImage(PictureText::Picture(
            {"ZZZZZZZ", "Zabcdez", "ZfghijZ", "ZklmnoZ", "ZpqrstZ", "ZuvwxyZ", "ZZZZZZZ"})));
        // '.' is black (inside), every letter white enough to be outside.
        data.FActivePictures.push_back(
            TbsSkinPicture::FromImage(PictureText::Picture({".WWW.", "W...W", "W...W", "W...W", ".WWW."})));
        record.PictureIndex = 0;
        record.SkinRect = {1, 1, 6, 6};
        record.LTPoint = {1, 1};
        record.RTPoint = {4, 1};
        record.LBPoint = {1, 4};
        record.RBPoint = {4, 4};
        record.ClRect = {1, 1, 4, 4};
    }

    TbsSkinData data;
    TbsDataSkinCustomControl record;
};

TEST_F(RecordPainting, PaintsTheLookAtTheControlSize)
{
    QImage B;
    PaintControlPart(&data, record, record.SkinRect, B, 8, 7, true);
    EXPECT_EQ(Text(B),
              (Rows{"abcdbcde", "fghighij", "klmnlmno", "pqrsqrst", "fghighij", "klmnlmno", "uvwxvwxy"}));
}

TEST_F(RecordPainting, NoPictureDrawsNothing)
{
    struct Case {
        const char* name;
        const TbsSkinData* data;
        int index;
    };
    const Case cases[] = {
        {"index past the list", &data, 2}, {"index -1", &data, -1}, {"no repository", nullptr, 0}};
    for (const Case& c : cases) {
        record.PictureIndex = c.index;
        QImage B;
        PaintControlPart(c.data, record, record.SkinRect, B, 3, 2, true);
        EXPECT_EQ(Text(B), (Rows{"...", "..."})) << c.name;
    }
    data.FActivePictures.push_back(TbsSkinPicture());
    EXPECT_TRUE(ActivePictureImage(&data, 2).isNull());
}

TEST_F(RecordPainting, RegionFromTheMaskPicture)
{
    record.MaskPictureIndex = 1;
    EXPECT_EQ(PictureText::RegionText(ControlRegion(&data, record, 7, 5), 7, 5),
              (Rows{"#.....#", ".#####.", ".#####.", ".#####.", "#.....#"}));
    record.MaskPictureIndex = 7;
    EXPECT_TRUE(ControlRegion(&data, record, 7, 5).isEmpty());
}

} // namespace
