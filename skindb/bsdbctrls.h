// The data-aware skinned controls: edit and memo bound to one column of a data source.
#pragma once

#include "bsSkinDBEdit.h"
#include "bsSkinDBMemo.h"
