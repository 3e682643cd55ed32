// The program's watchers of its world.
#include "worldWatchers.h"

#include "controlPanels.h"
#include "frameLoop.h"
#include "frameRecording.h"
#include "plotsWindow.h"

void watchWorldFromEveryWindow()
{
    static bool watching = false;
    if (watching) return;
    watching = true;
    watchWorld(redrawOnChange);
    watchWorld(showWorldChange);
    watchWorld(showPlotsChange);
    watchWorld(recordStep);
}
