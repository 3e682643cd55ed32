// A container that groups controls under an optional title, in a frame.
#pragma once

#include "control.h"

class Panel : public Control {
public:
    enum Border { noBorder = 0, embossedBorder = 1, raisedBorder = 2 };

    Panel();
    void setName(const std::string& text) override;
    // Wide enough for its title; a titled embossed panel keeps 14 pixels above its children for it.
    void updateSize() override;
    void draw() override;

    int border() const { return intValue; }
};
