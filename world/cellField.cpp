// The names of the cell fields, as the panel labels them.
#include "cellField.h"

const char* const cellFieldNames[cellFieldCount] = {
    "Environment", "Population", "Phenotype",  "Group Membership", "Metabolism",    "Spread Rate",
    "Terraform",   "Assimilate", "Technology", "Culture Red",      "Culture Green", "Culture Blue",
};
