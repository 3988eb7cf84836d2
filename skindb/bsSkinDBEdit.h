// The data-aware edit: a skinned edit that shows one column of the current row and writes it back
// when the focus leaves.
#pragma once

#include "bsDBTextControl.h"
#include "bsSkinEdit.h"

class TbsSkinDBEdit : public TbsDBTextControl<TbsSkinEdit> {
    Q_OBJECT
public:
    explicit TbsSkinDBEdit(QWidget* parent = nullptr) : TbsDBTextControl(parent) {}

protected:
    void DataChange() override;
    void SelectText() override { selectAll(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowFieldText(const QString& text);
};
