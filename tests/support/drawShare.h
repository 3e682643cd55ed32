// The exact chance that rand() mod total falls in a range: the law random cells follow.
#pragma once

#include "randomGenerator.h"

// rand() gives 32768 values, so with total cells the first 32768 mod total of them come up once
// more often than the rest: on the sphere the first 320 cells are 5/4 as likely as the others.
inline double drawShare(int first, int count, int total)
{
    const int values = generator::randMax + 1;
    const int favoured = values % total;
    const int each = values / total;
    int hits = 0;
    for (int k = first; k < first + count; ++k) hits += each + (k < favoured ? 1 : 0);
    return static_cast<double>(hits) / values;
}
