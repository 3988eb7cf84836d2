// Menu items: the sub-item list, captions with accelerators, and the guarded click.
#include "TMenuItem.h"

#include "TApplication.h"

TMenuItem::TMenuItem(QObject* owner) : QObject(owner) {}

TMenuItem* TMenuItem::Add(TMenuItem* item)
{
    item->setParent(this);
    item->FParent = this;
    FItems.push_back(item);
    return item;
}

TMenuItem* TMenuItem::Add(const char* name, const QString& caption, std::function<void()> onClick)
{
    auto* item = new TMenuItem;
    item->setObjectName(QString::fromLatin1(name));
    item->Caption = caption;
    item->OnClick = std::move(onClick);
    return Add(item);
}

bool TMenuItem::IsHeader() const
{
    return !Enabled && Caption.size() > 1 && Caption.startsWith(u'-') && Caption.endsWith(u'-');
}

QString TMenuItem::PlainCaption() const
{
    QString plain;
    plain.reserve(Caption.size());
    for (qsizetype i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == u'&' && i + 1 < Caption.size())
            ++i;
        plain += Caption[i];
    }
    return plain;
}

QChar TMenuItem::Accelerator() const
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] != u'&')
            return Caption[i + 1].toLower();
        ++i;
    }
    return QChar();
}

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        CallHandler(OnClick);
}
