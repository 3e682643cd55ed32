// The program's keys, which act alike from every one of its windows: [ and ] go a step back and
// forward, p opens and closes the Plots window, Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, and
// Ctrl+S saves the world.
#pragma once

// Acts on a key typed with the GLUT modifiers given; any other key does nothing.
void handleProgramKey(unsigned char key, int modifiers);
