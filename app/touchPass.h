// The Touch tool applied to the cell under the mouse while the left button is held.
#pragma once

// The brush radius after holding the button since touchStartTime: the square of a ramp over
// five seconds, 0 at the press, 0.25 after 2.5 s, 1 from 5 s on.
float touchRadius();

// Picks the cell under the mouse, or under a press not yet acted on, and applies the Touch tool to
// it (-1 when none is there).
void pickAndTouch();
