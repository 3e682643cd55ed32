// The twelve numbers of a cell, by index, and the names the panel shows for them.
#pragma once

enum CellField {
    environmentField = 0,
    populationField = 1,
    phenotypeField = 2,
    groupMembershipField = 3,
    metabolismField = 4,
    spreadRateField = 5,
    terraformField = 6,
    assimilateField = 7,
    technologyField = 8,
    cultureRedField = 9,
    cultureGreenField = 10,
    cultureBlueField = 11,
};

inline constexpr int cellFieldCount = 12;

// "Environment" ... "Culture Blue", indexed by CellField.
extern const char* const cellFieldNames[cellFieldCount];
