// The skinned message dialog: caption, icon, layout, default and cancel buttons, keys, the
// show-again box and the frame's width limits, without and with a repository.
#include "../skinctrls/OurSkinRepository.h"
#include "../skinctrls/SmallSkin.h"
#include "DialogRecorder.h"
#include "TApplication.h"
#include "TImageList.h"
#include "bsDataSkinControls.h"
#include "bsMessages.h"
#include "bsResourceStrData.h"
#include "bsSkinButton.h"
#include "bsSkinForm.h"
#include "bsSkinStdLabel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What a shown dialog looked like, and how it answered.
struct TShown {
    TDialogRequest Request;
    TModalResult Result = mrNone;
    // The result the dialog had when act was done with it: mrNone while it was still open.
    TModalResult Ended = mrNone;
    QSize Client;
    int WindowWidth = 0;
    QRect Label;
    QStringList Names;
    QStringList Captions;
    QList<QRect> Buttons;
    QString Default;
    QString Cancel;
    QString Focused;
    bool HasImage = false;
    QRect Image;
    bool HasCheckBox = false;
    QRect CheckBox;
    QString CheckBoxText;
    bool CheckBoxTicked = false;
};

TShown Look(TbsMessageForm& form)
{
    TShown shown;
    shown.Client = form.ClientWidget()->size();
    shown.WindowWidth = form.width();
    shown.Label = form.Message->geometry();
    for (TbsSkinButton* button : form.findChildren<TbsSkinButton*>()) {
        shown.Names << button->objectName();
        shown.Captions << button->Caption();
        shown.Buttons << button->geometry();
        if (button->Default())
            shown.Default = button->objectName();
        if (button->Cancel())
            shown.Cancel = button->objectName();
    }
    if (QWidget* focus = form.focusWidget())
        shown.Focused = focus->objectName();
    if (form.Image) {
        shown.HasImage = true;
        shown.Image = form.Image->geometry();
    }
    if (form.DisplayCheckBox) {
        shown.HasCheckBox = true;
        shown.CheckBox = form.DisplayCheckBox->geometry();
        shown.CheckBoxText = form.DisplayCheckBox->text();
        shown.CheckBoxTicked = form.DisplayCheckBox->isChecked();
    }
    return shown;
}

// Shows one dialog through show (a call of the component); act, when given, works the shown window
// (keys, clicks) and ends it. Without act the recorder answers.
TShown ShowDialog(const std::function<TModalResult()>& show,
                  const std::function<void(TbsMessageForm&)>& act = {})
{
    TDialogRecorder recorder;
    TShown shown;
    recorder.OnDialog = [&](TModalForm& modal) {
        auto& form = dynamic_cast<TbsMessageForm&>(modal);
        shown = Look(form);
        if (!act)
            return;
        form.Show();
        QTRY_VERIFY(form.isActiveWindow());
        act(form);
        shown.Ended = form.ModalResult();
    };
    const TModalResult result = show();
    EXPECT_EQ(recorder.Shown().size(), 1u);
    if (!recorder.Shown().empty())
        shown.Request = recorder.Shown()[0];
    shown.Result = result;
    return shown;
}

TShown RunMessage(TbsSkinMessage& message, TMsgDlgButtons buttons,
                  const std::function<void(TbsMessageForm&)>& act = {}, TMsgDlgType type = mtError)
{
    return ShowDialog([&] { return message.MessageDlg(QStringLiteral("功能开发中"), type, buttons, 0); },
                      act);
}

void Key(TbsMessageForm& form, Qt::Key key)
{
    QTest::keyClick(form.focusWidget() ? form.focusWidget() : &form, key);
}

// A repository with a 30-pixel high button picture, a check box record with its own font, and
// resource strings that differ from the built-in texts.
class SkinnedMessage : public ::testing::Test {
protected:
    void SetUp() override
    {
        TSmallSkin small;
        const int picture =
            small.AddPicture(ColourBlocks({Qt::gray, Qt::white, Qt::darkGray, Qt::lightGray}, 70, 30));
        auto& button = small.AddControl<TbsDataSkinButtonControl>(QStringLiteral("button"));
        button.PictureIndex = picture;
        button.SkinRect = BlockRect(0, 70, 30);
        button.ActiveSkinRect = BlockRect(1, 70, 30);
        button.DownSkinRect = BlockRect(2, 70, 30);
        auto& box = small.AddControl<TbsDataSkinCheckRadioControl>(QStringLiteral("checkbox"));
        box.FontName = QStringLiteral("Tahoma");
        box.FontHeight = 20;
        small.LoadInto(FSkin);
        QStringList texts;
        for (const char* line :
             {"MSG_BTN_YES=是(&Y)", "MSG_BTN_NO=否(&N)", "MSG_BTN_OK=确定", "MSG_BTN_CANCEL=取消",
              "MSG_BTN_ABORT=中止", "MSG_BTN_RETRY=重试", "MSG_BTN_IGNORE=忽略", "MSG_BTN_ALL=全部",
              "MSG_BTN_NOTOALL=全否", "MSG_BTN_YESTOALL=全是", "MSG_BTN_HELP=帮助", "MSG_BTN_CLOSE=关闭",
              "MSG_CAP_WARNING=警告", "MSG_CAP_ERROR=错误", "MSG_CAP_INFORMATION=信息",
              "MSG_CAP_CONFIRM=确认", "MSG_CAP_SHOWFLAG=不再显示这条消息"})
            texts << QString::fromUtf8(line);
        FStrings.SetResStrings(texts);
        FSkin.SetResourceStrData(&FStrings);
        FMessage.SkinData = &FSkin;
        FMessage.CtrlSkinData = &FSkin;
    }

    TbsSkinData FSkin;
    TbsResourceStrData FStrings;
    TbsSkinMessage FMessage;
};

constexpr TMsgDlgBtn AllKinds[] = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                   mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp,  mbClose};

// The button names, in the order of AllKinds.
const QStringList& KindNames()
{
    static const QStringList names = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                      "Ignore", "All", "NoToAll", "YesToAll", "Help",  "Close"};
    return names;
}

struct TButtonSetCase {
    const char* Name;
    TMsgDlgButtons Buttons;
    QStringList Names;
    QString Default; // empty: none of the buttons
    QString Cancel;
    TModalResult Enter;
    TModalResult Escape;
};

TMsgDlgButtons Every()
{
    TMsgDlgButtons all;
    for (TMsgDlgBtn kind : AllKinds)
        all.Include(kind);
    return all;
}

const std::vector<TButtonSetCase>& ButtonSets()
{
    static const std::vector<TButtonSetCase> cases = {
        {"OK", {mbOK}, {"OK"}, "OK", "OK", mrOk, mrOk},
        {"OKCancel", {mbOK, mbCancel}, {"OK", "Cancel"}, "OK", "Cancel", mrOk, mrCancel},
        {"YesNo", {mbYes, mbNo}, {"Yes", "No"}, "Yes", "No", mrYes, mrNo},
        {"YesNoCancel", {mbCancel, mbNo, mbYes}, {"Yes", "No", "Cancel"}, "Yes", "Cancel", mrYes, mrCancel},
        // Retry is the default; no cancel button, so Escape only closes the dialog.
        {"AbortRetryIgnore",
         {mbAbort, mbRetry, mbIgnore},
         {"Abort", "Retry", "Ignore"},
         "Retry",
         "",
         mrRetry,
         mrCancel},
        // Neither a default nor a cancel button: Enter presses the focused first button.
        {"Close", {mbClose}, {"Close"}, "", "", mrClose, mrCancel},
        // Enter does nothing without buttons; Escape closes.
        {"None", {}, {}, "", "", mrNone, mrCancel},
        {"Every", Every(), KindNames(), "OK", "Cancel", mrOk, mrCancel},
    };
    return cases;
}

// The row of n buttons: n x 70 plus 10 between them, centred, 10 above the bottom.
void ExpectButtonRow(const TShown& shown, int height, const char* name)
{
    const int n = int(shown.Buttons.size());
    const int row = n == 0 ? 0 : n * 80 - 10;
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(shown.Buttons[i], QRect((shown.Client.width() - row) / 2 + i * 80,
                                          shown.Client.height() - height - 10, 70, height))
            << name << " button " << i;
}

} // namespace

TEST(SkinMessage, EachButtonSetWithoutARepository)
{
    for (const TButtonSetCase& c : ButtonSets()) {
        TbsSkinMessage message;
        const TShown shown = RunMessage(message, c.Buttons);
        EXPECT_EQ(shown.Request.Kind, TDialogKind::SkinMessage) << c.Name;
        EXPECT_EQ(shown.Request.Buttons, c.Buttons) << c.Name;
        EXPECT_EQ(shown.Names, c.Names) << c.Name;
        QStringList captions;
        for (const QString& name : c.Names)
            captions << DefaultButtonCaption(AllKinds[KindNames().indexOf(name)]);
        EXPECT_EQ(shown.Captions, captions) << c.Name;
        EXPECT_EQ(shown.Default, c.Default) << c.Name;
        EXPECT_EQ(shown.Cancel, c.Cancel) << c.Name;
        EXPECT_EQ(shown.Focused, c.Default.isEmpty() && !c.Names.isEmpty() ? c.Names[0] : c.Default)
            << c.Name;
        ExpectButtonRow(shown, 25, c.Name);
        EXPECT_EQ(shown.Client.height(), 25 + shown.Label.height() + 50) << c.Name;
    }
}

TEST(SkinMessage, EnterPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    for (const TButtonSetCase& c : ButtonSets()) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            TbsSkinMessage message;
            const TShown shown =
                RunMessage(message, c.Buttons, [key](TbsMessageForm& form) { Key(form, key); });
            EXPECT_EQ(shown.Ended, key == Qt::Key_Escape ? c.Escape : c.Enter)
                << c.Name << (key == Qt::Key_Escape ? " Escape" : " Enter");
        }
    }
}

TEST(SkinMessage, AClickedButtonAnswersItsModalResultAndTheFrameCloseAnswersCancel)
{
    TbsSkinMessage message;
    const TShown no = RunMessage(message, {mbYes, mbNo}, [](TbsMessageForm& form) {
        auto* button = form.findChild<TbsSkinButton*>(QStringLiteral("No"));
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    });
    EXPECT_EQ(no.Ended, mrNo);
    EXPECT_EQ(no.Result, mrNo);
    const TShown closed = RunMessage(message, {mbYes, mbNo}, [](TbsMessageForm& form) { form.close(); });
    EXPECT_EQ(closed.Ended, mrCancel);
    EXPECT_EQ(closed.Result, mrCancel);
}

TEST(SkinMessage, TheGivenDefaultButtonIsDefaultAndActiveAndCancelStaysByRule)
{
    TbsSkinMessage message;
    const TShown shown = ShowDialog(
        [&] {
            return message.MessageDlg(QStringLiteral("?"), mtConfirmation, {mbYes, mbNo, mbCancel}, 0, mbNo);
        },
        [](TbsMessageForm& form) { Key(form, Qt::Key_Return); });
    EXPECT_EQ(shown.Default, QStringLiteral("No"));
    EXPECT_EQ(shown.Focused, QStringLiteral("No"));
    EXPECT_EQ(shown.Cancel, QStringLiteral("Cancel"));
    EXPECT_EQ(shown.Ended, mrNo);
}

TEST(SkinMessage, CaptionAndIconByTypeWithoutARepository)
{
    TApplication application;
    application.SetTitle(QStringLiteral("人事管理系统"));
    struct Case {
        TMsgDlgType Type;
        const char* Caption;
        bool Icon;
    };
    for (const Case& c : {Case{mtWarning, "Warning", true}, Case{mtError, "Error", true},
                          Case{mtInformation, "Information", true}, Case{mtConfirmation, "Confirm", true},
                          Case{mtCustom, "人事管理系统", false}}) {
        TbsSkinMessage message;
        const TShown shown = RunMessage(message, {mbOK}, {}, c.Type);
        EXPECT_EQ(shown.Request.Caption, QString::fromUtf8(c.Caption));
        EXPECT_EQ(shown.Request.DlgType, c.Type) << c.Caption;
        EXPECT_EQ(shown.HasImage, c.Icon) << c.Caption;
        if (c.Icon) {
            const int top = std::max(10, 15 + shown.Label.height() / 2 - 16);
            EXPECT_EQ(shown.Image, QRect(5, top, 32, 32)) << c.Caption;
        }
        EXPECT_EQ(shown.Label.topLeft(), QPoint(50, 15)) << c.Caption;
    }
}

// The program's own message component has no repository: an error with one OK button.
TEST(SkinMessage, TheProgramsErrorMessageIsCaptionedErrorWithOneDefaultAndCancelOkButton)
{
    TbsSkinMessage message;
    const TShown shown = RunMessage(message, {mbOK});
    EXPECT_EQ(shown.Request.Caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.Request.Text, QStringLiteral("功能开发中"));
    EXPECT_TRUE(shown.HasImage);
    ASSERT_EQ(shown.Buttons.size(), 1);
    EXPECT_EQ(shown.Buttons[0].size(), QSize(70, 25));
    EXPECT_EQ(shown.Captions, QStringList({"OK"}));
    EXPECT_EQ(shown.Default, QStringLiteral("OK"));
    EXPECT_EQ(shown.Cancel, QStringLiteral("OK"));
}

TEST(SkinMessage, WidthComesFromTheTextOrTheButtonRowAndAtLeastTheFramesMinimum)
{
    struct Case {
        const char* Name;
        QString Text;
        TMsgDlgButtons Buttons;
    };
    const QString longText(30, u'字');
    for (const Case& c :
         {Case{"short text, one button", QStringLiteral("x"), {mbOK}},
          Case{"short text, no button", QStringLiteral("x"), {}}, Case{"long text, no button", longText, {}},
          Case{"long text, three buttons", longText, {mbYes, mbNo, mbCancel}},
          Case{"short text, every button", QStringLiteral("x"), Every()},
          Case{"text wider than the screen", QString(200, u'字'), {mbOK}}}) {
        TbsSkinMessage message;
        const TShown shown =
            ShowDialog([&] { return message.MessageDlg(c.Text, mtInformation, c.Buttons, 0); });
        const int row = c.Buttons.Count() == 0 ? 0 : c.Buttons.Count() * 80 - 10;
        const int wanted = 40 + std::max(row, shown.Label.right() + 1);
        const int frame = shown.WindowWidth - shown.Client.width();
        // Without a skin the frame is 3 pixels each side, and the window at least 120 wide and at
        // most as wide as the screen's work area.
        const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
        EXPECT_EQ(frame, 6) << c.Name;
        EXPECT_EQ(shown.Client.width(), std::clamp(wanted, 120 - frame, screen - frame)) << c.Name;
    }
}

TEST(SkinMessage, TheShowAgainBoxIsTickedWhenTheMessageIsNotToBeShownAgainAndWritesItsAnswerBack)
{
    struct Case {
        const char* Name;
        bool ValueBefore;
        bool Click;
        bool ValueAfter;
    };
    for (const Case& c :
         {Case{"untouched, shown again", true, false, true}, Case{"ticked by the user", true, true, false},
          Case{"untouched, not shown again", false, false, false},
          Case{"unticked by the user", false, true, true}}) {
        TbsSkinMessage message;
        message.ShowAgainFlag = true;
        message.ShowAgainFlagValue = c.ValueBefore;
        const TShown shown = RunMessage(message, {mbOK}, [&](TbsMessageForm& form) {
            if (c.Click)
                QTest::mouseClick(form.DisplayCheckBox, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(6, form.DisplayCheckBox->height() / 2));
            Key(form, Qt::Key_Return);
        });
        ASSERT_TRUE(shown.HasCheckBox) << c.Name;
        EXPECT_EQ(shown.CheckBoxTicked, !c.ValueBefore) << c.Name;
        EXPECT_EQ(shown.CheckBoxText, QStringLiteral("Do not display this message again")) << c.Name;
        EXPECT_EQ(message.ShowAgainFlagValue, c.ValueAfter) << c.Name;
        EXPECT_EQ(shown.Ended, mrOk) << c.Name;
        // The box sits above the buttons, and the client holds its caption.
        EXPECT_EQ(shown.Client.height(), 25 + shown.Label.height() + 50 + 40) << c.Name;
        EXPECT_EQ(shown.CheckBox.topLeft(), QPoint(5, shown.Client.height() - 25 - 50)) << c.Name;
        EXPECT_EQ(shown.CheckBox.height(), 30) << c.Name;
        EXPECT_GE(shown.Client.width(), shown.CheckBox.width() - 55 + 60) << c.Name;
    }
}

TEST(SkinMessage, TheWideMembersNeverShowTheShowAgainBox)
{
    TbsSkinMessage message;
    message.ShowAgainFlag = true;
    message.ShowAgainFlagValue = true;
    const TShown shown =
        ShowDialog([&] { return message.WideMessageDlg(QStringLiteral("x"), mtWarning, {mbOK}); });
    EXPECT_FALSE(shown.HasCheckBox);
    EXPECT_TRUE(message.ShowAgainFlagValue);
}

TEST(SkinMessage, CustomDialogsShowTheirCaptionAndAListPictureOnlyForAValidIndex)
{
    TImageList images(24, 24);
    QPixmap picture(24, 24);
    picture.fill(Qt::red);
    images.Add(picture);
    struct Case {
        const char* Name;
        const TImageList* Images;
        int Index;
        bool Picture;
    };
    for (const Case& c :
         {Case{"valid index", &images, 0, true}, Case{"index past the list", &images, 1, false},
          Case{"negative index", &images, -1, false}, Case{"no list", nullptr, 0, false}}) {
        TbsSkinMessage message;
        const TShown shown = ShowDialog([&] {
            return message.CustomMessageDlg(QStringLiteral("x"), QStringLiteral("标题"), c.Images, c.Index,
                                            {mbOK});
        });
        EXPECT_EQ(shown.Request.Caption, QStringLiteral("标题")) << c.Name;
        EXPECT_EQ(shown.HasImage, c.Picture) << c.Name;
        if (c.Picture) {
            EXPECT_EQ(shown.Image, QRect(5, 15 + shown.Label.height() / 2 - 16, 24, 24)) << c.Name;
        }
    }
}

TEST(SkinMessage, APositionedDialogOpensWhereOnSetShowPosMovesIt)
{
    TbsSkinMessage message;
    QSize told;
    message.OnSetShowPos = [&](int& X, int& Y, int W, int H) {
        EXPECT_EQ(QPoint(X, Y), QPoint(100, 120));
        told = QSize(W, H);
        X += 7;
        Y += 9;
    };
    QPoint at;
    QSize size;
    ShowDialog([&] { return message.MessageDlgPos(QStringLiteral("x"), mtError, {mbOK}, 0, 100, 120); },
               [&](TbsMessageForm& form) {
                   at = form.pos();
                   size = form.size();
                   Key(form, Qt::Key_Return);
               });
    EXPECT_EQ(at, QPoint(107, 129));
    EXPECT_EQ(told, size);

    // The wide member is placed as given without asking.
    told = QSize();
    ShowDialog([&] { return message.WideMessageDlgPos(QStringLiteral("x"), mtError, {mbOK}, 0, 30, 40); },
               [&](TbsMessageForm& form) {
                   at = form.pos();
                   Key(form, Qt::Key_Return);
               });
    EXPECT_EQ(at, QPoint(30, 40));
    EXPECT_FALSE(told.isValid());
}

TEST_F(SkinnedMessage, ButtonsTakeTheSkinsHeightAndTheirCaptionsFromTheResourceStrings)
{
    const TButtonSetCase& every = ButtonSets().back();
    const TShown shown = RunMessage(FMessage, every.Buttons);
    EXPECT_EQ(shown.Names, every.Names);
    EXPECT_EQ(shown.Captions, QStringList({"是(&Y)", "否(&N)", "确定", "取消", "中止", "重试", "忽略", "全部",
                                           "全否", "全是", "帮助", "关闭"}));
    ExpectButtonRow(shown, 30, every.Name);
    EXPECT_EQ(shown.Client.height(), 30 + shown.Label.height() + 50);
    EXPECT_EQ(shown.Default, QStringLiteral("OK"));
    EXPECT_EQ(shown.Cancel, QStringLiteral("Cancel"));
}

TEST_F(SkinnedMessage, EachButtonSetKeepsItsRolesWithTheSkin)
{
    for (const TButtonSetCase& c : ButtonSets()) {
        const TShown shown =
            RunMessage(FMessage, c.Buttons, [](TbsMessageForm& form) { Key(form, Qt::Key_Escape); });
        EXPECT_EQ(shown.Names, c.Names) << c.Name;
        EXPECT_EQ(shown.Default, c.Default) << c.Name;
        EXPECT_EQ(shown.Cancel, c.Cancel) << c.Name;
        EXPECT_EQ(shown.Ended, c.Escape) << c.Name;
        ExpectButtonRow(shown, 30, c.Name);
    }
}

TEST_F(SkinnedMessage, CaptionsComeFromTheResourceStringsExceptForTheCustomType)
{
    TApplication application;
    application.SetTitle(QStringLiteral("人事管理系统"));
    struct Case {
        TMsgDlgType Type;
        const char* Caption;
    };
    for (const Case& c : {Case{mtWarning, "警告"}, Case{mtError, "错误"}, Case{mtInformation, "信息"},
                          Case{mtConfirmation, "确认"}, Case{mtCustom, "人事管理系统"}})
        EXPECT_EQ(RunMessage(FMessage, {mbOK}, {}, c.Type).Request.Caption, QString::fromUtf8(c.Caption));
    // A caption given by the caller stands as it is.
    const TShown given = ShowDialog(
        [&] { return FMessage.MessageDlg2(QStringLiteral("x"), QStringLiteral("自己的"), mtError, {mbOK}); });
    EXPECT_EQ(given.Request.Caption, QStringLiteral("自己的"));
}

TEST_F(SkinnedMessage, AKeyMissingFromTheResourceStringsFallsBackToTheBuiltInText)
{
    FStrings.SetResStrings({QStringLiteral("MSG_BTN_YES=是")});
    const TShown shown = RunMessage(FMessage, {mbYes, mbNo});
    EXPECT_EQ(shown.Captions, QStringList({"是", "&No"}));
    EXPECT_EQ(shown.Request.Caption, QStringLiteral("Error"));
}

TEST_F(SkinnedMessage, TheShowAgainBoxTakesItsCaptionFromTheResourceStringsAndIsMeasuredInTheSkinFont)
{
    FMessage.ShowAgainFlag = true;
    const TShown shown = RunMessage(FMessage, {mbOK});
    ASSERT_TRUE(shown.HasCheckBox);
    EXPECT_EQ(shown.CheckBoxText, QStringLiteral("不再显示这条消息"));
    const int width =
        QFontMetrics(SkinRecordFont(QStringLiteral("Tahoma"), 20, {})).horizontalAdvance(shown.CheckBoxText);
    EXPECT_EQ(shown.CheckBox, QRect(5, shown.Client.height() - 30 - 50, width + 55, 30));
    EXPECT_GE(shown.Client.width(), width + 60);
}

TEST_F(SkinnedMessage, TheFrameIsTheSkinnedFormOfTheDialogsRepositoryWithoutCaptionButtons)
{
    TbsSkinForm* frame = nullptr;
    RunMessage(FMessage, {mbOK}, [&](TbsMessageForm& form) {
        frame = form.BSF;
        EXPECT_EQ(form.BSF->SkinData(), &FSkin);
        EXPECT_TRUE(form.BSF->HideCaptionButtons());
        EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        Key(form, Qt::Key_Return);
    });
    EXPECT_TRUE(frame);
}

TEST(SkinMessage, ARemovedRepositoryIsForgotten)
{
    TbsSkinMessage message;
    {
        TbsSkinData skin;
        message.SkinData = &skin;
        message.CtrlSkinData = &skin;
    }
    EXPECT_EQ(message.SkinData, nullptr);
    EXPECT_EQ(message.CtrlSkinData, nullptr);
    EXPECT_EQ(RunMessage(message, {mbOK}).Buttons.value(0).height(), 25);
}

// The program's own skin: the frame's minimum width is the skin's 200 pixels, and the buttons are
// as high as the skin's button picture.
TEST(OurSkinMessage, AShortMessageIsAsWideAsTheFramesMinimumWithTheSkinsButtonHeight)
{
    TbsSkinData* skin = TOurSkinRepository::Get();
    const int index = skin->GetControlIndex(QStringLiteral("button"));
    ASSERT_GE(index, 0);
    const int buttonHeight =
        int(dynamic_cast<TbsDataSkinButtonControl&>(*skin->CtrlList[size_t(index)]).SkinRect.Height());
    TbsSkinMessage message;
    message.SkinData = skin;
    message.CtrlSkinData = skin;
    const TShown shown = RunMessage(message, {mbOK});
    EXPECT_EQ(skin->FormMinWidth, 200);
    EXPECT_EQ(shown.WindowWidth, 200);
    ASSERT_EQ(shown.Buttons.size(), 1);
    EXPECT_EQ(shown.Buttons[0].size(), QSize(70, buttonHeight));
    ExpectButtonRow(shown, buttonHeight, "OK");
    EXPECT_EQ(shown.Client.height(), buttonHeight + shown.Label.height() + 50);
}
