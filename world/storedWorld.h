// A world kept compactly for going back and undo: everything but its cells as they are, and the
// cells' bytes compressed. A world's cells compress three- to tenfold (empty cells, fields that
// change slowly from cell to cell), and the restored world is the stored one, bit for bit.
#pragma once

#include "heldBytes.h"
#include "world.h"

#include <memory>
#include <vector>

class StoredWorld {
public:
    // Compresses the world, adding what it keeps to count. The world lends its cells for the while,
    // and has them back as they were.
    StoredWorld(World& world, const ByteCount& count);
    // The world as it was stored.
    World restored() const;

private:
    World frame;  // the world without its cells and its lineage pass's work stack
    std::vector<unsigned char> compressedCells;
    HeldBytes held;
};

using SharedWorld = std::shared_ptr<const StoredWorld>;
