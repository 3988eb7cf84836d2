// Sending skin messages.
#include "SkinMessage.h"

#include <QCoreApplication>

TbsSkinMessageEvent::TbsSkinMessageEvent(int AMsg, quintptr AWParam, qintptr ALParam)
    : QEvent(QEvent::Type(AMsg)), WParam(AWParam), LParam(ALParam)
{
}

qintptr SendSkinMessage(QObject* receiver, int msg, quintptr wParam, qintptr lParam)
{
    TbsSkinMessageEvent message(msg, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &message);
    return message.Result;
}
