// The program's own skin: the figures other parts of the system are built around, packing and
// reading back, repeatable output, and sound geometry at every palette and scale.
#include "../skin/SkinComparison.h"
#include "OurSkinBuilder.h"
#include "bsSkinData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

TOurSkinOptions Options(const char* palette, double scale)
{
    TOurSkinOptions options;
    PaletteByName(QString::fromLatin1(palette), options.Palette);
    options.Scale = scale;
    return options;
}

template <class T> const T* Control(const TbsSkinData& skin, const char* name)
{
    const int i = skin.GetControlIndex(QString::fromLatin1(name));
    return i < 0 ? nullptr : dynamic_cast<const T*>(skin.CtrlList[size_t(i)].get());
}

template <class T> const T* Object(const TbsSkinData& skin, const char* name)
{
    const int i = skin.GetIndex(QString::fromLatin1(name));
    return i < 0 ? nullptr : dynamic_cast<const T*>(skin.ObjectList[size_t(i)].get());
}

QSize PictureSize(const TbsSkinPicture& picture)
{
    return picture.Image().size();
}

QString Text(const TRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

QString Text(const TPoint& p)
{
    return QStringLiteral("%1,%2").arg(p.X).arg(p.Y);
}

QString Text(const QSize& s)
{
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

QString Size(const TRect& r)
{
    return Text(QSize(r.Right - r.Left, r.Bottom - r.Top));
}

class OurSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FDir = new QTemporaryDir;
        WriteOurSkinFolder(FDir->filePath(QStringLiteral("skin.ini")), TOurSkinOptions());
        FSkin = new TbsSkinData;
        FSkin->LoadFromFile(FDir->filePath(QStringLiteral("skin.ini")));
    }
    static void TearDownTestSuite()
    {
        delete FSkin;
        delete FDir;
    }
    static QTemporaryDir* FDir;
    static TbsSkinData* FSkin;
};

QTemporaryDir* OurSkin::FDir = nullptr;
TbsSkinData* OurSkin::FSkin = nullptr;

TEST_F(OurSkin, KeepsTheFiguresTheWindowsAndControlsAreBuiltAround)
{
    const TbsSkinData& s = *FSkin;
    ASSERT_FALSE(s.Empty());
    const auto* button = Control<TbsDataSkinButtonControl>(s, "button");
    const auto* resizeTool = Control<TbsDataSkinButtonControl>(s, "resizetoolbutton");
    const auto* edit = Control<TbsDataSkinEditControl>(s, "edit");
    const auto* group = Control<TbsDataSkinPanelControl>(s, "groupbox");
    const auto* tab = Control<TbsDataSkinTabControl>(s, "tab");
    const auto* hupdown = Control<TbsDataSkinUpDownControl>(s, "hupdown");
    const auto* list = Control<TbsDataSkinListBox>(s, "listbox");
    const auto* hbar = Control<TbsDataSkinScrollBarControl>(s, "hscrollbar");
    const auto* grid = Control<TbsDataSkinGridControl>(s, "grid");
    const auto* label = Control<TbsDataSkinStdLabelControl>(s, "stdlabel");
    const auto* slider = Control<TbsDataSkinSlider>(s, "slider");
    const auto* close = Object<TbsDataSkinStdButton>(s, "closebutton");
    const auto* maximize = Object<TbsDataSkinStdButton>(s, "maximizebutton");
    const auto* minimize = Object<TbsDataSkinStdButton>(s, "minimizebutton");
    const auto* sysmenu = Object<TbsDataSkinStdButton>(s, "sysmenubutton");
    const auto* item = Object<TbsDataSkinMenuItem>(s, "menuitem");
    for (const void* found :
         {(const void*)button, (const void*)resizeTool, (const void*)edit, (const void*)group,
          (const void*)tab, (const void*)hupdown, (const void*)list, (const void*)hbar, (const void*)grid,
          (const void*)label, (const void*)slider, (const void*)close, (const void*)maximize,
          (const void*)minimize, (const void*)sysmenu, (const void*)item})
        ASSERT_NE(found, nullptr);

    struct Figure {
        const char* name;
        QString actual;
        QString expected;
    };
    const Figure figures[] = {
        {"frame picture", Text(PictureSize(s.FPicture)), "236 x 178"},
        {"inactive frame picture", Text(PictureSize(s.FInActivePicture)), "236 x 178"},
        {"no window mask", QString::number(s.FMask.Empty()), "1"},
        {"client rectangle", Text(s.ClRect), "1,24,235,177"},
        {"hit-test top-left corner", Text(s.HitTestLTPoint), "6,7"},
        {"minimum width", QString::number(s.FormMinWidth), "200"},
        {"rolled-up bar height",
         QString::number(PictureSize(s.FPicture).height() - (s.ClRect.Bottom - s.ClRect.Top)), "25"},
        {"caption buttons offset", QString::number(s.ButtonsOffset), "0"},
        {"caption buttons in the right", QString::number(s.CapButtonsInLeft), "0"},
        {"close button", Size(close->SkinRect), "29 x 22"},
        {"close button rectangles",
         Text(close->SkinRect) + " " + Text(close->ActiveSkinRect) + " " + Text(close->DownRect) + " " +
             Text(close->InActiveSkinRect),
         "1,2,30,24 32,2,61,24 63,2,92,24 95,2,124,24"},
        {"close button picture",
         QString::number(close->ActivePictureIndex) + " " + QString::number(close->SkinRectInAPicture),
         "0 1"},
        {"close button command and glow offsets",
         QString::number(close->Command) + " " + QString::number(close->GlowLayerOffsetX) + "," +
             QString::number(close->GlowLayerOffsetY) + " " + close->Hint,
         QString::number(cmClose) + " 12,11 Close"},
        {"maximize button", Size(maximize->SkinRect) + " " + maximize->Hint + " " + maximize->RestoreHint,
         "29 x 22 Maximize Restore"},
        {"minimize button", Size(minimize->SkinRect), "29 x 22"},
        {"system menu button", Size(sysmenu->SkinRect), "18 x 18"},
        {"no glow pictures", QString::number(close->GlowLayerPictureIndex), "-1"},
        {"object list",
         QString::number(s.ObjectList.size()) + " " + QString::number(s.GetIndex("dialogclosebutton")),
         "12 11"},
        {"control list",
         QString::number(s.CtrlList.size()) + " " + QString::number(s.GetControlIndex("button")) + " " +
             QString::number(s.GetControlIndex("header")),
         "74 0 73"},
        {"menu item", Size(item->SkinRect), "63 x 22"},
        {"menu item text", QString::number(item->TextRct.Left) + ".." + QString::number(item->TextRct.Right),
         "29..61"},
        {"menu divider height", QString::number(item->DividerRect.Bottom - item->DividerRect.Top), "3"},
        {"popup picture",
         QString::number(s.PopupWindow.WindowPictureIndex) + " " + Text(PictureSize(s.FActivePictures[1])),
         "1 71 x 70"},
        {"popup items rectangle", Text(s.PopupWindow.ItemsRect), "2,2,69,68"},
        {"scroll markers",
         QString::number(s.PopupWindow.ScrollMarkerColor) + " " +
             QString::number(s.PopupWindow.ScrollMarkerActiveColor),
         "8421504 0"},
        {"layered border pictures",
         QString::number(s.LayerFrame.PictureIndex) + " " + QString::number(s.LayerFrame.MaskPictureIndex) +
             " " + QString::number(s.LayerFrame.InActiveMaskPictureIndex) + " " +
             Text(PictureSize(s.FActivePictures[6])),
         "6 7 8 153 x 110"},
        {"layered border client", Text(s.LayerFrame.ClRect), "13,14,134,92"},
        {"layered border corners",
         Text(s.LayerFrame.LTPoint) + " " + Text(s.LayerFrame.RTPoint) + " " + Text(s.LayerFrame.LBPoint) +
             " " + Text(s.LayerFrame.RBPoint),
         "24,22 127,20 20,84 126,85"},
        {"layered border opacities and mode",
         QString::number(s.LayerFrame.AlphaBlendValue) + " " +
             QString::number(s.LayerFrame.InActiveAlphaBlendValue) + " " +
             QString::number(s.LayerFrame.FullBorder) + " " + Text(s.LayerFrame.BorderRect),
         "255 255 0 0,0,0,0"},
        {"hint window",
         QString::number(s.HintWindow.WindowPictureIndex) + " " + Text(s.HintWindow.ClRect) + " " +
             s.HintWindow.FontName + " " + QString::number(s.HintWindow.FontHeight) + " " +
             QString::number(s.HintWindow.FontColor),
         "3 2,2,38,18 Tahoma 13 4473924"},
        {"button faces",
         Text(button->SkinRect) + " " + Text(button->ActiveSkinRect) + " " + Text(button->DownSkinRect) +
             " " + Text(button->FocusedSkinRect) + " " + Text(button->DisabledSkinRect),
         "0,0,20,23 21,0,41,23 42,0,62,23 21,0,41,23 63,0,83,23"},
        {"button geometry",
         QString::number(button->PictureIndex) + " " + Text(button->LTPoint) + " " + Text(button->RTPoint) +
             " " + Text(button->LBPoint) + " " + Text(button->RBPoint) + " " + Text(button->ClRect),
         "4 4,11 15,10 0,0 0,0 2,3,18,21"},
        {"button font",
         button->FontName + " " + QString::number(button->FontHeight) + " " +
             QString::number(button->FontColor) + " " + QString::number(button->DisabledFontColor) + " " +
             QString::number(button->FrameCount) + " " + QString::number(button->AnimateInterval) + " " +
             Text(button->AnimateSkinRect) + " " + QString::number(button->GlowLayerPictureIndex),
         "Tahoma 13 4473924 12632256 4 30 0,0,0,0 -1"},
        {"resize tool button",
         Size(resizeTool->SkinRect) + " " + Text(resizeTool->LTPoint) + " " + Text(resizeTool->RTPoint) +
             " " + Text(resizeTool->LBPoint) + " " + Text(resizeTool->RBPoint) + " " +
             Text(resizeTool->ClRect) + " " +
             QString::number(resizeTool->LeftStretch && resizeTool->TopStretch && resizeTool->RightStretch &&
                             resizeTool->BottomStretch),
         "40 x 39 3,3 36,3 4,36 36,36 3,3,37,36 1"},
        {"edit",
         Text(edit->SkinRect) + " " + Text(edit->LTPoint) + " " + Text(edit->RTPoint) + " " +
             Text(edit->LBPoint) + " " + Text(edit->RBPoint) + " " + Text(edit->ClRect) + " " +
             QString::number(edit->StretchEffect) + " " + Text(edit->ActiveSkinRect) + " " +
             QString::number(edit->DisabledFontColor) + " " + Text(edit->ButtonRect),
         "225,98,282,117 4,10 51,11 0,0 0,0 2,2,55,17 1 415,73,472,92 8421504 0,0,0,0"},
        {"standard label",
         QString::number(label->PictureIndex) + " " + QString::number(label->FontColor) + " " +
             QString::number(label->ActiveFontColor),
         "-1 4473924 14990498"},
        {"group box caption", Text(group->CaptionRect), "4,2,55,15"},
        {"tab faces", Size(tab->TabRect) + " " + Size(tab->ActiveTabRect) + " " + tab->UpDown,
         "59 x 20 59 x 21 hupdown"},
        {"tab up-down",
         Size(hupdown->SkinRect) + " " +
             QString::number(hupdown->RBPoint == TPoint{} && hupdown->RTPoint == TPoint{} &&
                             hupdown->LBPoint == TPoint{}),
         "30 x 15 1"},
        {"list box",
         Size(list->SkinRect) + " " + Text(list->ClRect) + " " +
             QString::number(list->SItemRect.Bottom - list->SItemRect.Top),
         "59 x 52 2,2,57,50 20"},
        {"horizontal scroll bar",
         Size(hbar->SkinRect) + " " + Text(hbar->TrackArea) + " " + Text(hbar->DownButtonRect) + " " +
             Text(hbar->UpButtonRect) + " " + QString::number(hbar->RTPoint.X) + " " +
             QString::number(hbar->ThumbMinPageSize),
         "66 x 15 15,0,51,15 0,0,15,15 51,0,66,15 48 17"},
        {"grid rows", QString::number(grid->SelectCellRect.Bottom - grid->SelectCellRect.Top), "19"},
        {"slider",
         Text(slider->HRulerRect) + " " + Text(slider->HThumbRect) + " " + Text(slider->VRulerRect) + " " +
             Text(slider->VThumbRect) + " " + QString::number(slider->EdgeSize) + " " +
             QString::number(slider->BGColor),
         "327,278,340,283 304,280,316,295 327,285,332,298 302,268,333,274 2 16777215"},
        {"button face colour", QString::number(s.FSkinColors.FcBtnFace), "16777215"},
    };
    for (const Figure& f : figures)
        EXPECT_EQ(f.actual, f.expected) << f.name;
}

TEST_F(OurSkin, FrameObjectsComeInTheOrderTheFrameCreatesThem)
{
    QStringList frameObjects;
    for (const auto& o : FSkin->ObjectList)
        if (dynamic_cast<const TbsDataSkinCaption*>(o.get()) ||
            (dynamic_cast<const TbsDataSkinStdButton*>(o.get()) &&
             !dynamic_cast<const TbsDataSkinMainMenuBarButton*>(o.get())))
            frameObjects << o->IDName;
    EXPECT_EQ(frameObjects, QStringList({"caption", "closebutton", "minimizebutton", "maximizebutton",
                                         "sysmenubutton", "dialogclosebutton"}));
}

TEST_F(OurSkin, PacksUnpacksAndLoadsToEqualRecords)
{
    TbsCompressedStoredSkin stored;
    stored.LoadFromIniFile(FDir->filePath(QStringLiteral("skin.ini")));
    ASSERT_FALSE(stored.Empty());
    EXPECT_EQ(stored.CompressedData().left(2), QByteArray("\x78\xDA"));
    TbsSkinData unpacked;
    unpacked.LoadCompressedStoredSkin(&stored);
    ASSERT_FALSE(unpacked.Empty());
    ExpectSameSkin(*FSkin, unpacked);

    TbsSkinData built;
    BuildOurSkin(built, TOurSkinOptions());
    ExpectSameSkin(built, *FSkin);
}

// Every file of two folders, byte for byte.
void ExpectSameFolders(const QString& a, const QString& b)
{
    const QStringList files = QDir(a).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files, QDir(b).entryList(QDir::Files, QDir::Name));
    for (const QString& name : files) {
        QFile fa(a + '/' + name), fb(b + '/' + name);
        ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        EXPECT_TRUE(fa.readAll() == fb.readAll()) << name.toStdString();
    }
}

struct Variant {
    const char* name;
    const char* palette;
    double scale;
};
const Variant Variants[] = {{"light_1", "light", 1},     {"light_1_25", "light", 1.25},
                            {"light_1_5", "light", 1.5}, {"light_2", "light", 2},
                            {"dark_1", "dark", 1},       {"dark_2", "dark", 2}};

class OurSkinVariant : public ::testing::TestWithParam<Variant> {};

TEST_P(OurSkinVariant, TwoRunsWriteIdenticalBytes)
{
    QTemporaryDir first, second;
    WriteOurSkinFolder(first.filePath("skin.ini"), Options(GetParam().palette, GetParam().scale));
    WriteOurSkinFolder(second.filePath("skin.ini"), Options(GetParam().palette, GetParam().scale));
    ExpectSameFolders(first.path(), second.path());
}

// Every picture rectangle of every record lies inside its picture, and the window pictures have
// the scaled size: the geometry and the pictures come from one source at every scale.
TEST_P(OurSkinVariant, EveryPartLiesInsideItsPicture)
{
    TbsSkinData skin;
    BuildOurSkin(skin, Options(GetParam().palette, GetParam().scale));
    const double s = GetParam().scale;
    EXPECT_EQ(PictureSize(skin.FPicture), QSize(int(std::nearbyint(236 * s)), int(std::nearbyint(178 * s))));
    EXPECT_EQ(skin.ClRect.Top, int(std::nearbyint(24 * s)));
    auto inside = [&](const TRect& r, int picture, const QString& what) {
        if (r.Right - r.Left <= 0 || r.Bottom - r.Top <= 0)
            return;
        ASSERT_GE(picture, 0) << what.toStdString();
        ASSERT_LT(size_t(picture), skin.FActivePictures.size()) << what.toStdString();
        const QRect bounds(QPoint(0, 0), PictureSize(skin.FActivePictures[size_t(picture)]));
        EXPECT_TRUE(bounds.contains(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)))
            << what.toStdString() << " " << Text(r).toStdString();
    };
    for (const auto& record : skin.CtrlList) {
        const auto* c = record.get();
        inside(c->SkinRect, c->PictureIndex, c->IDName);
        if (const auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(c))
            for (const TRect& r :
                 {b->ActiveSkinRect, b->DownSkinRect, b->FocusedSkinRect, b->DisabledSkinRect})
                inside(r, b->PictureIndex, b->IDName);
        if (const auto* sb = dynamic_cast<const TbsDataSkinScrollBarControl*>(c))
            for (const TRect& r :
                 {sb->ThumbRect, sb->ActiveThumbRect, sb->DownThumbRect, sb->ActiveUpButtonRect})
                inside(r, sb->PictureIndex, sb->IDName);
        if (const auto* g = dynamic_cast<const TbsDataSkinGridControl*>(c))
            for (const TRect& r : {g->FixedCellRect, g->SelectCellRect, g->FocusCellRect})
                inside(r, g->PictureIndex, g->IDName);
        if (const auto* t = dynamic_cast<const TbsDataSkinTabControl*>(c))
            for (const TRect& r : {t->TabRect, t->ActiveTabRect, t->FocusTabRect, t->MouseInTabRect})
                inside(r, t->PictureIndex, t->IDName);
    }
    for (const auto& record : skin.ObjectList) {
        const auto* o = record.get();
        if (o->SkinRectInAPicture)
            inside(o->SkinRect, o->ActivePictureIndex, o->IDName);
        inside(o->ActiveSkinRect, o->ActivePictureIndex, o->IDName);
    }
    EXPECT_NE(skin.LayerFrame.FSourceBitmap, nullptr);
}

INSTANTIATE_TEST_SUITE_P(PalettesAndScales, OurSkinVariant, ::testing::ValuesIn(Variants),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
