// The skinned text controls: edits, memo and combo box.
#pragma once

#include "bsSkinComboBox.h"
#include "bsSkinEdit.h"
#include "bsSkinMemo.h"
