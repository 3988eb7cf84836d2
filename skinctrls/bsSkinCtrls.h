// The skinned standard controls: control base, buttons, speed buttons, labels, panels and group boxes.
#pragma once

#include "bsSkinButton.h"
#include "bsSkinControl.h"
#include "bsSkinGroupBox.h"
#include "bsSkinPanel.h"
#include "bsSkinSpeedButton.h"
#include "bsSkinStdLabel.h"
