// A slider: a label over a track with a knob, bound to a float or an int.
#pragma once

#include "control.h"

class Slider : public Control {
public:
    Slider();
    void setInt(int value) override;
    void setFloat(float value) override;
    // Only a press on the knob starts a drag.
    void onMouseDown(int x, int y) override;
    void onMouseUp(int x, int y, bool inside) override;
    // While dragging: the knob follows the pointer (clamped to the track), the value and the
    // variable follow the knob, and the callback runs, on every motion.
    void onMouseHeld(int x, int y, bool inside) override;
    void draw() override;

    // The float range; it neither redraws nor clamps the value.
    void setFloatLimits(float minimum, float maximum);

    // The knob's left edge runs from 0 to track() pixels.
    int track() const { return width - knobWidth; }
    float floatFromKnob() const;
    int intFromKnob() const;

    static constexpr int knobWidth = 10;
    int knobPos = 0;
    bool dragging = false;
    float floatMin = 0.0f;
    float floatMax = 1.0f;
    int intMin = 0;
    int intMax = 100;

private:
    void placeKnobFromFloat();
    void placeKnobFromInt();
};
