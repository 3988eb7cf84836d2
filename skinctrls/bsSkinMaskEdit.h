// A masked edit that can paint itself transparently: over a skinned grid with a background
// picture the cell shows through the text.
#pragma once

#include "bsSkinEdit.h"

class TbsSkinTransparentMaskEdit : public TbsCustomEdit {
    Q_OBJECT
public:
    explicit TbsSkinTransparentMaskEdit(QWidget* parent = nullptr);

    // The platform's input mask syntax; empty for free text.
    QString EditMask() const { return inputMask(); }
    void SetEditMask(const QString& value) { setInputMask(value); }
    // Transparent, only the text is painted: what lies behind shows.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

private:
    bool FTransparent = false;
};
