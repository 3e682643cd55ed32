// One layer of the world: tiles coloured by a render mode, the Geneology links, the highlight.
#include "worldLayer.h"

#include "clockWaves.h"
#include "layerTiles.h"
#include "modeColours.h"
#include "relief.h"
#include "view.h"
#include "world.h"

#include <GL/gl.h>

namespace {

constexpr float highlightLift = 0.1f;
constexpr float highlightWidth = 2.0f;

void setColour(const Colour& colour) { glColor3f(colour.red, colour.green, colour.blue); }

// A segment from each cell to its live, living parent, blending their colours; a point for a
// living cell without one.
void drawGeneology(const World& world, const reliefScale& relief, float lift, float seconds)
{
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        const Cell& cell = world.cells[index];
        latticeCursor parentCursor;
        const bool linked = cell.parent != -1 && cells.locate(cell.parent, parentCursor) &&
                            world.cells[cell.parent].birthStep == cell.parentBirthStep &&
                            world.cells[cell.parent].field[populationField] > 0.0f;
        if (linked) {
            const Cell& parent = world.cells[cell.parent];
            glBegin(GL_LINES);
            setColour(lineageColour(cell, seconds));
            cells.cellVertex(cursor, index, cellHeight(cell, relief, lift));
            setColour(lineageColour(parent, seconds));
            cells.cellVertex(parentCursor, cell.parent, cellHeight(parent, relief, lift));
            glEnd();
        } else if (cell.field[populationField] > 0.0f) {
            glBegin(GL_POINTS);
            setColour(lineageColour(cell, seconds));
            cells.cellVertex(cursor, index, cellHeight(cell, relief, lift));
            glEnd();
        }
    }
}

void drawHighlight(const World& world, const View& view, const reliefScale& relief, float lift)
{
    const Cell* selected = selectedCell(world, view.selectedIndex);
    if (!selected) return;
    latticeCursor cursor;
    world.currentLattice->locate(view.selectedIndex, cursor);
    setColour(lerpColour(colourWhite, colourRed, triangleAt(view.seconds, 0.0f, 1.0f)));
    glLineWidth(highlightWidth);
    world.currentLattice->drawCellOutline(cursor, view.selectedIndex, cellHeight(*selected, relief, lift) + highlightLift);
    glLineWidth(1.0f);
}

}  // namespace

void drawWorldLayer(const World& world, const View& view, int mode, float lift, float size, layerTiles& tiles)
{
    if (world.empty()) return;
    const reliefScale relief = reliefOf(view.zRenderMode, view.elevation);
    if (mode == geneologyMode) {
        drawGeneology(world, relief, lift, view.seconds);
    } else {
        tiles.gather(world, view.worldRevision, mode, relief, lift, size);
        tiles.draw(view.tilesInBuffers);
    }
    drawHighlight(world, view, relief, lift);
    setColour(noGroupColour);
}

void drawFlatHighlight(const World& world, const View& view)
{
    drawHighlight(world, view, reliefScale{environmentField, 0.0f}, 0.0f);
    setColour(noGroupColour);
}
