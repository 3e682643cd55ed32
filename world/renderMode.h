// The fourteen render modes, their names, and the cell field each one stands for.
#pragma once

#include <string>

enum RenderMode {
    environmentMode = 0,
    phenotypeMode = 1,
    fitnessMapMode = 2,
    populationMode = 3,
    cultureMode = 4,
    metabolismMode = 5,
    spreadMode = 6,
    terraformMode = 7,
    assimilationMode = 8,
    technologyMode = 9,
    groupsMode = 10,
    groupStrengthMode = 11,
    geneologyMode = 12,
    noneMode = 13,  // draws nothing
};

inline constexpr int renderModeCount = 14;

// "Environment" ... "None", indexed by RenderMode.
extern const char* const renderModeNames[renderModeCount];

// The CellField a mode shows as height and the paint tools write; -1 for a mode without one.
extern const int renderModeField[renderModeCount];

// A render mode by the Render panel's name, in any letter case; -1 when there is none.
int renderModeNamed(const std::string& name);
