// The skinned message dialog: caption, layout, default and cancel buttons, modal results.
#include "DialogRecorder.h"
#include "bsMessages.h"
#include "bsSkinButton.h"
#include "bsSkinStdLabel.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Built {
    QSize Client;
    QList<QRect> Buttons;
    QStringList Names;
    QString Default;
    TModalResult Escape = mrNone;
    int LabelRight = 0;
};

// Shows a message and answers it without a window, keeping what the dialog looked like.
Built Show(TbsSkinMessage& message, const QString& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    TDialogRecorder recorder;
    Built built;
    recorder.OnDialog = [&](QDialog& dialog) {
        built.Client = dialog.size();
        const auto label = dialog.findChild<TbsSkinStdLabel*>(QStringLiteral("Message"));
        built.LabelRight = label->x() + label->width();
        for (TbsSkinButton* button : dialog.findChildren<TbsSkinButton*>()) {
            built.Buttons << button->geometry();
            built.Names << button->objectName();
            if (button->Default())
                built.Default = button->objectName();
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
        built.Escape = dialog.result();
    };
    message.MessageDlg(text, type, buttons, 0);
    EXPECT_EQ(recorder.Shown().size(), 1u);
    EXPECT_EQ(recorder.Shown()[0].Kind, TDialogKind::SkinMessage);
    return built;
}

} // namespace

TEST(SkinMessage, AnErrorWithOneOkButtonIsCaptionedErrorAndOkIsDefaultAndCancel)
{
    TbsSkinMessage message;
    TDialogRecorder recorder;
    message.MessageDlg(QStringLiteral("功能开发中"), mtError, {mbOK}, 0);
    ASSERT_EQ(recorder.Shown().size(), 1u);
    EXPECT_EQ(recorder.Shown()[0].Caption, QStringLiteral("Error"));

    const Built built = Show(message, QStringLiteral("功能开发中"), mtError, {mbOK});
    ASSERT_EQ(built.Buttons.size(), 1);
    EXPECT_EQ(built.Buttons[0].size(), QSize(70, 25));
    EXPECT_EQ(built.Default, QStringLiteral("OK"));
    EXPECT_EQ(built.Escape, mrOk);
    EXPECT_EQ(built.Client.width(), 40 + std::max(70, built.LabelRight));
}

TEST(SkinMessage, ButtonsStandInKindOrderCentredAtTheBottom)
{
    TbsSkinMessage message;
    const Built built = Show(message, QStringLiteral("?"), mtConfirmation, {mbCancel, mbNo, mbYes});
    EXPECT_EQ(built.Names, QStringList({"Yes", "No", "Cancel"}));
    EXPECT_EQ(built.Default, QStringLiteral("Yes"));
    EXPECT_EQ(built.Escape, mrCancel);
    const int row = 3 * 70 + 2 * 10;
    EXPECT_EQ(built.Client.width(), 40 + std::max(row, built.LabelRight));
    EXPECT_EQ(built.Buttons[0].topLeft(),
              QPoint((built.Client.width() - row) / 2, built.Client.height() - 35));
    EXPECT_EQ(built.Buttons[1].left() - built.Buttons[0].left(), 80);
}

TEST(SkinMessage, TheShowAgainBoxWritesItsAnswerBack)
{
    TbsSkinMessage message;
    message.ShowAgainFlag = true;
    message.ShowAgainFlagValue = true;
    TDialogRecorder recorder;
    recorder.OnDialog = [](QDialog& dialog) {
        auto* box = dialog.findChild<QWidget*>(QStringLiteral("checkbox"));
        ASSERT_TRUE(box);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    };
    message.MessageDlg(QStringLiteral("x"), mtInformation, {mbOK}, 0);
    EXPECT_FALSE(message.ShowAgainFlagValue);
}
