// The report of the OpenGL driver printed at start.
#pragma once

// Prints "OpenGL Driver - " and the vendor, renderer, version and extension strings of the
// current context. The window-system extension query has no equivalent here: that line is left out.
void reportDriver();
