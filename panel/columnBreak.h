// The start of a new column in the root panel, with an optional etched bar.
#pragma once

#include "control.h"

class ColumnBreak : public Control {
public:
    ColumnBreak();
    void draw() override;

    bool drawsBar() const { return intValue != 0; }
};
