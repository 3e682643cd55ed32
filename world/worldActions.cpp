// The world actions.
#include "worldActions.h"

void seedLife(int)
{
    // Seeding arrives with the world actions; until then a new world starts without life.
}
