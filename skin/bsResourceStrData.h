// TbsResourceStrData: the texts the skin engine draws, as editable "KEY=text" lines.
#pragma once

#include <QObject>
#include <QStringList>

// A repository may point to one of these; callers then ask it for a text by key and otherwise use
// their built-in text. A new component holds every key with its English default.
class TbsResourceStrData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList ResStrings READ ResStrings WRITE SetResStrings)
    Q_PROPERTY(int CharSet READ CharSet WRITE SetCharSet)

  public:
    explicit TbsResourceStrData(QObject* AOwner = nullptr);

    // The text after the first "=" of the first line whose key (the part before that "=") equals
    // ResName without regard to letter case; empty when there is no such line.
    QString GetResStr(const QString& ResName) const;

    // The default lines, in their fixed order.
    static const QStringList& DefaultResStrings();

    QStringList ResStrings() const { return FResStrs; }
    void SetResStrings(const QStringList& Value) { FResStrs = Value; }
    // The font character set of the texts drawn (1: the default character set).
    int CharSet() const { return FCharSet; }
    void SetCharSet(int Value) { FCharSet = Value; }

  private:
    QStringList FResStrs;
    int FCharSet = 1;
};
