// The render-mode tables.
#include "renderMode.h"

#include <strings.h>

const char* const renderModeNames[renderModeCount] = {
    "Environment", "Phenotype",    "Fitness Map", "Population", "Culture",        "Metabolism", "Spread",
    "Terraform",   "Assimilation", "Technology",  "Groups",     "Group Strength", "Geneology",  "None",
};

// Geneology stands for Group Membership; Group Strength, though it shows Group Membership, for none.
const int renderModeField[renderModeCount] = {0, 2, -1, 1, -1, 4, 5, 6, 7, 8, -1, -1, 3, -1};

int renderModeNamed(const std::string& name)
{
    for (int mode = 0; mode < renderModeCount; ++mode)
        if (strcasecmp(name.c_str(), renderModeNames[mode]) == 0) return mode;
    return -1;
}
