// A push button: it calls back when released over itself.
#pragma once

#include "control.h"

class Button : public Control {
public:
    Button();
    void onMouseDown(int x, int y) override;
    void onMouseUp(int x, int y, bool inside) override;
    void onMouseHeld(int x, int y, bool inside) override;
    void updateSize() override;
    void draw() override;

    bool pointerInside = false;

private:
    void drawFace(bool sunken);
    // The pressed look, at once into the front buffer.
    void drawPressed();
};
