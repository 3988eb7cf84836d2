// The skinned standard controls: control base, buttons, speed buttons and labels.
#pragma once

#include "bsSkinButton.h"
#include "bsSkinControl.h"
#include "bsSkinSpeedButton.h"
#include "bsSkinStdLabel.h"
