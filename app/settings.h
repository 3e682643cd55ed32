// The settings the control panels edit that the shell reads.
#pragma once

// Topology radio: 0 Plane, 1 Disc, 2 Sphere.
extern int topologyChoice;

// Speed radio: 0 "Paused", 1 "Turtle", 2 "Llama", 3 "Swallow", 4 "Cheetah".
extern int speed;

// Touch radio: a TouchTool, 4 "Select Cell" at start.
extern int touchTool;
