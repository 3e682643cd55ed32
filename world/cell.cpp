// Construction and clearing of cell records.
#include "cell.h"

Cell::Cell() : field{}, next{}, overtaken(0), parentBirthStep(0), birthStep(0), parent(-1), lineage(-1) { clear(); }

void Cell::clear()
{
    for (int f = populationField; f < cellFieldCount; ++f) field[f] = 0.0f;
    group.id = -1;
    group.colour = noGroupColour;
    parent = -1;
}
