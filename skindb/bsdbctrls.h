// The data-aware skinned controls: edit, combo box, memo and text bound to one column of a data
// source.
#pragma once

#include "bsSkinDBComboBox.h"
#include "bsSkinDBEdit.h"
#include "bsSkinDBMemo.h"
#include "bsSkinDBText.h"
