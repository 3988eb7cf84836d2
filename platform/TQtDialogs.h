// The dialogs of the real program: Qt's message box and modal loop.
#pragma once

#include "Dialogs.h"

class TQtDialogs : public TDialogs {
public:
    TModalResult Show(const TDialogRequest& request) override;
    TModalResult RunModal(TModalForm& form, const TDialogRequest& request) override;
};
