// Shared helpers of the repository tests: the test skin folder and windows that record skin messages.
#pragma once

#include "bsSkinData.h"
#include "platform/SkinMessage.h"

#include <QWidget>
#include <vector>

// The skin folder made for the tests: one section of every record kind and a few tiny pictures.
inline QString TestSkinIni()
{
    return qEnvironmentVariable("PR_TEST_DATA") + QStringLiteral("/testskin/skin.ini");
}

// Every skin message the recording windows received, in order.
struct TSkinMessageLog {
    struct Entry {
        QString Window;
        int Msg;
        quintptr WParam;
        qintptr LParam;
    };
    std::vector<Entry> Entries;

    std::vector<int> Messages() const
    {
        std::vector<int> msgs;
        for (const Entry& e : Entries)
            msgs.push_back(e.Msg);
        return msgs;
    }
    // The windows that received msg, in the order they received it.
    QStringList Receivers(int msg) const
    {
        QStringList names;
        for (const Entry& e : Entries)
            if (e.Msg == msg)
                names << e.Window;
        return names;
    }
};

// A top-level window that writes every skin message it receives into a log.
class TRecordingWindow : public QWidget
{
  public:
    TRecordingWindow(const QString& name, TSkinMessageLog& log) : FLog(log) { setObjectName(name); }

  protected:
    bool event(QEvent* e) override
    {
        if (const TbsSkinMessageEvent* m = TbsSkinMessageEvent::From(e)) {
            FLog.Entries.push_back({objectName(), m->Msg(), m->WParam, m->LParam});
            return true;
        }
        return QWidget::event(e);
    }

  private:
    TSkinMessageLog& FLog;
};

inline quintptr AsWParam(const TbsSkinData& skinData)
{
    return reinterpret_cast<quintptr>(&skinData);
}
