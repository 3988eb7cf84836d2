// Sending skin messages.
#include "SkinMessage.h"

#include <QCoreApplication>

TbsSkinMessage::TbsSkinMessage(int AMsg, quintptr AWParam, qintptr ALParam)
    : QEvent(QEvent::Type(AMsg)), WParam(AWParam), LParam(ALParam)
{
}

qintptr SendSkinMessage(QObject* receiver, int msg, quintptr wParam, qintptr lParam)
{
    TbsSkinMessage message(msg, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &message);
    return message.Result;
}
