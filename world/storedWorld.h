// A world kept compactly for going back and undo: its world file's bytes, compressed. A world's
// bytes compress about eightfold (empty cells, slowly changing fields), and a world file holds
// everything that decides what the world does next, so the world restored is the world stored.
#pragma once

#include "heldBytes.h"
#include "world.h"

#include <memory>
#include <vector>

class StoredWorld {
public:
    // Compresses the world, adding what it keeps to count.
    StoredWorld(const World& world, const ByteCount& count);
    // The world as it was stored; lastStepTime 0.
    World restored() const;

private:
    StoredWorld(const std::vector<unsigned char>& bytes, const ByteCount& count);

    std::vector<unsigned char> compressed;
    std::size_t size;  // of the world file's bytes
    HeldBytes held;
};

using SharedWorld = std::shared_ptr<const StoredWorld>;
