// Writing a data-aware control's value as the focus leaves it.
#include "bsDBControlSupport.h"

#include "TApplication.h"
#include "TFieldDataLink.h"

#include <QWidget>

bool UpdateRecordOnExit(TFieldDataLink& link, QWidget* control, const std::function<void()>& onFailure)
{
    bool written = true;
    CallHandler([&] {
        try {
            if (link.Editing())
                link.UpdateRecord();
        } catch (...) {
            written = false;
            // The focus first: taking it back may change the control's selection.
            control->setFocus(Qt::OtherFocusReason);
            if (onFailure)
                onFailure();
            throw;
        }
    });
    return written;
}
