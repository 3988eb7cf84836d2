// The numbered messages between the parts of the skin engine, carried by one event class.
#pragma once

#include <QEvent>

class QObject;

// The message numbers. All lie in Qt's user event range, so each is also the event's type.
enum TbsSkinMessageId : int {
    smBeforeSkinChange = 1225,       // repository to every window: a load or clear starts
    smSkinChange = 1226,             // the new skin is in place
    smAfterSkinChange = 1227,        // the load is finished
    smResourceStringsChanged = 1274, // the repository's ResourceStrData was set
    smSkinnableFormChanged = 1294,   // the repository's SkinnableForm changed
    smLayeredBordersChanged = 1427,  // the repository's ShowLayeredBorders changed
    smAeroBlurChanged = 1428,        // the repository's AeroBlurEnabled changed
    smParentBackgroundChanged = 0x504,
    smSkinPaintQuery = 0xB1C9, // wParam: the paint target; answered with SkinPaintAnswer
    smGlowShow = 0x590,
    smGlowHide = 0x591,
    smTrayRestore = 0x0592,
    smCloseMenu = 0x04CC,
    smMenuCommand = 0x04CD,
};

// The answer of a window or control that paints itself from the skin to smSkinPaintQuery.
constexpr qintptr SkinPaintAnswer = 0x3233;
// The lParam of every message the repository sends.
constexpr qintptr SkinDataMessageLParam = 1000;

// A skin message: its number is the event type; wParam and lParam are the message's arguments
// (the repository sends its own address as wParam) and Result is what the receiver answers.
class TbsSkinMessageEvent : public QEvent
{
  public:
    TbsSkinMessageEvent(int AMsg, quintptr AWParam = 0, qintptr ALParam = 0);

    int Msg() const { return int(type()); }
    // The event as a skin message, or nullptr for any other event.
    static TbsSkinMessageEvent* From(QEvent* AEvent) { return dynamic_cast<TbsSkinMessageEvent*>(AEvent); }

    quintptr WParam;
    qintptr LParam;
    qintptr Result = 0;
};

// Sends the message to receiver and returns only after it was handled, with its Result.
qintptr SendSkinMessage(QObject* receiver, int msg, quintptr wParam = 0, qintptr lParam = 0);
