// Waiting for the window system instead of spinning: the idle function of a program with nothing
// to do rests here.
#pragma once

// The longest rest: work GLUT keeps for its next round, such as a redisplay asked for while a
// window was drawn, comes with no event to wake the wait.
inline constexpr int longestRest = 50;

// Waits until X has an event for GLUT's windows or a Shift+Tab for the panel windows (see
// platformBackwardTab.h), or until the time has passed (negative, or more than longestRest: that).
// True when events arrived; false when the time ran out or there is no display to wait on.
bool waitForEvents(int timeoutMilliseconds);
