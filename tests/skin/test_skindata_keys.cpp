// The key spellings of every record section of the test skin, pinned against the documented key
// lists: a misspelled key would otherwise read its default silently while every round trip passes.
#include "SkinDataFixtures.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

// Each record class with its parent and its own keys in written order, copied from the documented
// key tables. "disableskinrsect", "reflactioncolor", "reflactionactivecolor", "bothhscrollbarname"
// and "unenabledfontColor" are spelled that way on purpose.
struct TDocumentedKeys {
    const char* Class;
    const char* Parent;
    const char* Keys;
};

const TDocumentedKeys DocumentedKeys[] = {
    {"TbsDataSkinControl", "", "pictureindex maskpictureindex skinrect"},
    {"TbsDataSkinCustomControl", "TbsDataSkinControl",
     "lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect leftstretch topstretch "
     "rightstretch bottomstretch stretcheffect stretchtype"},
    {"TbsDataSkinButtonControl", "TbsDataSkinCustomControl",
     "fontname fontheight fontstyle fontcolor activefontcolor downfontcolor disabledfontcolor activeskinrect "
     "downskinrect focusedskinrect disabledskinrect morphing morphkind animateskinrect framecount "
     "animateinterval showfocus menumarkerflatrect menumarkerrect menumarkeractiverect menumarkerdownrect "
     "menumarkertransparentcolor glowlayerpictureindex glowlayermaskpictureindex glowlayeroffsetleft "
     "glowlayeroffsetright glowlayeroffsettop glowlayeroffsetbottom glowlayershowoffsetx "
     "glowlayershowoffsety "
     "glowlayeralphablendvalue"},
    {"TbsDataSkinMenuButtonControl", "TbsDataSkinButtonControl", "trackbuttonrect"},
    {"TbsDataSkinStdLabelControl", "TbsDataSkinControl",
     "fontname fontheight fontstyle fontcolor activefontcolor"},
    {"TbsDataSkinLabelControl", "TbsDataSkinCustomControl", "fontname fontheight fontstyle fontcolor"},
    {"TbsDataSkinEditControl", "TbsDataSkinCustomControl",
     "activeskinrect fontname fontheight fontstyle fontcolor disabledfontcolor activefontcolor buttonrect "
     "activebuttonrect downbuttonrect unenabledbuttonrect"},
    {"TbsDataSkinMemoControl", "TbsDataSkinEditControl", "bgcolor activebgcolor"},
    {"TbsDataSkinSpinEditControl", "TbsDataSkinCustomControl",
     "activeskinrect fontname fontheight fontstyle fontcolor activefontcolor disabledfontcolor upbuttonrect "
     "activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect downdownbuttonrect"},
    {"TbsDataSkinComboBox", "TbsDataSkinCustomControl",
     "activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect "
     "fontname "
     "fontheight fontstyle fontcolor focusfontcolor activefontcolor buttonrect activebuttonrect "
     "downbuttonrect "
     "unenabledbuttonrect listboxname itemstretcheffect focusitemstretcheffect showfocus"},
    {"TbsDataSkinListBox", "TbsDataSkinCustomControl",
     "itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect fontname fontheight "
     "fontstyle fontcolor activefontcolor focusfontcolor captionrect captionfontname captionfontheight "
     "captionfontstyle captionfontcolor upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect "
     "activedownbuttonrect downdownbuttonrect checkbuttonrect activecheckbuttonrect downcheckbuttonrect "
     "vscrollbarname hscrollbarname bothhscrollbarname showfocus disabledbuttonsrect buttonsarea"},
    {"TbsDataSkinCheckListBox", "TbsDataSkinListBox", "itemcheckrect uncheckimagerect checkimagerect"},
    {"TbsDataSkinScrollBarControl", "TbsDataSkinCustomControl",
     "trackarea upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
     "downdownbuttonrect thumbrect activethumbrect downthumbrect thumboffset1 thumboffset2 thumbtransparent "
     "thumbtransparentcolor thumbstretcheffect thumbminsize thumbminpagesize glyphrect activeglyphrect "
     "downglyphrect glyphtransparent glyphtransparentcolor"},
    {"TbsDataSkinUpDownControl", "TbsDataSkinCustomControl",
     "upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
     "downdownbuttonrect"},
    {"TbsDataSkinGridControl", "TbsDataSkinControl",
     "fixedcellrect selectcellrect focuscellrect fixedcellleftoffset fixedcellrightoffset fixedcelltextrect "
     "cellleftoffset cellrightoffset celltextrect linescolor bgcolor bgpictureindex fontname fontheight "
     "fontstyle fontcolor selectfontcolor focusfontcolor fixedfontname fixedfontheight fixedfontstyle "
     "fixedfontcolor cellstretcheffect fixedcellstretcheffect showfocus"},
    {"TbsDataSkinTreeView", "TbsDataSkinControl",
     "fontname fontheight fontstyle fontcolor bgcolor expandimagerect noexpandimagerect"},
    {"TbsDataSkinPanelControl", "TbsDataSkinCustomControl",
     "bgpictureindex captionrect alignment fontname fontheight fontstyle fontcolor checkimagerect "
     "uncheckimagerect markframerect framerect frametextrect frameleftoffset framerightoffset gripperrect "
     "grippertransparent grippertransparentcolor buttonrect buttonactiverect buttondownrect "
     "buttontransparent "
     "buttontransparentcolor"},
    {"TbsDataSkinCheckRadioControl", "TbsDataSkinCustomControl",
     "fontname fontheight fontstyle fontcolor framefontcolor activefontcolor unenabledfontcolor "
     "activeskinrect "
     "checkimagearea textarea checkimagerect uncheckimagerect activecheckimagerect activeuncheckimagerect "
     "unenabledcheckimagerect unenableduncheckimagerect grayedcheckimagerect activegrayedcheckimagerect "
     "morphing morphkind"},
    {"TbsDataSkinTabControl", "TbsDataSkinControl",
     "tabrect activetabrect focustabrect mouseintabrect clientrect bgpictureindex lefttoppoint righttoppoint "
     "leftbottompoint rightbottompoint tableftoffset tabrightoffset tabsbgrect tabstretcheffect leftstretch "
     "topstretch rightstretch bottomstretch stretcheffect stretchtype fontname fontheight fontstyle "
     "fontcolor "
     "activefontcolor focusfontcolor mouseinfontcolor updown showfocus focusoffsetx focusoffsety "
     "closebuttonrect closebuttonactiverect closebuttondownrect buttontransparent buttontransparentcolor "
     "dividerrect dividertransparent dividertransparentcolor mdicloserect mdicloseactiverect "
     "mdiclosedownrect "
     "mdirestorerect mdirestoreactiverect mdirestoredownrect mdiminrect mdiminactiverect mdimindownrect "
     "mdibuttonstransparent mdibuttonstransparentcolor tableftbottomactiverect tableftbottomfocusrect"},
    {"TbsDataSkinGaugeControl", "TbsDataSkinCustomControl",
     "progressarea progressrect beginoffset endoffset vertical fontname fontheight fontstyle fontcolor "
     "progresstransparent progresstransparentcolor progressstretch animationskinrect animationcountframes "
     "animationtimerinterval progressanimationskinrect progressanimationcountframes "
     "progressanimationtimerinterval animationbeginoffset animationendoffset"},
    {"TbsDataSkinTrackBarControl", "TbsDataSkinCustomControl",
     "activeskinrect trackarea buttonrect activebuttonrect vertical buttontransparent "
     "buttontransparentcolor"},
    {"TbsDataSkinSplitterControl", "TbsDataSkinCustomControl",
     "gripperrect grippertransparent grippertransparentcolor"},
    {"TbsDataSkinScrollBoxControl", "TbsDataSkinCustomControl", "bgpictureindex"},
    {"TbsDataSkinExPanelControl", "TbsDataSkinCustomControl",
     "rollhskinrect rollvskinrect rollleftoffset rollrightoffset rolltopoffset rollbottomoffset "
     "rollvcaptionrect rollhcaptionrect closebuttonrect closebuttonactiverect closebuttondownrect "
     "hrollbuttonrect hrollbuttonactiverect hrollbuttondownrect hrestorebuttonrect hrestorebuttonactiverect "
     "hrestorebuttondownrect vrollbuttonrect vrollbuttonactiverect vrollbuttondownrect vrestorebuttonrect "
     "vrestorebuttonactiverect vrestorebuttondownrect captionrect fontname fontheight fontstyle fontcolor "
     "buttonstransparent buttonstransparentcolor"},
    {"TbsDataSkinMainMenuBar", "TbsDataSkinControl",
     "itemsrect menubaritem closebutton minbutton maxbutton sysmenubutton trackmarkcolor "
     "trackmarkactivecolor "
     "stretcheffect itemtransparent"},
    {"TbsDataSkinControlBar", "TbsDataSkinCustomControl",
     "itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 itemoffset1 itemoffset2 "
     "itemstretcheffect itemtransparent itemtransparentcolor griptransparent griptransparentcolor"},
    {"TbsDataSkinAppMenu", "TbsDataSkinCustomControl",
     "bgpictureindex bgstretcheffect bgpagepictureindex bgpagestretcheffect itemrect pageitemrect "
     "pageitemactiverect itemoffset1 itemoffset2 pageitemoffset1 pageitemoffset2 pageoffset fontname "
     "fontheight fontpageheight fontstyle fontcolor disabledfontcolor activefontcolor fontpagecolor "
     "activefontpagecolor gripperrect grippertransparentcolor toplinerect toplineoffset1 toplineoffset2 "
     "backbuttonrect backbuttonactiverect captionrect captionleftoffset captiontopoffset"},
    {"TbsDataSkinBevel", "TbsDataSkinControl", "lightcolor darkcolor"},
    {"TbsDataSkinSlider", "TbsDataSkinControl",
     "bgcolor hrulerrect hthumbrect vrulerrect vthumbrect edgesize pointscolor"},
    {"TbsDataSkinListView", "TbsDataSkinControl", "fontname fontheight fontstyle fontcolor bgcolor"},
    {"TbsDataSkinRichEdit", "TbsDataSkinControl", "fontname fontheight fontstyle fontcolor bgcolor"},

    {"TbsDataSkinObject", "",
     "hint activepictureindex activemaskpictureindex skinrectinapicture skinrect activeskinrect "
     "inactiveskinrect morphing morphkind glowlayerpictureindex glowlayermaskpictureindex glowlayeroffsetx "
     "glowlayeroffsety glowlayeralphablendvalue"},
    {"TbsDataSkinButton", "TbsDataSkinObject",
     "downrect disableskinrsect alphamaskpictureindex alphamaskactivepictureindex "
     "alphamaskinactivepictureindex"},
    {"TbsDataSkinStdButton", "TbsDataSkinButton",
     "command restorerect restoreactiverect restoredownrect restoreinactiverect restorehint"},
    {"TbsDataSkinMainMenuBarButton", "TbsDataSkinStdButton", ""},
    {"TbsDataSkinMenuItem", "TbsDataSkinObject",
     "itemleftoffset itemrightoffset dividerrect dividerleftoffset dividerrightoffset textrect imagerect "
     "fontname fontheight fontstyle fontcolor activefontcolor unenabledfontcolor stretcheffect "
     "inactivestretcheffect dividerstretcheffect animateskinrect framecount animateinterval "
     "inactiveanimation "
     "useimagecolor imagecolor activeimagecolor inactivetransparent checkimagerect activecheckimagerect "
     "radioimagerect activeradioimagerect arrowimagerect activearrowimagerect"},
    {"TbsDataSkinMainMenuItem", "TbsDataSkinObject",
     "itemleftoffset itemrightoffset downrect textrect fontname fontheight fontstyle fontcolor "
     "activefontcolor "
     "downfontcolor unenabledfontColor stretcheffect animateskinrect framecount animateinterval "
     "inactiveanimation"},
    {"TbsDataSkinMainMenuBarItem", "TbsDataSkinMainMenuItem", ""},
    {"TbsDataSkinCaption", "TbsDataSkinObject",
     "textrect fontname fontheight fontstyle fontcolor activefontcolor alignment light lightcolor "
     "activelightcolor shadow shadowcolor activeshadowcolor framerect activeframerect frametextrect "
     "frameleftoffset framerightoffset stretcheffect animateskinrect framecount animateinterval "
     "inactiveanimation fullframe vistagloweffect vistaglowinactiveeffect gloweffect glowinactiveeffect "
     "glowsize glowcolor glowactivecolor glowoffset reflectioneffect reflactioncolor reflactionactivecolor "
     "reflectionoffset dividerrect inactivedividerrect dividertransparent dividertransparentcolor "
     "quickbuttonalphamaskpictureindex"},
    {"TbsDataSkinAnimate", "TbsDataSkinObject",
     "countframes cycle buttonstyle timerinterval command downskinrect restorerect restoreactiverect "
     "restoredownrect restoreinactiverect restorehint"},
    // The user object reads and writes its skin rectangle only, not the keys of the object base.
    {"TbsDataUserObject", "", "skinrect"},

    {"TbsFormInfo", "",
     "lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect bgpictureindex "
     "mdibgpictureindex "
     "leftstretch rightstretch topstretch bottomstretch stretcheffect stretchtype mdibgstretcheffect "
     "mdibgstretchtype maskrectarea hittestlefttoppoint hittestrighttoppoint hittestleftbottompoint "
     "hittestrightbottompoint buttonsrect captionrect buttonsoffset buttonsinleft mainmenupopupup "
     "borderwidth "
     "autorenderinginactiveimage inactiveeffect formminwidth formminheight mditabstransparent "
     "mainmenubartransparent"},
    {"TbsDataSkinPopupWindow", "",
     "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint rightbottompoint "
     "itemsrect scrollmarkercolor scrollmarkeractivecolor leftstretch rightstretch topstretch bottomstretch "
     "stretcheffect stretchtype"},
    {"TbsDataSkinLayerFrame", "",
     "pictureindex maskpictureindex inactivepictureindex inactivemaskpictureindex lefttoppoint righttoppoint "
     "leftbottompoint rightbottompoint clientrect alphablendvalue inactivealphablendvalue borderrect "
     "hittestenable fullborder hittestsize captionrect hittestlefttoppoint hittestrighttoppoint "
     "hittestleftbottompoint hittestrightbottompoint buttonsrect sysmenubuttonrect fullstretch "
     "rollupformheight buttonstopoffset sysbuttontopoffset blurmaskpictureindex intersectblurmaskrect "
     "excludeblurmaskrect leftoffset topoffset widthoffset heightoffset"},
    {"TbsDataSkinHintWindow", "",
     "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint rightbottompoint "
     "clientrect fontname fontheight fontstyle fontcolor leftstretch rightstretch topstretch bottomstretch "
     "stretcheffect stretchtype"},
    {"TbsSkinColors", "",
     "cbtnface cbtntext cwindow cwindowtext chighlight chighlighttext cbtnhighlight cbtnshadow"},
};

// The record class that each entry type of [SKINOBJECTS] and [SKINCONTROLS] creates.
const std::map<QString, QString> ObjectClasses = {
    {"menuitem", "TbsDataSkinMenuItem"},   {"mainmenubaritem", "TbsDataSkinMainMenuBarItem"},
    {"stdbutton", "TbsDataSkinStdButton"}, {"mainmenubarbutton", "TbsDataSkinMainMenuBarButton"},
    {"button", "TbsDataSkinButton"},       {"caption", "TbsDataSkinCaption"},
    {"animate", "TbsDataSkinAnimate"},     {"userobject", "TbsDataUserObject"}};
const std::map<QString, QString> ControlClasses = {{"panel", "TbsDataSkinPanelControl"},
                                                   {"expanel", "TbsDataSkinExPanelControl"},
                                                   {"menubutton", "TbsDataSkinMenuButtonControl"},
                                                   {"button", "TbsDataSkinButtonControl"},
                                                   {"checkradio", "TbsDataSkinCheckRadioControl"},
                                                   {"gauge", "TbsDataSkinGaugeControl"},
                                                   {"splitter", "TbsDataSkinSplitterControl"},
                                                   {"trackbar", "TbsDataSkinTrackBarControl"},
                                                   {"label", "TbsDataSkinLabelControl"},
                                                   {"stdlabel", "TbsDataSkinStdLabelControl"},
                                                   {"updown", "TbsDataSkinUpDownControl"},
                                                   {"grid", "TbsDataSkinGridControl"},
                                                   {"tab", "TbsDataSkinTabControl"},
                                                   {"mainmenubar", "TbsDataSkinMainMenuBar"},
                                                   {"controlbar", "TbsDataSkinControlBar"},
                                                   {"appmenu", "TbsDataSkinAppMenu"},
                                                   {"memo", "TbsDataSkinMemoControl"},
                                                   {"edit", "TbsDataSkinEditControl"},
                                                   {"checklistbox", "TbsDataSkinCheckListBox"},
                                                   {"listbox", "TbsDataSkinListBox"},
                                                   {"combobox", "TbsDataSkinComboBox"},
                                                   {"scrollbar", "TbsDataSkinScrollBarControl"},
                                                   {"spinedit", "TbsDataSkinSpinEditControl"},
                                                   {"scrollbox", "TbsDataSkinScrollBoxControl"},
                                                   {"treeview", "TbsDataSkinTreeView"},
                                                   {"bevel", "TbsDataSkinBevel"},
                                                   {"slider", "TbsDataSkinSlider"},
                                                   {"listview", "TbsDataSkinListView"},
                                                   {"richedit", "TbsDataSkinRichEdit"}};

// The documented keys of a class in written order: its ancestors' keys first.
QStringList ExpectedKeys(const QString& className)
{
    for (const TDocumentedKeys& row : DocumentedKeys)
        if (className == QLatin1String(row.Class)) {
            QStringList keys = *row.Parent ? ExpectedKeys(QLatin1String(row.Parent)) : QStringList();
            return keys + QString::fromLatin1(row.Keys).split(u' ', Qt::SkipEmptyParts);
        }
    ADD_FAILURE() << "no documented keys for " << className.toStdString();
    return {};
}

// A value of the field's kind other than the default.
template <class T> T OtherValue(const T& def)
{
    if constexpr (std::is_same_v<T, qint32>)
        return def + 7;
    else if constexpr (std::is_same_v<T, bool>)
        return !def;
    else if constexpr (std::is_same_v<T, QString>)
        return def + QStringLiteral("x");
    else if constexpr (std::is_same_v<T, TPoint>)
        return TPoint{def.X + 3, def.Y + 4};
    else if constexpr (std::is_same_v<T, TRect>)
        return TRect{def.Left + 1, def.Top + 2, def.Right + 30, def.Bottom + 40};
    else if constexpr (std::is_same_v<T, TFontStyles>)
        return def ^ fsItalic;
    else
        return T(int(def) == 0 ? 1 : 0);
}

// A record section of the test skin: its record as loaded and a maker of a fresh one of its class.
struct TRecordSection {
    QString Section;
    QString Class;
    const TbsSkinRecord* Loaded;
    std::function<std::unique_ptr<TbsSkinRecord>()> Fresh;
};

template <class Record> std::function<std::unique_ptr<TbsSkinRecord>()> MakerOf()
{
    return [] { return std::make_unique<Record>(); };
}

std::vector<TRecordSection> RecordSections(const TbsSkinData& sd)
{
    std::vector<TRecordSection> sections = {
        {"FORMINFO", "TbsFormInfo", &static_cast<const TbsFormInfo&>(sd), MakerOf<TbsFormInfo>()},
        {"POPUPWINDOW", "TbsDataSkinPopupWindow", &sd.PopupWindow, MakerOf<TbsDataSkinPopupWindow>()},
        {"LAYERFRAME", "TbsDataSkinLayerFrame", &sd.LayerFrame, MakerOf<TbsDataSkinLayerFrame>()},
        {"HINTWINDOW", "TbsDataSkinHintWindow", &sd.HintWindow, MakerOf<TbsDataSkinHintWindow>()},
        {"SKINCOLORS", "TbsSkinColors", &sd.FSkinColors, MakerOf<TbsSkinColors>()},
    };
    for (const auto& record : sd.ObjectList) {
        const QString type = SkinObjectTypeName(*record);
        const QString name = record->IDName;
        sections.push_back({name, ObjectClasses.at(type), record.get(), [type, name] {
                                return std::unique_ptr<TbsSkinRecord>(CreateSkinObject(type, name));
                            }});
    }
    for (const auto& record : sd.CtrlList) {
        const QString type = SkinControlTypeName(*record);
        const QString name = record->IDName;
        sections.push_back({name, ControlClasses.at(type), record.get(), [type, name] {
                                return std::unique_ptr<TbsSkinRecord>(CreateSkinControl(type, name));
                            }});
    }
    return sections;
}

// The one key of a record class whose value a read does not keep: an animated object never morphs.
bool ReadIsOverridden(const QString& className, const QString& key)
{
    return className == QLatin1String("TbsDataSkinAnimate") && key == QLatin1String("morphing");
}

} // namespace

TEST(SkinRecordKeys, EveryRecordSectionOfTheTestSkinReadsAndWritesTheDocumentedKeys)
{
    TbsSkinData sd;
    sd.LoadFromFile(TestSkinIni());
    ASSERT_FALSE(sd.Empty());
    const std::vector<TRecordSection> sections = RecordSections(sd);
    // Every record kind of the test skin is covered: 5 fixed sections, 9 objects and 29 controls.
    EXPECT_EQ(sections.size(), 5u + 9u + 29u);

    for (const TRecordSection& s : sections) {
        SCOPED_TRACE(s.Section.toStdString() + " (" + s.Class.toStdString() + ")");
        const QStringList expected = ExpectedKeys(s.Class);

        QStringList read;
        for (const TbsRecordKey& key : s.Loaded->Keys().Keys())
            read << key.Name;
        EXPECT_EQ(read, expected) << "keys read";

        TbsIniText written;
        s.Loaded->SaveToFile(written);
        EXPECT_EQ(written.Keys(s.Section), expected) << "keys written";

        // Each key, alone in its section with a value other than the default, reaches a field of
        // its own: the first field that then differs from a record read from an empty section is
        // the key's.
        const std::unique_ptr<TbsSkinRecord> fresh = s.Fresh();
        fresh->LoadFromFile(TbsIniText(QStringLiteral("[%1]\r\n").arg(s.Section)));
        for (const TbsRecordKey& key : s.Loaded->Keys().Keys()) {
            if (ReadIsOverridden(s.Class, key.Name))
                continue;
            const QString value = std::visit(
                [](auto* field) { return SkinValue::EncodeValue(OtherValue(*field)); }, key.Field(*fresh));
            const std::unique_ptr<TbsSkinRecord> record = s.Fresh();
            record->LoadFromFile(
                TbsIniText(QStringLiteral("[%1]\r\n%2=%3\r\n").arg(s.Section, key.Name, value)));
            EXPECT_EQ(record->FirstDifference(*fresh), key.Name) << "reading " << key.Name.toStdString();
        }
    }
}
