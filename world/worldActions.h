// What the user does to the world directly: seeding life.
#pragma once

// Seeds count random cells with life; nothing on an empty world or for count <= 0.
void seedLife(int count);
