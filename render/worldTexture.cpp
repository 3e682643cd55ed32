// Drawing a world's colours as a texture on its layout's geometry, and where that is done.
#include "worldTexture.h"

#include "camera.h"
#include "clamp01.h"
#include "modeColours.h"
#include "planeLattice.h"
#include "sphereLattice.h"
#include "textureLayout.h"
#include "view.h"
#include "world.h"

#include <cmath>

namespace {

constexpr int bytesPerTexel = 4;
constexpr float byteLargest = 255.0f;

float cellWidth(const World& world)
{
    const lattice* cells = world.currentLattice.get();
    if (const auto* plane = dynamic_cast<const planeLattice*>(cells)) return plane->cellSize;
    if (const auto* sphere = dynamic_cast<const sphereLattice*>(cells)) return sphere->cellSize;
    return 1.0f;  // the disc's rings are one unit wide
}

// A colour's byte, rounded.
std::uint8_t colourByte(float value) { return static_cast<std::uint8_t>(clamp01(value) * byteLargest + 0.5f); }

bool layerColour(int mode, const Cell& cell, float seconds, Colour& out)
{
    if (mode != geneologyMode) return tileColour(mode, cell, out);
    if (!(cell.field[populationField] > 0.0f)) return false;
    out = lineageColour(cell, seconds);
    return true;
}

}  // namespace

int textureStride(const World& world, const Camera& camera, int viewportHeight)
{
    if (world.empty()) return 0;
    const double pixels = cellWidth(world) * viewportHeight / (2.0 * camera.distance);
    if (!(pixels > 0.0) || pixels >= 1.0) return 0;
    return static_cast<int>(std::ceil(1.0 / pixels));
}

void drawWorldTexture(const World& world, View& view, int stride, int outerMode, int innerMode)
{
    textureLayout& layout = view.texture;
    layout.layOut(world, stride);
    const float innerShare = innerMode == geneologyMode ? 1.0f : view.tileSize * view.tileSize;
    const std::vector<std::int32_t>& cells = layout.texelCells();
    std::vector<std::uint8_t>& rgba = view.texels;
    rgba.resize(cells.size() * bytesPerTexel);
    for (std::size_t texel = 0; texel < cells.size(); ++texel) {
        std::uint8_t* bytes = &rgba[texel * bytesPerTexel];
        const Cell& cell = world.cells[cells[texel]];
        Colour outer = noGroupColour, inner{};
        const bool outerShown = layerColour(outerMode, cell, view.seconds, outer);
        const bool innerShown = layerColour(innerMode, cell, view.seconds, inner);
        const Colour colour = innerShown ? lerpColour(outer, inner, innerShare) : outer;
        bytes[0] = colourByte(colour.red);
        bytes[1] = colourByte(colour.green);
        bytes[2] = colourByte(colour.blue);
        bytes[3] = outerShown || innerShown ? UINT8_MAX : 0;
    }
    layout.draw(rgba);
}
