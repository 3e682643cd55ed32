// The mouse wheel over the world window, read once per frame.
#pragma once

// Starts listening to the wheel on the current GLUT window (the world window).
void openWheelMouse();

// The sign of the wheel's movement since the previous reading: +1 away from the user, -1 toward,
// 0 for none. The first reading after opening is always 0, and so is every reading when the
// wheel was never opened.
int readWheel();

// freeglut reports wheel steps as mouse buttons 3 (away) and 4 (toward) when it counts them
// among the mouse's buttons. True when button is one of those: a press then counts as wheel
// movement, and the event is the wheel's, not a button's.
bool takeWheelButton(int button, int state);
