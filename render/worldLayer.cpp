// One layer of the world: tiles coloured by a render mode, the Geneology links, the highlight.
#include "worldLayer.h"

#include "modeColours.h"
#include "programClock.h"
#include "renderMode.h"
#include "world.h"

#include <GL/gl.h>

#include <vector>

namespace {

constexpr float reliefRange = 12.0f;
constexpr float highlightLift = 0.1f;
constexpr float highlightWidth = 2.0f;
constexpr std::size_t quadValues = 4 * 3;  // four corners of three numbers

void setColour(const Colour& colour) { glColor3f(colour.red, colour.green, colour.blue); }

// The tiles' corners and colours, gathered into arrays that GL takes in one draw: the quads the
// lattice's drawCellTile would draw one by one, in the same order, with the same numbers. The
// arrays keep their room from frame to frame.
void drawTiles(int mode, const reliefScale& relief, float lift, float size)
{
    static std::vector<float> corners, colours;
    corners.resize(static_cast<std::size_t>(world.cellCount) * quadValues);
    colours.resize(corners.size());
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor;
    Colour colour{};
    std::size_t used = 0;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        const Cell& cell = world.cells[index];
        if (!tileColour(mode, cell, colour)) continue;
        auto* quad = reinterpret_cast<float(*)[3]>(&corners[used]);
        if (!cells.tileCorners(cursor, index, cellHeight(cell, relief, lift), size, quad)) continue;
        for (int corner = 0; corner < 4; ++corner, used += 3) {
            colours[used] = colour.red;
            colours[used + 1] = colour.green;
            colours[used + 2] = colour.blue;
        }
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.data());
    glColorPointer(3, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(4 * (used / quadValues)));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

// A segment from each cell to its live, living parent, blending their colours; a point for a
// living cell without one.
void drawGeneology(const reliefScale& relief, float lift)
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
            setColour(lineageColour(cell));
            cells.cellVertex(cursor, index, cellHeight(cell, relief, lift));
            setColour(lineageColour(parent));
            cells.cellVertex(parentCursor, cell.parent, cellHeight(parent, relief, lift));
            glEnd();
        } else if (cell.field[populationField] > 0.0f) {
            glBegin(GL_POINTS);
            setColour(lineageColour(cell));
            cells.cellVertex(cursor, index, cellHeight(cell, relief, lift));
            glEnd();
        }
    }
}

void drawHighlight(const reliefScale& relief, float lift)
{
    if (world.selectedIndex == -1 || !world.selectedCell) return;
    latticeCursor cursor;
    world.currentLattice->locate(world.selectedIndex, cursor);
    setColour(lerpColour(colourWhite, colourRed, clockTriangle(0.0f, 1.0f)));
    glLineWidth(highlightWidth);
    world.currentLattice->drawCellOutline(cursor, world.selectedIndex,
                                          cellHeight(*world.selectedCell, relief, lift) + highlightLift);
    glLineWidth(1.0f);
}

}  // namespace

reliefScale reliefOf(int heightMode, float elevation)
{
    const int field = heightMode >= 0 && heightMode < renderModeCount ? renderModeField[heightMode] : -1;
    if (field == -1) return {environmentField, 0.0f};
    return {field, elevation * reliefRange};
}

float cellHeight(const Cell& cell, const reliefScale& relief, float lift)
{
    return (cell.field[relief.field] - 0.5f) * relief.scale + lift;
}

void drawWorldLayer(int mode, int heightMode, float elevation, float lift, float size)
{
    if (!world.cells || !world.currentLattice) return;
    const reliefScale relief = reliefOf(heightMode, elevation);
    if (mode == geneologyMode) {
        drawGeneology(relief, lift);
    } else {
        drawTiles(mode, relief, lift, size);
    }
    drawHighlight(relief, lift);
    setColour(noGroupColour);
}
