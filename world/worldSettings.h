// The settings the world reads, which the control panel writes.
#pragma once

// The "Outer" render choice (a RenderMode); the paint tools write the cell field it shows.
extern int outerRenderMode;
