// The control timers on QTimer, and the replaceable source they come from.
#include "bsControlTimer.h"

#include <QTimer>

namespace {

class TbsQtControlTimer : public TbsControlTimer {
public:
    // The timer belongs to this object, not to the owner, which may outlive or precede it.
    explicit TbsQtControlTimer(QObject*)
    {
        // A coarse timer may fire 5% late; a half-second search pause must end at half a second.
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (OnTimer)
                OnTimer();
        });
    }
    void Start(int AInterval) override { FTimer.start(std::max(1, AInterval)); }
    void Stop() override { FTimer.stop(); }
    bool Active() const override { return FTimer.isActive(); }
    int Interval() const override { return FTimer.interval(); }

private:
    QTimer FTimer;
};

TbsControlTimerSource& Source()
{
    static TbsControlTimerSource source;
    return source;
}

} // namespace

std::unique_ptr<TbsControlTimer> CreateControlTimer(QObject* AOwner)
{
    if (Source())
        return Source()(AOwner);
    return std::make_unique<TbsQtControlTimer>(AOwner);
}

void SetControlTimerSource(TbsControlTimerSource ASource)
{
    Source() = std::move(ASource);
}
