// The skinned text controls and boxes: edits, memo, combo box and tree view.
#pragma once

#include "bsSkinComboBox.h"
#include "bsSkinEdit.h"
#include "bsSkinMemo.h"
#include "bsSkinListBox.h"
#include "bsSkinTreeView.h"
