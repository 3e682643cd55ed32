// Picking the cell under the mouse: the tiles drawn into the one pixel in colours that name them.
#include "picking.h"

#include "relief.h"
#include "view.h"
#include "world.h"
#include "worldFrame.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Tiles are left out when they miss a region of this many pixels around the one picked: far more
// than the rasterizer's snapping of corners, so no tile that reaches the pixel's centre is lost.
constexpr double cullRegion = 3.0;
constexpr double clipMargin = 1e-4;  // of a coordinate's size: GL clips in floats, this test in doubles
constexpr int channels = 3;
constexpr int texelBytes = 4;  // the channels and alpha

// The product of the projection and the modelview: object coordinates to clip coordinates.
struct clipTransform {
    double m[16];  // column by column, as GL keeps matrices
};

clipTransform currentClipTransform()
{
    double projection[16], modelview[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    clipTransform product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) product.m[column * 4 + row] += projection[k * 4 + row] * modelview[column * 4 + k];
    return product;
}

// Whether the quad lies wholly beyond one plane of the view volume, with room to spare: then it
// cannot reach the picked pixel, and leaving it out changes nothing drawn there.
bool outsideView(const clipTransform& transform, const float corners[4][3])
{
    int beyond[6] = {};
    for (int corner = 0; corner < 4; ++corner) {
        double clip[4];
        for (int row = 0; row < 4; ++row)
            clip[row] = transform.m[row] * corners[corner][0] + transform.m[4 + row] * corners[corner][1] +
                        transform.m[8 + row] * corners[corner][2] + transform.m[12 + row];
        const double w = clip[3];
        for (int axis = 0; axis < 3; ++axis) {
            const double margin = clipMargin * (std::fabs(clip[axis]) + std::fabs(w));
            beyond[2 * axis] += clip[axis] < -w - margin;
            beyond[2 * axis + 1] += clip[axis] > w + margin;
        }
    }
    for (int plane : beyond)
        if (plane == 4) return true;
    return false;
}

// A cell's name spread over the colour channels, the low bits in red; 0 is no tile.
struct nameColour {
    int bits[channels];

    nameColour()
    {
        glGetIntegerv(GL_RED_BITS, &bits[0]);
        glGetIntegerv(GL_GREEN_BITS, &bits[1]);
        glGetIntegerv(GL_BLUE_BITS, &bits[2]);
    }
    void set(int name) const
    {
        float colour[channels];
        for (int channel = 0; channel < channels; ++channel) {
            const int largest = (1 << bits[channel]) - 1;
            colour[channel] = static_cast<float>(name & largest) / static_cast<float>(largest);
            name >>= bits[channel];
        }
        glColor3fv(colour);
    }
    // The same colour as bytes, as a texel takes it: the pixel it leaves reads back as the name.
    void bytes(int name, GLubyte out[channels]) const
    {
        for (int channel = 0; channel < channels; ++channel) {
            const int largest = (1 << bits[channel]) - 1;
            out[channel] = static_cast<GLubyte>(((name & largest) * UINT8_MAX + largest / 2) / largest);
            name >>= bits[channel];
        }
    }
    int read(const GLubyte pixel[channels]) const
    {
        int name = 0, shift = 0;
        for (int channel = 0; channel < channels; ++channel) {
            const int largest = (1 << bits[channel]) - 1;
            name |= ((pixel[channel] * largest + UINT8_MAX / 2) / UINT8_MAX) << shift;
            shift += bits[channel];
        }
        return name;
    }
};

void drawPickTiles(const World& world, const View& view, const clipTransform& cull, const nameColour& names, float lift,
                   float size)
{
    const reliefScale relief = reliefOf(view.zRenderMode, view.elevation);
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        float corners[4][3];
        if (!cells.tileCorners(cursor, index, cellHeight(world.cells[index], relief, lift), size, corners)) continue;
        if (outsideView(cull, corners)) continue;
        names.set(index + 1);
        glBegin(GL_QUADS);
        for (const float* corner : corners) glVertex3fv(corner);
        glEnd();
    }
}

// The texture of the frame, in the colours that name the texels' cells: every cell named, as every
// tile is in drawPickTiles, whether a layer shows it or not.
void drawPickTexture(const World& world, const View& view, int stride, const nameColour& names)
{
    textureLayout laidOut;
    const textureLayout* layout = &view.texture;
    if (!layout->fits(world, stride)) {
        laidOut.layOut(world, stride);
        layout = &laidOut;
    }
    const std::vector<std::int32_t>& cells = layout->texelCells();
    std::vector<std::uint8_t> rgba(cells.size() * texelBytes);
    for (std::size_t texel = 0; texel < cells.size(); ++texel) {
        names.bytes(cells[texel] + 1, &rgba[texel * texelBytes]);
        rgba[texel * texelBytes + channels] = cells[texel] == -1 ? 0 : UINT8_MAX;
    }
    layout->draw(rgba);
}

// The projection and camera of the frame, squeezed first onto the region around the pixel.
clipTransform cullTransform(const Camera& camera, int x, int row, const GLint viewport[4])
{
    glLoadIdentity();
    gluPickMatrix(x + 0.5, row + 0.5, cullRegion, cullRegion, const_cast<GLint*>(viewport));
    multiplyProjection(camera);
    loadCamera(camera);
    return currentClipTransform();
}

}  // namespace

int pickCellAt(const World& world, const View& view, int x, int y)
{
    if (world.empty()) return -1;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int row = viewport[3] - 1 - y;
    if (x < 0 || row < 0 || x >= viewport[2] || row >= viewport[3]) return -1;
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_SCISSOR_BIT | GL_CURRENT_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    const clipTransform cull = cullTransform(view.camera, x, row, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    multiplyProjection(view.camera);
    loadCamera(view.camera);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport[0] + x, viewport[1] + row, 1, 1);
    glDisable(GL_DITHER);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const nameColour names;
    const int stride = viewportStride(world, view);
    if (stride > 0) {
        drawPickTexture(world, view, stride, names);
    } else {
        drawPickTiles(world, view, cull, names, 0.0f, 1.0f);
        if (innerTilesDrawn(view)) drawPickTiles(world, view, cull, names, innerLift, view.tileSize);
    }
    GLubyte pixel[channels];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0] + x, viewport[1] + row, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    return names.read(pixel) - 1;
}
