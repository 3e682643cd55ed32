// The drawing operations of the controls, in a panel window's coordinates: pixels, y down.
#pragma once

#include "stockImages.h"

#include <initializer_list>
#include <string>

class Control;
class PanelWindow;

// The width of a text in the window's font: the sum of its characters' widths.
int textWidth(const PanelWindow& window, const std::string& text);

// The control's name with its baseline at (x, y), in black over a background-coloured shadow.
void drawLabel(const Control& control, int x, int y);

// The dotted black mark around a check box's or radio button's label while it has the focus;
// otherwise the same loop in the background colour, erasing an earlier mark.
void drawFocusBox(const Control& control);

// The frame of a released button: white top and left edges, black and grey bottom and right.
void drawRaisedBox(const PanelWindow& window, int x, int y, int w, int h);

// The picture with its top-left corner at (x, y).
void drawImage(const StockImage& image, int x, int y);

// Grey levels and the window's background as the current colour.
void setGrey(int level);
void setBackground(const PanelWindow& window);

// A filled quad and an open or closed line through the points (x, y pairs), at line width 1.
void fillQuad(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3);
void drawLines(unsigned primitive, std::initializer_list<int> points);

// The black dotted closed loop of a focus mark through four corners.
void drawDottedLoop(int left, int top, int right, int bottom);
