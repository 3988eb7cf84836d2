// A menu item of the framework's menu tree: caption, state, picture, short cut, sub-items and click.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

// Items own their sub-items (as the Qt parent). A caption of "-" makes a separator; a caption
// that begins and ends with "-" on a disabled item makes a header.
class TMenuItem : public QObject
{
    Q_OBJECT
  public:
    explicit TMenuItem(QObject* owner = nullptr);

    QString Caption;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    QKeySequence ShortCut;
    int ImageIndex = -1;
    QString Hint;

    std::function<void()> OnClick;

    // Appends item as the last sub-item and takes it over; answers it.
    TMenuItem* Add(TMenuItem* item);
    // Makes a sub-item named name with that caption and click handler; answers it.
    TMenuItem* Add(const char* name, const QString& caption, std::function<void()> onClick = {});
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)); }
    TMenuItem* Parent() const { return FParent; }

    bool IsLine() const { return Caption == QStringLiteral("-"); }
    bool IsHeader() const;
    // The caption without the "&" that marks the accelerator ("&&" stands for one "&").
    QString PlainCaption() const;
    // The accelerator character ("&x"), lower-cased; a null character when there is none.
    QChar Accelerator() const;

    // Runs OnClick through the general error display; nothing for a disabled item.
    void Click();

  private:
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};
