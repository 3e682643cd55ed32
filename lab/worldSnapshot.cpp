// Reading the frame back from the offscreen buffer.
#include "worldSnapshot.h"

#include "worldFrame.h"

#include <GL/gl.h>

#include <cstdio>

Picture drawSnapshot(const World& world, View& view)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glEnable(GL_DEPTH_TEST);
    drawWorldFrame(world, view);
    glFinish();
    Picture picture;
    picture.width = viewport[2];
    picture.height = viewport[3];
    picture.rgba.assign(static_cast<size_t>(picture.width) * picture.height * 4, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // GL's rows run from the bottom; the picture's from the top.
    for (int row = 0; row < picture.height; ++row)
        glReadPixels(0, picture.height - 1 - row, picture.width, 1, GL_RGBA, GL_UNSIGNED_BYTE, picture.pixel(0, row));
    for (size_t alpha = 3; alpha < picture.rgba.size(); alpha += 4) picture.rgba[alpha] = 255;
    return picture;
}

std::string snapshotPath(const std::string& directory, int step)
{
    char name[32];
    std::snprintf(name, sizeof name, "world-%06d.png", step);
    return directory + "/" + name;
}
