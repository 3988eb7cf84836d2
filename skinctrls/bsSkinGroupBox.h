// The skinned group box: a panel that always shows its caption, centred on its top border.
#pragma once

#include "bsSkinPanel.h"

class TbsSkinGroupBox : public TbsSkinPanel {
    Q_OBJECT
public:
    explicit TbsSkinGroupBox(QWidget* parent = nullptr);

protected:
    Qt::Alignment SkinCaptionAlignment() const override { return Qt::AlignHCenter; }
};
