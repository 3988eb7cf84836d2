// The skinned message dialog: a component that builds a modal message window from skinned
// controls for each call.
#pragma once

#include "Dialogs.h"
#include "TModalForm.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>

class QCheckBox;
class QLabel;
class TImageList;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinStdLabel;

// The window of one message; built afresh for each call and destroyed when the call returns. Its
// controls sit in the client widget, inside the skinned frame BSF.
class TbsMessageForm : public TModalForm {
    Q_OBJECT
public:
    // X below -10000 centres the dialog on the screen; otherwise it opens at (X, Y).
    TbsMessageForm(QWidget* AOwner, int X, int Y);

    TbsSkinForm* BSF = nullptr;
    QCheckBox* DisplayCheckBox = nullptr;
    TbsSkinStdLabel* Message = nullptr;
    QLabel* Image = nullptr;

    int HelpContext = 0;
    QString HelpFile;
    // The Help button's click: opens the dialog's help file, when it has one.
    void HelpButtonClick();

    // Places the window at (X, Y) when it is shown (a dialog without a place opens centred).
    void SetShowPos(int X, int Y);
    QPoint ShowPos() const { return FShowPos; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool FPositioned = false;
    QPoint FShowPos;
};

// Settings and show-again answer of the program's message dialogs; each member builds, shows and
// destroys one TbsMessageForm and returns its modal result (mrCancel when it was closed otherwise).
class TbsSkinMessage : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinMessage(QObject* owner = nullptr);

    TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                            TMsgDlgBtn DefaultButton);
    TModalResult MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                               int X, int Y);
    TModalResult MessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                               int X, int Y, TMsgDlgBtn DefaultButton);
    TModalResult MessageDlgHelp(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                const QString& HelpFileName);
    TModalResult MessageDlg2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                             TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult MessageDlgHelp2(const QString& Msg, const QString& ACaption, TMsgDlgType DlgType,
                                 TMsgDlgButtons Buttons, int HelpCtx, const QString& HelpFileName);
    TModalResult CustomMessageDlg(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                  int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx = 0);
    TModalResult CustomMessageDlg(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                  int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx,
                                  TMsgDlgBtn DefaultButton);
    TModalResult CustomMessageDlgPos(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                     int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
    TModalResult CustomMessageDlgPos(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                     int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y,
                                     TMsgDlgBtn DefaultButton);
    TModalResult CustomMessageDlgHelp(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                                      int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx,
                                      const QString& HelpFileName);
    TModalResult WideMessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                int HelpCtx = 0);
    TModalResult WideMessageDlgPos(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                   int HelpCtx, int X, int Y);

    // The repository of the dialog's frame, and of its label, buttons and resource strings; both
    // are cleared when the repository goes away.
    QPointer<TbsSkinData> SkinData;
    QPointer<TbsSkinData> CtrlSkinData;
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

    // The height of the dialog's buttons: the skin button's picture height with a control
    // repository that holds the button object, else 25.
    int ButtonHeight() const;
    // A text of the control repository's resource strings, or fallback without them.
    QString ResourceString(const QString& key, const QString& fallback) const;

private:
    // What one call asks for; each member fills the parts that differ.
    struct TRequest {
        QString Msg;
        QString Caption; // null: by type
        TMsgDlgType DlgType = mtCustom;
        TMsgDlgButtons Buttons;
        int HelpCtx = 0;
        QString HelpFile;
        int X = -10001;
        int Y = -10001;
        bool HasDefaultButton = false;
        TMsgDlgBtn DefaultButton = mbOK;
        bool CustomPicture = false;
        const TImageList* Images = nullptr;
        int ImageIndex = -1;
        bool CheckBox = true;
        bool AsksShowPos = false;
    };
    static TRequest Request(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
    static TRequest Custom(const QString& Msg, const QString& ACaption, const TImageList* AImages,
                           int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx);
    static TRequest& At(TRequest& request, int X, int Y, bool asksShowPos = true);
    static TRequest& WithDefault(TRequest& request, TMsgDlgBtn DefaultButton);

    // Builds the dialog, runs it through the dialogs seam and destroys it.
    TModalResult Execute(const TRequest& request);
    QString CaptionOf(const TRequest& request) const;
    void AddPicture(TbsMessageForm& form, const TRequest& request) const;
    void AddCheckBox(TbsMessageForm& form, QSize& client) const;
    void AddButtons(TbsMessageForm& form, const TRequest& request, QSize client) const;
};
