// A line of text.
#pragma once

#include "control.h"

class StaticText : public Control {
public:
    StaticText();
    void updateSize() override;
    void draw() override;
};
