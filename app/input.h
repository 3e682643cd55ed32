// The mouse and the keys on the world window: camera moves, and the touch of the left button.
#pragma once

extern int mouseX;  // last mouse position in window pixels, y down
extern int mouseY;
extern int dragLastX;  // position at the previous right-drag event
extern int dragLastY;
extern int mouseModifiers;  // GLUT modifier bits at the last button event
extern bool touchHeld;  // from a left press until the next button event of another kind
extern float touchStartTime;  // program-clock time of the press that set touchHeld
extern bool pressPending;  // a left press the frame loop has not acted on yet, held or not
extern int pressX;  // where it was, in window pixels, y down
extern int pressY;

// GLUT callbacks of the world window.
void onMousePosition(int x, int y);
void onMouseButton(int button, int state, int x, int y);
void onDrag(int x, int y);
void onSpecialKey(int key, int x, int y);
void onKeyboard(unsigned char key, int x, int y);

// onMouseButton with the modifiers given rather than asked of GLUT.
void handleMouseButton(int button, int state, int x, int y, int modifiers);
// onKeyboard with the modifiers given: + and - move the camera; the program's keys act as in every window.
void handleKey(unsigned char key, int modifiers);
