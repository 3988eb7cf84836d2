// The skinned group box: a panel that always shows its caption bar.
#pragma once

#include "bsSkinPanel.h"

class TbsSkinGroupBox : public TbsSkinPanel
{
    Q_OBJECT
  public:
    explicit TbsSkinGroupBox(QWidget* parent = nullptr);
};
