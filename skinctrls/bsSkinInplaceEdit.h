// The editor a skinned grid shows over its current cell.
#pragma once

#include "bsSkinMaskEdit.h"

class TbsSkinCustomGrid;

// Frameless, inset by 2 pixels, its text from the grid. Keys that move between cells go to the grid;
// Left and Home only at the start of the text, Right and End only at its end.
class TbsSkinInplaceEdit : public TbsSkinTransparentMaskEdit {
    Q_OBJECT
public:
    explicit TbsSkinInplaceEdit(TbsSkinCustomGrid* grid);

    TbsSkinCustomGrid* Grid() const { return FGrid; }
    // Takes text, mask and limit from the grid and selects all of it.
    virtual void UpdateContents();
    // Placed over r of the grid and shown.
    void Move(const QRect& r);
    // Hidden, the grid keeping the focus if the editor had it.
    void Hide();

protected:
    bool CanChangeText() override;
    void Change() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Keys the grid takes from the editor; answers whether the grid used it.
    bool PassToGrid(QKeyEvent* event);

private:
    TbsSkinCustomGrid* FGrid;
};
