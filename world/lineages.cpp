// Live parent links and the lineage pass.
#include "lineages.h"

#include "world.h"

namespace {

// a and b are parent and child, in either order, through a live link.
bool liveLinkBetween(const World& world, int a, int b)
{
    const Cell& first = world.cells[a];
    const Cell& second = world.cells[b];
    return (first.parent == b && first.parentBirthStep == second.birthStep) ||
           (second.parent == a && second.parentBirthStep == first.birthStep);
}

// Labels the lineage that start belongs to, depth first with the world's work stack.
void labelLineage(World& world, int start, const latticeCursor& cursor, int label)
{
    LineageFrame* stack = world.lineageStack.data();
    int height = 0;
    world.cells[start].lineage = label;
    stack[height++] = LineageFrame{start, cursor, 0};
    while (height > 0) {
        LineageFrame& top = stack[height - 1];
        if (top.nextDir >= neighbourDirections) {
            --height;
            continue;
        }
        const int direction = top.nextDir++;
        latticeCursor there = top.cursor;
        const int n = world.currentLattice->neighbour(there, top.cell, direction);
        if (n == -1) continue;
        Cell& candidate = world.cells[n];
        if (candidate.lineage != -1 || !(candidate.field[populationField] > 0.0f) || !liveLinkBetween(world, top.cell, n))
            continue;
        // A cell is pushed only once, so the stack never holds more than cellCount frames.
        candidate.lineage = label;
        stack[height++] = LineageFrame{n, there, 0};
    }
}

}  // namespace

bool hasLiveParent(const World& world, const Cell& cell)
{
    if (cell.parent < 0 || cell.parent >= world.cellCount) return false;
    return cell.parentBirthStep == world.cells[cell.parent].birthStep;
}

void computeLineages(World& world)
{
    if (world.empty() || world.lineageStack.empty()) return;
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].lineage = -1;
    int label = 0;
    latticeCursor cursor;
    for (int cell = world.currentLattice->firstCell(cursor); cell != -1; cell = world.currentLattice->nextCell(cursor)) {
        const Cell& seed = world.cells[cell];
        if (seed.lineage != -1 || seed.field[populationField] == 0.0f) continue;
        labelLineage(world, cell, cursor, label);
        label += 1;
    }
}
