// The settings the control panels edit, read by the shell.
#pragma once

// Topology radio: 0 Plane, 1 Disc, 2 Sphere.
extern int topologyChoice;
