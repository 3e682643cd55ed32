// Shift+Tab in the panel windows on X11.
#pragma once

// Hands every panel window the Shift+Tab presses made in it since the last call, as a Tab with
// Shift held. Called from the idle function; panel windows opened since the last call are watched
// from then on.
void deliverBackwardTabs();

// The X connection the Shift+Tab presses arrive on, -1 until the first deliverBackwardTabs opens it.
int backwardTabConnection();

// True when presses have arrived on that connection that deliverBackwardTabs has not yet looked at.
bool backwardTabsPending();
