// The world's ground: generating the Environment of every cell.
#pragma once

// A fresh terrain for the current lattice; nothing on an empty world.
void generateEnvironment();
