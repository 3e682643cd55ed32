// Drawing the world window.
#include "worldWindow.h"

#include "programClock.h"
#include "shellState.h"
#include "worldChanges.h"
#include "worldFrame.h"

#include <GL/glut.h>

void drawFrame()
{
    glutSetWindow(mainWindow);
    view.seconds = elapsedSeconds();
    view.worldRevision = worldRevision();
    drawWorldFrame(world, view);
}

void display()
{
    drawFrame();
    glutSwapBuffers();
}

void keepTilesInWindowBuffers() { view.tilesInBuffers = true; }

void letGoOfWindowTiles()
{
    glutSetWindow(mainWindow);
    letGoOfTiles(view);
}
