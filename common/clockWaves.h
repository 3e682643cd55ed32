// Periodic functions of a time in seconds, for effects that pulse: they read no clock themselves.
#pragma once

// Rises linearly from 0 towards 1 through each period (period > 0), counted from shift.
float sawtoothAt(float seconds, float shift, float period);

// Rises from 0 to 1 over the first half of each period and falls back to 0 over the second.
float triangleAt(float seconds, float shift, float period);
