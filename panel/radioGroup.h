// A group of radio buttons bound to an int: the index of the chosen button, -1 for none.
#pragma once

#include "control.h"

class RadioGroup : public Control {
public:
    RadioGroup();
    // Shows a value the program set (through syncLive): chooses that button and writes it back.
    void setInt(int value) override;
    void draw() override;

    // Marks the button with the index as chosen (none for -1 or an index without a button).
    void selectIndex(int index);
    // Repaints every button's picture and focus mark at once, without the labels.
    void drawButtons();

    int buttonCount = 0;
};

class RadioButton : public Control {
public:
    explicit RadioButton(RadioGroup& group);
    void onMouseDown(int x, int y) override;
    void onMouseUp(int x, int y, bool inside) override;
    void onMouseHeld(int x, int y, bool inside) override;
    void updateSize() override;
    void draw() override;

    int valueAtPress = -1;
    bool pointerInside = false;
    int labelIndent = 18;
    RadioGroup& group;
};
