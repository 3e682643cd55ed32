// Writing the world window's frames while the world runs.
#include "frameRecording.h"

#include "directories.h"
#include "pngFile.h"
#include "worldWindow.h"

#include <GL/glut.h>

#include <cstdio>

namespace {

std::string recordDirectory;  // empty while not recording
int recordEvery = 1;

// The frame drawn for the world as it stands, read from the back buffer; rows from the top.
Picture drawnFrame()
{
    const int previous = glutGetWindow();
    drawFrame();
    Picture picture;
    picture.width = glutGet(GLUT_WINDOW_WIDTH);
    picture.height = glutGet(GLUT_WINDOW_HEIGHT);
    picture.rgba.resize(static_cast<std::size_t>(picture.width) * picture.height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int row = 0; row < picture.height; ++row)
        glReadPixels(0, picture.height - 1 - row, picture.width, 1, GL_RGBA, GL_UNSIGNED_BYTE, picture.pixel(0, row));
    if (previous > 0) glutSetWindow(previous);
    return picture;
}

}  // namespace

std::string startRecording(const std::string& directory, int every)
{
    const std::string problem = makeDirectory(directory);
    if (!problem.empty()) return problem;
    recordDirectory = directory;
    recordEvery = every;
    return {};
}

void recordStep(WorldChange change)
{
    if (change != WorldChange::stepped || recordDirectory.empty() || world.stepCount % recordEvery != 0) return;
    const std::string path = recordDirectory + "/frame-" + std::to_string(world.stepCount) + ".png";
    if (writePng(drawnFrame(), path, true)) return;
    std::fprintf(stderr, "quillmoss: cannot write %s; the recording stops\n", path.c_str());
    recordDirectory.clear();
}
