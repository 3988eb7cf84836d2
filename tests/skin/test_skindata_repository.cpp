// The skin repository: loading the test skin, [FORMINFO], lookups, failed loads, messages and properties.
#include "SkinDataFixtures.h"

#include "bsCompressedSkinList.h"
#include "bsCompressedStoredSkin.h"
#include "bsStreamIO.h"
#include "bszlibcompress.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <typeinfo>

// A stand-in for the layered border windows of skinned forms, which the broadcast skips by class.
class TbsFormLayerWindow : public TRecordingWindow {
    Q_OBJECT
public:
    using TRecordingWindow::TRecordingWindow;
};

namespace {

template <class Record, class List> const Record* Find(const List& list, const QString& name)
{
    for (const auto& record : list)
        if (record->IDName == name)
            return dynamic_cast<const Record*>(record.get());
    return nullptr;
}

// A stored skin holding the test skin folder.
std::unique_ptr<TbsCompressedStoredSkin> TestStoredSkin()
{
    auto storedSkin = std::make_unique<TbsCompressedStoredSkin>();
    storedSkin->LoadFromIniFile(TestSkinIni());
    return storedSkin;
}

void ExpectCleared(const TbsSkinData& sd)
{
    EXPECT_TRUE(sd.Empty());
    EXPECT_TRUE(sd.ChangeSkinDataProcess());
    EXPECT_TRUE(sd.FPicture.Empty());
    EXPECT_TRUE(sd.FInActivePicture.Empty());
    EXPECT_TRUE(sd.FMask.Empty());
    EXPECT_TRUE(sd.FActivePictures.empty());
    EXPECT_TRUE(sd.ObjectList.empty());
    EXPECT_TRUE(sd.CtrlList.empty());
    EXPECT_EQ(sd.LayerFrame.PictureIndex, -1);
    EXPECT_EQ(sd.LayerFrame.FSourceBitmap, nullptr);
}

} // namespace

TEST(SkinRepository, ANewRepositoryIsEmptyWithItsPublishedDefaults)
{
    TbsSkinData sd;
    EXPECT_TRUE(sd.Empty());
    EXPECT_EQ(sd.BGPictureIndex, -1);
    EXPECT_EQ(sd.MDIBGPictureIndex, -1);
    EXPECT_EQ(sd.PopupWindow.WindowPictureIndex, -1);
    EXPECT_EQ(sd.LayerFrame.PictureIndex, -1);
    EXPECT_EQ(sd.FSkinColors.FcBtnFace, 0);
    EXPECT_TRUE(sd.SkinnableForm());
    EXPECT_TRUE(sd.ShowLayeredBorders());
    EXPECT_FALSE(sd.AnimationForAllWindows());
    EXPECT_EQ(sd.DlgTreeViewItemSkinDataName(), "listbox");
    EXPECT_EQ(sd.SkinIndex(), 0);
    sd.ClearAll();
    EXPECT_EQ(sd.FSkinColors.FcBtnFace, clBtnFace);
}

TEST(SkinRepository, LoadsEveryRecordOfTheTestSkinFolder)
{
    TbsSkinData sd;
    int loads = 0;
    sd.OnLoadData = [&](TbsSkinData* sender) {
        EXPECT_EQ(sender, &sd);
        ++loads;
    };
    sd.LoadFromFile(TestSkinIni());
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(sd.Empty());
    EXPECT_FALSE(sd.ChangeSkinDataProcess());
    EXPECT_EQ(sd.SkinName, "Test skin");
    EXPECT_EQ(sd.AuthorURL, "http://example.com");
    ASSERT_EQ(sd.FActivePictures.size(), 5u);
    EXPECT_EQ(sd.FActivePicturesNames.size(), 5);
    EXPECT_EQ(sd.FPicture.Image().size(), QSize(48, 36));
    EXPECT_EQ(sd.FActivePictures[1].Image().format(), QImage::Format_Indexed8);

    // One entry of an unknown type and one without a colon are skipped.
    EXPECT_EQ(sd.ObjectList.size(), 9u);
    EXPECT_EQ(sd.CtrlList.size(), 29u);
    std::set<QString> controlTypes, objectTypes;
    for (const auto& record : sd.CtrlList)
        controlTypes.insert(SkinControlTypeName(*record));
    for (const auto& record : sd.ObjectList)
        objectTypes.insert(SkinObjectTypeName(*record));
    EXPECT_EQ(controlTypes.size(), 29u);
    EXPECT_EQ(objectTypes.size(), 8u);

    // Absent keys of real sections give the table defaults.
    EXPECT_EQ(Find<TbsDataSkinStdLabelControl>(sd.CtrlList, "stdlabel")->ActiveFontColor, 16711680);
    EXPECT_EQ(Find<TbsDataSkinButtonControl>(sd.CtrlList, "button")->AnimateInterval, 25);
    EXPECT_EQ(Find<TbsDataSkinListBox>(sd.CtrlList, "listbox")->VScrollBarName, "vscrollbar");
    EXPECT_EQ(Find<TbsDataSkinAppMenu>(sd.CtrlList, "appmenu")->FontPageHeight, 16);
    EXPECT_EQ(Find<TbsDataSkinAppMenu>(sd.CtrlList, "appmenu")->ItemOffset1, 3);
    EXPECT_EQ(Find<TbsDataSkinGaugeControl>(sd.CtrlList, "gauge")->AnimationCountFrames, 0);
    EXPECT_EQ(Find<TbsDataSkinEditControl>(sd.CtrlList, "edit")->StretchType, bsstFull);
    EXPECT_NE(Find<TbsDataSkinMemoControl>(sd.CtrlList, "memo"), nullptr);
    EXPECT_NE(Find<TbsDataSkinMenuButtonControl>(sd.CtrlList, "toolmenubutton"), nullptr);
    EXPECT_EQ(sd.FSkinColors.FcBtnFace, 16777215);
    EXPECT_EQ(sd.FSkinColors.FcBtnShadow, clBtnShadow);

    // The object rules applied after reading.
    EXPECT_EQ(Find<TbsDataSkinStdButton>(sd.ObjectList, "maximizebutton")->RestoreHint, "Restore");
    EXPECT_EQ(Find<TbsDataSkinStdButton>(sd.ObjectList, "closebutton")->RestoreHint, "");
    EXPECT_NE(Find<TbsDataSkinMainMenuBarButton>(sd.ObjectList, "menubarclosebutton"), nullptr);
    const auto* animate = Find<TbsDataSkinAnimate>(sd.ObjectList, "animate");
    EXPECT_FALSE(animate->Morphing);
    EXPECT_EQ(animate->RestoreHint, "Restore");
    const auto* userObject = Find<TbsDataUserObject>(sd.ObjectList, "userobject");
    TbsDataUserObject onlySkinRect("userobject");
    onlySkinRect.SkinRect = userObject->SkinRect;
    EXPECT_FALSE(userObject->SkinRect.IsEmpty());
    EXPECT_TRUE(userObject->SameFields(onlySkinRect));
    EXPECT_TRUE(userObject->Hint.isEmpty());
}

TEST(SkinRepository, BuildsTheAlphaImagesOfTheLayeredFrameAndTheCaptionButtons)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    // layer.bmp is 30 x 30; its mask's grey level is 8 x column.
    ASSERT_NE(sd.LayerFrame.FSourceBitmap, nullptr);
    EXPECT_EQ(sd.LayerFrame.FSourceBitmap->Width(), 30);
    EXPECT_EQ(qAlpha(sd.LayerFrame.FSourceBitmap->Pixel(3, 10)), 24);
    EXPECT_TRUE(sd.LayerFrame.FSourceBitmap->AlphaBlend());
    ASSERT_NE(sd.LayerFrame.FSourceInActiveBitMap, nullptr);

    // The layered frame is a full border, so caption buttons carry their looks' alpha images: the
    // normal look masked by picture 3, the active look opaque (mask -1), the inactive look opaque
    // too (mask 9 is outside the list).
    const auto* close = Find<TbsDataSkinStdButton>(sd.ObjectList, "closebutton");
    ASSERT_NE(close->FAlphaNormalImage, nullptr);
    EXPECT_EQ(close->FAlphaNormalImage->Width(), close->SkinRect.Width());
    EXPECT_EQ(qAlpha(close->FAlphaNormalImage->Pixel(1, 0)), 8);
    ASSERT_NE(close->FAlphaActiveImage, nullptr);
    EXPECT_EQ(qAlpha(close->FAlphaActiveImage->Pixel(0, 0)), 255);
    EXPECT_TRUE(close->FAlphaActiveImage->AlphaBlend());
    ASSERT_NE(close->FAlphaInActiveImage, nullptr);
    EXPECT_EQ(qAlpha(close->FAlphaInActiveImage->Pixel(0, 0)), 255);

    sd.LayerFrame.FullBorder = false;
    for (const auto& record : sd.ObjectList)
        record->InitAlphaImages(sd);
    EXPECT_EQ(close->FAlphaNormalImage, nullptr);
    EXPECT_EQ(close->FAlphaRestoreNormalImage, nullptr);

    sd.ClearObjects();
    EXPECT_EQ(sd.LayerFrame.FSourceBitmap, nullptr);
    EXPECT_EQ(sd.LayerFrame.FSourceInActiveBitMap, nullptr);
}

TEST(SkinRepository, APackageLoadGivesTheSameRecordsAsTheFolder)
{
    TbsSkinData folder, package;
    folder.LoadFromFile(TestSkinIni());
    const auto storedSkin = TestStoredSkin();
    package.SetCompressedStoredSkin(storedSkin.get());
    ASSERT_FALSE(package.Empty());
    ASSERT_EQ(package.CtrlList.size(), folder.CtrlList.size());
    for (size_t i = 0; i < folder.CtrlList.size(); ++i)
        EXPECT_TRUE(package.CtrlList[i]->SameFields(*folder.CtrlList[i]))
            << folder.CtrlList[i]->IDName.toStdString();
    EXPECT_EQ(package.FActivePictures[1].Bmp(), folder.FActivePictures[1].Bmp());
}

struct FormInfoCase {
    const char* Name;
    const char* Text;
    bool MaskNamed;
    std::function<void(const TbsFormInfo&)> Expect;
};

TEST(SkinRepository, FormInfoClampsTheCornersAndAdjustsTheMaskArea)
{
    const FormInfoCase cases[] = {
        {"corner raised into the client rectangle",
         "clientrect=1,24,235,177\r\nrightbottompoint=232,174\r\nlefttoppoint=0,10\r\nrighttoppoint=240,3\r\n"
         "leftbottompoint=0,190",
         false,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.LTPoint, (TPoint{1, 24}));
             EXPECT_EQ(f.RTPoint, (TPoint{235, 24}));
             EXPECT_EQ(f.LBPoint, (TPoint{1, 177}));
             EXPECT_EQ(f.RBPoint, (TPoint{232, 174}));
         }},
        {"no clamp when the right bottom point shares X with the left top point",
         "clientrect=10,20,30,40\r\nlefttoppoint=5,5\r\nrightbottompoint=5,50", false,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.LTPoint, (TPoint{5, 5}));
             EXPECT_EQ(f.RBPoint, (TPoint{5, 50}));
         }},
        {"no clamp when both corners are absent", "clientrect=10,20,30,40", false,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.LTPoint, (TPoint{0, 0}));
         }},
        {"empty mask area becomes the client rectangle, zero hit-test points the corners as read",
         "clientrect=2,3,40,30\r\nmaskrectarea=0,0,0,0\r\nlefttoppoint=1,1\r\nrightbottompoint=45,35\r\n"
         "hittestlefttoppoint=0,7\r\nhittestrightbottompoint=44,33",
         true,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.MaskRectArea, (TRect{2, 3, 40, 30}));
             EXPECT_EQ(f.HitTestLTPoint, (TPoint{1, 1}));
             EXPECT_EQ(f.LTPoint, (TPoint{2, 3}));
             EXPECT_EQ(f.HitTestRBPoint, (TPoint{44, 33}));
             EXPECT_EQ(f.HitTestRTPoint, (TPoint{0, 0})); // the corner it takes is 0,0
         }},
        {"mask area widened to take the client rectangle in",
         "clientrect=2,3,40,30\r\nmaskrectarea=5,1,38,35", true,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.MaskRectArea, (TRect{2, 1, 40, 35}));
         }},
        {"no mask adjustment without a mask",
         "clientrect=2,3,40,30\r\nhittestlefttoppoint=0,7\r\nlefttoppoint=1,1", false,
         [](const TbsFormInfo& f) {
             EXPECT_EQ(f.MaskRectArea, (TRect{}));
             EXPECT_EQ(f.HitTestLTPoint, (TPoint{0, 7}));
         }},
    };
    for (const FormInfoCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TbsFormInfo formInfo;
        formInfo.LoadFromFile(TbsIniText(QStringLiteral("[FORMINFO]\r\n") + QLatin1String(c.Text)));
        formInfo.AdjustAfterReading(c.MaskNamed);
        c.Expect(formInfo);
    }
}

TEST(SkinRepository, LookupsAreExactAndFindTheFirstMatch)
{
    TbsSkinData sd;
    EXPECT_EQ(sd.GetControlIndex("button"), -1);
    sd.CtrlList.push_back(std::make_unique<TbsDataSkinEditControl>("edit"));
    sd.CtrlList.push_back(std::make_unique<TbsDataSkinButtonControl>("button"));
    sd.CtrlList.push_back(std::make_unique<TbsDataSkinPanelControl>("button"));
    sd.ObjectList.push_back(std::make_unique<TbsDataSkinCaption>("caption"));
    sd.ObjectList.push_back(std::make_unique<TbsDataSkinCaption>("caption"));
    const std::pair<const char*, int> controls[] = {{"button", 1}, {"edit", 0},   {"Button", -1},
                                                    {"", -1},      {"butto", -1}, {"button ", -1}};
    for (const auto& [name, index] : controls)
        EXPECT_EQ(sd.GetControlIndex(QString::fromLatin1(name)), index) << name;
    EXPECT_EQ(sd.GetIndex("caption"), 0);
    EXPECT_EQ(sd.GetIndex("CAPTION"), -1);
    EXPECT_EQ(sd.GetIndex("button"), -1);
}

TEST(SkinRepository, ActivePicturesOutsideTheListAreNoPicture)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    for (int index : {-1, -5, 5, 1000, std::numeric_limits<int>::min()})
        EXPECT_EQ(sd.ActivePicture(index), nullptr) << index;
    EXPECT_NE(sd.ActivePicture(4), nullptr);
}

TEST(SkinRepository, APackageRefusedForItsVersionLeavesTheRepositoryClearedWithoutAChangeMessage)
{
    TSkinMessageLog log;
    TRecordingWindow window("window", log);
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    log.Entries.clear();

    TbsSkinPackage newer = ReadSkinPackage(TestStoredSkin()->DeCompressed());
    newer.Version = 4;
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromPackage(newer);
    EXPECT_NO_THROW(sd.LoadCompressedStoredSkin(&storedSkin));
    ExpectCleared(sd);
    EXPECT_EQ(log.Receivers(smBeforeSkinChange), QStringList({"window"}));
    EXPECT_EQ(log.Messages(), std::vector<int>({smBeforeSkinChange}));
}

TEST(SkinRepository, AFailedLoadLeavesNoPictureAndSendsNoChangeMessage)
{
    const QByteArray package = TestStoredSkin()->DeCompressed();
    const TbsSkinPackage parts = ReadSkinPackage(package);
    TbsSkinPackage badPoint = parts;
    badPoint.Description.replace("lefttoppoint=4,12", "lefttoppoint=4");
    TbsSkinPackage badBitmap = parts;
    badBitmap.ActivePictures[3] = QByteArray("BM") + QByteArray(60, 'x');

    struct Case {
        const char* Name;
        QByteArray Package;
    };
    const Case cases[] = {
        {"cut inside the active pictures", package.left(parts.Picture.size() * 3 + 20)},
        {"cut inside the version", package.left(3)},
        {"a point with one number", WriteSkinPackage(badPoint)},
        {"a bitmap that is not one", WriteSkinPackage(badBitmap)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSkinMessageLog log;
        TRecordingWindow window("window", log);
        TbsSkinData sd;
        sd.LoadFromFile(TestSkinIni());
        log.Entries.clear();
        TbsCompressedStoredSkin storedSkin;
        storedSkin.SetCompressedData(CompressBytes(c.Package));
        EXPECT_THROW(sd.LoadCompressedStoredSkin(&storedSkin), Exception);
        ExpectCleared(sd);
        EXPECT_EQ(log.Messages(), std::vector<int>({smBeforeSkinChange}));
    }
}

TEST(SkinRepository, AStoredSkinThatFailsRaisesWhatLoadingItsInflatedBytesRaises)
{
    const QByteArray compressed = TestStoredSkin()->CompressedData();
    const QByteArray package = DecompressBytes(compressed);
    const TbsSkinPackage parts = ReadSkinPackage(package);
    const QByteArray cutPackage = package.left(parts.Picture.size() * 3 + 20);
    TbsSkinPackage badPoint = parts;
    badPoint.Description.replace("lefttoppoint=4,12", "lefttoppoint=4");
    TbsSkinPackage badBitmap = parts;
    badBitmap.ActivePictures[3] = QByteArray("BM") + QByteArray(60, 'x');
    QByteArray badChecksum = compressed;
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);

    // The message of the error f raises, prefixed with its class; empty when f raises none.
    const auto errorOf = [](const std::function<void()>& f) -> std::string {
        try {
            f();
        } catch (const Exception& e) {
            return typeid(e).name() + (": " + e.Message().toStdString());
        }
        return {};
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"stream cut short", compressed.left(compressed.size() / 2)},
        {"byte after the stream", compressed + '\0'},
        {"wrong checksum", badChecksum},
        {"package cut inside the active pictures", CompressBytes(cutPackage)},
        {"a bitmap that is not one", CompressBytes(WriteSkinPackage(badBitmap))},
        {"a point with one number", CompressBytes(WriteSkinPackage(badPoint))},
    };
    for (const auto& [name, form] : cases) {
        SCOPED_TRACE(name);
        TbsCompressedStoredSkin storedSkin;
        storedSkin.SetCompressedData(form);
        TbsSkinData stored, inflated;
        const std::string error = errorOf([&] { stored.LoadCompressedStoredSkin(&storedSkin); });
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error, errorOf([&] { inflated.LoadFromSkinPackage(DecompressBytes(form)); }));
    }
}

TEST(SkinRepository, AFolderWithoutARequiredSectionIsNotLoaded)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("skin.ini");
    QByteArray text = ReadWholeFile(TestSkinIni());
    text.replace("[SKINCONTROLS]", "[SKINCONTROLZ]");
    WriteWholeFile(ini, text);
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    sd.LoadFromFile(ini);
    EXPECT_FALSE(sd.Empty());
    EXPECT_EQ(sd.CtrlList.size(), 29u);
}

TEST(SkinRepository, AFolderWhosePicturesLieOutsideItIsRefusedAndTheOldSkinStays)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("skin");
    const QString ini = dir.filePath("skin/skin.ini");
    const QByteArray original = ReadWholeFile(TestSkinIni());
    for (const char* name : {"../window.bmp", "/tmp/window.bmp"}) {
        SCOPED_TRACE(name);
        QByteArray text = original;
        text.replace("picture=window.bmp", QByteArray("picture=") + name);
        ASSERT_NE(text, original);
        QFile::remove(ini);
        WriteWholeFile(ini, text);
        QFile::copy(QFileInfo(TestSkinIni()).dir().filePath("window.bmp"), dir.filePath("window.bmp"));
        TbsSkinData sd;
        sd.LoadFromFile(TestSkinIni());
        EXPECT_THROW(sd.LoadFromFile(ini), Exception);
        EXPECT_FALSE(sd.Empty());
        EXPECT_EQ(sd.CtrlList.size(), 29u);
    }
}

TEST(SkinRepository, AHugeListCountReadsOnlyTheEntriesThatCanExist)
{
    const TbsSkinPackage parts = ReadSkinPackage(TestStoredSkin()->DeCompressed());
    TbsSkinPackage huge = parts;
    huge.Description.replace("[SKINCONTROLS]\r\ncount=31", "[SKINCONTROLS]\r\ncount=2000000000");
    ASSERT_NE(huge.Description, parts.Description);
    TbsCompressedStoredSkin storedSkin;
    storedSkin.LoadFromPackage(huge);
    TbsSkinData sd;
    sd.LoadCompressedStoredSkin(&storedSkin);
    EXPECT_EQ(sd.CtrlList.size(), 29u);
}

TEST(SkinRepository, ANegativeListCountReadsNoEntries)
{
    const TbsSkinPackage parts = ReadSkinPackage(TestStoredSkin()->DeCompressed());
    for (const char* count : {"-1", "-2147483648"}) {
        SCOPED_TRACE(count);
        TbsSkinPackage negative = parts;
        negative.Description.replace("[SKINCONTROLS]\r\ncount=31",
                                     QByteArray("[SKINCONTROLS]\r\ncount=") + count);
        ASSERT_NE(negative.Description, parts.Description);
        TbsCompressedStoredSkin storedSkin;
        storedSkin.LoadFromPackage(negative);
        TbsSkinData sd;
        EXPECT_NO_THROW(sd.LoadCompressedStoredSkin(&storedSkin));
        EXPECT_TRUE(sd.CtrlList.empty());
        EXPECT_FALSE(sd.ObjectList.empty());
    }
}

TEST(SkinRepository, ClearSkinSendsTheThreeChangeMessagesWithLParam1000)
{
    TSkinMessageLog log;
    TRecordingWindow window("window", log);
    TbsSkinData sd;
    sd.ClearSkin();
    ASSERT_EQ(log.Messages(), std::vector<int>({1225, 1226, 1227}));
    for (const auto& entry : log.Entries) {
        EXPECT_EQ(entry.LParam, 1000);
        EXPECT_EQ(entry.WParam, AsWParam(sd));
    }
    log.Entries.clear();
    sd.FBuilderMode = true;
    sd.ClearSkin();
    EXPECT_TRUE(log.Entries.empty());
}

TEST(SkinRepository, BroadcastOrderFollowsTheWindowOrderAndSkipsLayerBorderWindows)
{
    TSkinMessageLog log;
    TRecordingWindow first("first", log);
    TbsFormLayerWindow layer("layer", log);
    TRecordingWindow second("second", log);
    TRecordingWindow third("third", log);

    struct Case {
        const char* Name;
        bool ShowLayeredBorders;
        int LayerPicture;
        bool OwnedBySecond;
        QStringList Expected;
    };
    const Case cases[] = {
        {"plain order", true, -1, false, {"first", "second", "third"}},
        {"reversed with a layered frame", true, 2, false, {"third", "second", "first"}},
        {"not reversed when layered borders are off", false, 2, false, {"first", "second", "third"}},
        {"owner first when layered borders are off", false, -1, true, {"second", "first", "third"}},
        {"owner in line when layered borders are on", true, 2, true, {"third", "second", "first"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TbsSkinData sd(c.OwnedBySecond ? &second : nullptr);
        sd.SetShowLayeredBorders(c.ShowLayeredBorders);
        sd.LayerFrame.PictureIndex = c.LayerPicture;
        log.Entries.clear();
        sd.SendSkinDataMessage(smSkinChange);
        QStringList receivers = log.Receivers(smSkinChange);
        EXPECT_EQ(receivers, c.Expected);
    }
}

TEST(SkinRepository, PropertySettersBroadcastTheirMessages)
{
    TSkinMessageLog log;
    TRecordingWindow window("window", log);
    TbsSkinData sd;
    TbsResourceStrData strings;
    struct Case {
        const char* Name;
        std::function<void()> Set;
        std::vector<int> Expected;
    };
    const Case cases[] = {
        {"skinnable form changed", [&] { sd.SetSkinnableForm(false); }, {smSkinnableFormChanged}},
        {"skinnable form unchanged", [&] { sd.SetSkinnableForm(false); }, {}},
        {"layered borders changed", [&] { sd.SetShowLayeredBorders(false); }, {smLayeredBordersChanged}},
        {"aero blur changed", [&] { sd.SetAeroBlurEnabled(false); }, {smAeroBlurChanged}},
        {"aero blur unchanged", [&] { sd.SetAeroBlurEnabled(false); }, {}},
        {"resource strings set", [&] { sd.SetResourceStrData(&strings); }, {smResourceStringsChanged}},
        {"glow frames only stored", [&] { sd.SetShowButtonGlowFrames(false); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        log.Entries.clear();
        c.Set();
        EXPECT_EQ(log.Messages(), c.Expected);
    }
    EXPECT_FALSE(sd.ShowButtonGlowFrames());
}

TEST(SkinRepository, SkinIndexOutsideTheListChangesNothing)
{
    const auto source = TestStoredSkin();
    TbsCompressedSkinList list;
    for (int i = 0; i < 3; ++i)
        list.Add()->Skin()->SetCompressedData(source->CompressedData());
    TSkinMessageLog log;
    TRecordingWindow window("window", log);
    TbsSkinData sd;
    sd.SetSkinList(&list);
    EXPECT_FALSE(sd.Empty());
    sd.ClearAll();
    log.Entries.clear();
    for (int index : {5, 3, -1}) {
        sd.SetSkinIndex(index);
        EXPECT_EQ(sd.SkinIndex(), 0) << index;
    }
    EXPECT_TRUE(log.Entries.empty());
    EXPECT_TRUE(sd.Empty());
    sd.SetSkinIndex(2);
    EXPECT_EQ(sd.SkinIndex(), 2);
    EXPECT_FALSE(sd.Empty());
}

TEST(SkinRepository, ReferencesToDestroyedComponentsBecomeNone)
{
    TbsSkinData sd;
    auto storedSkin = std::make_unique<TbsCompressedStoredSkin>();
    auto list = std::make_unique<TbsCompressedSkinList>();
    auto strings = std::make_unique<TbsResourceStrData>();
    sd.SetCompressedStoredSkin(storedSkin.get()); // empty: nothing loads
    sd.SetSkinList(list.get());
    sd.SetResourceStrData(strings.get());
    EXPECT_TRUE(sd.Empty());
    storedSkin.reset();
    list.reset();
    strings.reset();
    EXPECT_EQ(sd.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(sd.SkinList(), nullptr);
    EXPECT_EQ(sd.ResourceStrData(), nullptr);
    sd.SetSkinIndex(4); // without a list the index is only stored
    EXPECT_EQ(sd.SkinIndex(), 4);
}

TEST(SkinRepository, ActivePicturesAreAddedAndDeletedTogetherWithTheirNames)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    sd.AddBitMap(qEnvironmentVariable("PR_TEST_DATA") + "/testskin/palette.bmp");
    ASSERT_EQ(sd.FActivePictures.size(), 6u);
    EXPECT_EQ(sd.FActivePicturesNames.last(), "palette.bmp");
    for (int index : {-1, 6, 100})
        sd.DeleteBitMap(index);
    EXPECT_EQ(sd.FActivePictures.size(), 6u);
    sd.DeleteBitMap(0);
    EXPECT_EQ(sd.FActivePictures.size(), 5u);
    EXPECT_EQ(sd.FActivePicturesNames.first(), "palette.bmp");
    EXPECT_THROW(sd.AddBitMap("/nonexistent/x.bmp"), EFOpenError);
    EXPECT_EQ(sd.FActivePictures.size(), size_t(sd.FActivePicturesNames.size()));
}

TEST(SkinRepository, GlobalChangeFontReachesTheHintWindowAndEveryRecordWithAFont)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    const int captionHeight = Find<TbsDataSkinCaption>(sd.ObjectList, "caption")->FontHeight;
    const int gridFixedHeight = Find<TbsDataSkinGridControl>(sd.CtrlList, "grid")->FixedFontHeight;
    sd.GlobalChangeFont("Sans Serif", 2);
    EXPECT_EQ(sd.HintWindow.FontName, "Sans Serif");
    EXPECT_EQ(Find<TbsDataSkinCaption>(sd.ObjectList, "caption")->FontHeight, captionHeight + 2);
    EXPECT_EQ(Find<TbsDataSkinGridControl>(sd.CtrlList, "grid")->FixedFontHeight, gridFixedHeight + 2);
    EXPECT_EQ(Find<TbsDataSkinListBox>(sd.CtrlList, "listbox")->CaptionFontName, "Sans Serif");
}

TEST(ResourceStrData, GetResStrIgnoresLetterCase)
{
    TbsResourceStrData strings;
    EXPECT_EQ(strings.ResStrings().size(), 131);
    EXPECT_EQ(strings.CharSet(), 1);
    EXPECT_EQ(strings.GetResStr("msg_btn_ok"), "OK");
    EXPECT_EQ(strings.GetResStr("MI_MINCAPTION"), "Mi&nimize");
    EXPECT_EQ(strings.GetResStr("DB_DELETE_QUESTION"), "Delete record?");
    EXPECT_EQ(strings.GetResStr("NO_SUCH_KEY"), "");
    EXPECT_EQ(strings.GetResStr("MSG_BTN"), "");
    strings.SetResStrings({"A=first=with equals", "a=second", "noequals"});
    EXPECT_EQ(strings.GetResStr("a"), "first=with equals");
    EXPECT_EQ(strings.GetResStr("noequals"), "");
}

namespace {

// What a window can see of the repository when a skin message reaches it.
struct TLoadState {
    int Msg;
    bool Empty;
    bool InProgress;
    size_t Controls;
    int ButtonIndex;
    bool LoadDataCalled;
};

// A window that notes the repository's state at every skin message it receives.
class TStateRecordingWindow : public QWidget {
public:
    TStateRecordingWindow(const TbsSkinData& sd, const bool& loadDataCalled)
        : FSkinData(sd), FLoadDataCalled(loadDataCalled)
    {
    }
    std::vector<TLoadState> States;

protected:
    bool event(QEvent* e) override
    {
        if (const TbsSkinMessageEvent* m = TbsSkinMessageEvent::From(e)) {
            EXPECT_EQ(m->WParam, AsWParam(FSkinData));
            EXPECT_EQ(m->LParam, 1000);
            States.push_back({m->Msg(), FSkinData.Empty(), FSkinData.ChangeSkinDataProcess(),
                              FSkinData.CtrlList.size(), FSkinData.GetControlIndex("button"),
                              FLoadDataCalled});
            return true;
        }
        return QWidget::event(e);
    }

private:
    const TbsSkinData& FSkinData;
    const bool& FLoadDataCalled;
};

} // namespace

TEST(SkinRepository, ASuccessfulLoadAnnouncesItselfInThreeSteps)
{
    const struct {
        const char* Name;
        std::function<void(TbsSkinData&)> Load;
    } loads[] = {
        {"folder", [](TbsSkinData& sd) { sd.LoadFromFile(TestSkinIni()); }},
        {"stored skin", [](TbsSkinData& sd) { sd.LoadCompressedStoredSkin(TestStoredSkin().get()); }},
    };
    for (const auto& load : loads) {
        SCOPED_TRACE(load.Name);
        TbsSkinData sd;
        sd.LoadFromFile(TestSkinIni());
        bool loadDataCalled = false;
        sd.OnLoadData = [&](TbsSkinData*) { loadDataCalled = true; };
        TStateRecordingWindow window(sd, loadDataCalled);
        load.Load(sd);
        ASSERT_EQ(window.States.size(), 3u);
        const TLoadState& before = window.States[0];
        const TLoadState& change = window.States[1];
        const TLoadState& after = window.States[2];

        // Before the change the old records are still there to be let go of.
        EXPECT_EQ(before.Msg, 1225);
        EXPECT_TRUE(before.Empty);
        EXPECT_TRUE(before.InProgress);
        EXPECT_EQ(before.Controls, 29u);
        EXPECT_EQ(before.ButtonIndex, 3);
        EXPECT_FALSE(before.LoadDataCalled);

        // At the change the new skin is in place while the load still counts as running.
        EXPECT_EQ(change.Msg, 1226);
        EXPECT_FALSE(change.Empty);
        EXPECT_TRUE(change.InProgress);
        EXPECT_EQ(change.Controls, 29u);
        EXPECT_EQ(change.ButtonIndex, 3);
        EXPECT_TRUE(change.LoadDataCalled);

        // After the change the load is over.
        EXPECT_EQ(after.Msg, 1227);
        EXPECT_FALSE(after.Empty);
        EXPECT_FALSE(after.InProgress);
        EXPECT_EQ(after.Controls, 29u);
    }
}

#include "test_skindata_repository.moc"
