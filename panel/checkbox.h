// A check box bound to an int: on for any value but 0.
#pragma once

#include "control.h"

class Checkbox : public Control {
public:
    Checkbox();
    void setInt(int value) override;
    void onMouseDown(int x, int y) override;
    void onMouseUp(int x, int y, bool inside) override;
    void onMouseHeld(int x, int y, bool inside) override;
    void updateSize() override;
    void draw() override;

    int valueAtPress = -1;
    bool pointerInside = false;
    int labelIndent = 18;

private:
    // The box and the focus mark at once, without the label.
    void repaintBox();
    void drawBox();
};
