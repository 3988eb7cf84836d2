// The skinned message dialog: a component that builds a modal message window from skinned
// controls for each call.
#pragma once

#include "Dialogs.h"

#include <QDialog>
#include <QFont>
#include <QObject>
#include <functional>

class QCheckBox;
class QLabel;
class TImageList;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinStdLabel;

// The window of one message; built afresh for each call and destroyed when the call returns.
class TbsMessageForm : public QDialog {
    Q_OBJECT
public:
    // X below -10000 centres the dialog on the screen; otherwise it opens at (X, Y).
    TbsMessageForm(QWidget* AOwner, int X, int Y);

    TbsSkinStdLabel* Message = nullptr;
    QLabel* Image = nullptr;
    QCheckBox* DisplayCheckBox = nullptr;
    TbsSkinButton* CancelButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TbsSkinMessage : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinMessage(QObject* owner = nullptr);

    TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                            TMsgDlgBtn DefaultButton);
    TModalResult MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                               int X, int Y);
    TModalResult MessageDlg2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                             TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult CustomMessageDlg(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                  int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult WideMessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                int HelpCtx = 0);

    // The repository of the dialog's frame, and of its label, buttons and resource strings.
    TbsSkinData* SkinData = nullptr;
    TbsSkinData* CtrlSkinData = nullptr;
    QString ButtonSkinDataName = QStringLiteral("button");
    QString MessageLabelSkinDataName = QStringLiteral("stdlabel");
    QFont DefaultFont;
    QFont DefaultButtonFont;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    bool UseSkinFont = true;
    bool ShowAgainFlag = false;
    // True means the message is to be shown again; the check box is ticked when it is false.
    bool ShowAgainFlagValue = false;
    // Lets the owner move a positioned dialog before it is shown.
    std::function<void(int& AX, int& AY, int AWidth, int AHeight)> OnSetShowPos;

private:
    struct TRequest {
        QString Msg;
        QString Caption; // empty: by type
        TMsgDlgType DlgType = mtCustom;
        TMsgDlgButtons Buttons;
        int X = -10001;
        int Y = -10001;
        bool HasDefaultButton = false;
        TMsgDlgBtn DefaultButton = mbOK;
        const TImageList* Images = nullptr;
        int ImageIndex = -1;
        bool CheckBox = true;
        bool Positioned = false;
    };
    static TRequest Request(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
    // Builds the dialog, runs it through the dialogs seam and destroys it.
    TModalResult Execute(const TRequest& request);
};
