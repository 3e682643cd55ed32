// The panel toolkit: everything a program needs to build panel windows of controls.
#pragma once

#include "button.h"
#include "checkbox.h"
#include "columnBreak.h"
#include "control.h"
#include "panel.h"
#include "panelManager.h"
#include "panelWindow.h"
#include "radioGroup.h"
#include "slider.h"
#include "staticText.h"
