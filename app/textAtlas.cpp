// Rendering a bitmap font's characters once and drawing strings from them.
#include "textAtlas.h"

#include <GL/freeglut.h>

namespace {
constexpr int firstCharacter = 32;
constexpr int characterCount = 95;  // the printable ASCII characters
constexpr int cellWidth = 16;  // wider than any character of the small fonts
constexpr int cellHeight = 16;
constexpr int baseline = 12;  // from the cell's top
constexpr int atlasColumns = 16;
constexpr int atlasRows = (characterCount + atlasColumns - 1) / atlasColumns;
constexpr int atlasWidth = cellWidth * atlasColumns;
constexpr int atlasHeight = cellHeight * atlasRows;
static_assert(atlasWidth <= TextAtlas::smallestWidth && atlasHeight <= TextAtlas::smallestHeight);
}  // namespace

TextAtlas::TextAtlas(void* bitmapFont) : font(bitmapFont)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, atlasWidth, atlasHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, atlasWidth, 0.0, atlasHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3ub(255, 255, 255);
    for (int at = 0; at < characterCount; ++at) {
        glRasterPos2i(at % atlasColumns * cellWidth, atlasHeight - at / atlasColumns * cellHeight - baseline);
        glutBitmapCharacter(font, firstCharacter + at);
    }
    std::vector<unsigned char> pixels(static_cast<std::size_t>(atlasWidth) * atlasHeight);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, atlasWidth, atlasHeight, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlasWidth, atlasHeight, 0, GL_ALPHA, GL_UNSIGNED_BYTE, pixels.data());
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

TextAtlas::~TextAtlas() { glDeleteTextures(1, &texture); }

int TextAtlas::width(const std::string& text) const
{
    return glutBitmapLength(font, reinterpret_cast<const unsigned char*>(text.c_str()));
}

void TextAtlas::add(int x, int y, const std::string& text)
{
    for (const char character : text) {
        const int at = static_cast<unsigned char>(character) - firstCharacter;
        if (at < 0 || at >= characterCount) continue;
        // The atlas's rows run from the bottom, the window's from the top.
        const float left = static_cast<float>(at % atlasColumns * cellWidth) / atlasWidth;
        const float right = left + static_cast<float>(cellWidth) / atlasWidth;
        const float upper = static_cast<float>(atlasHeight - at / atlasColumns * cellHeight) / atlasHeight;
        const float lower = upper - static_cast<float>(cellHeight) / atlasHeight;
        const float top = static_cast<float>(y - baseline), bottom = top + cellHeight;
        const float x0 = static_cast<float>(x), x1 = x0 + cellWidth;
        corners.insert(corners.end(), {x0, top, x1, top, x1, bottom, x0, bottom});
        places.insert(places.end(), {left, upper, right, upper, right, lower, left, lower});
        x += glutBitmapWidth(font, character);
    }
}

void TextAtlas::draw()
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, corners.data());
    glTexCoordPointer(2, GL_FLOAT, 0, places.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size() / 2));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    corners.clear();
    places.clear();
}
