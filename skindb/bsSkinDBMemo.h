// The data-aware memo: a skinned memo that shows one column of the current row and writes it back
// when the focus leaves.
#pragma once

#include "bsDBTextControl.h"
#include "bsSkinMemo.h"

class TbsSkinDBMemo : public TbsDBTextControl<TbsSkinMemo> {
    Q_OBJECT
public:
    explicit TbsSkinDBMemo(QWidget* parent = nullptr) : TbsDBTextControl(parent) {}

    // Show the column's text at once (the only mode this memo has: every column holds text).
    bool AutoDisplay() const { return FAutoDisplay; }
    void SetAutoDisplay(bool value) { FAutoDisplay = value; }

protected:
    void DataChange() override;

private:
    bool FAutoDisplay = true;
};
