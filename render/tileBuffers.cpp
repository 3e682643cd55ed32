// Sending a layer's changed quads to GL buffer objects.
#include "tileBuffers.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t quadValues = 4 * 3;  // four corners of three numbers

// Sends one array: whole when the buffer is new or resized, or when most of it changed (one
// transfer of it all costs less than a part nearly as large, and lets GL drop the old storage
// without waiting on it), else the changed span.
void sendArray(unsigned int buffer, bool resized, const std::vector<float>& values, quadSpan& changed)
{
    const std::size_t first = changed.first * quadValues;
    const std::size_t count = (changed.end - changed.first) * quadValues;
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    if (resized || 2 * count > values.size())
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(values.size() * sizeof(float)), values.data(), GL_DYNAMIC_DRAW);
    else if (count > 0)
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(first * sizeof(float)),
                        static_cast<GLsizeiptr>(count * sizeof(float)), &values[first]);
    changed.clear();
}

}  // namespace

void quadSpan::add(std::size_t quad)
{
    if (empty()) first = quad;
    first = std::min(first, quad);
    end = std::max(end, quad + 1);
}

void quadSpan::addAll(std::size_t quads)
{
    first = 0;
    end = quads;
}

tileBuffers::tileBuffers(tileBuffers&& other) noexcept
    : corners(std::exchange(other.corners, 0)), colours(std::exchange(other.colours, 0)), values(std::exchange(other.values, 0))
{
}

tileBuffers& tileBuffers::operator=(tileBuffers&& other) noexcept
{
    if (this == &other) return *this;
    letGo();
    corners = std::exchange(other.corners, 0);
    colours = std::exchange(other.colours, 0);
    values = std::exchange(other.values, 0);
    return *this;
}

tileBuffers::~tileBuffers() { letGo(); }

void tileBuffers::letGo()
{
    if (corners == 0) return;
    const GLuint names[] = {corners, colours};
    glDeleteBuffers(2, names);
    corners = colours = 0;
    values = 0;
}

void tileBuffers::send(const std::vector<float>& cornerValues, quadSpan& changedCorners, const std::vector<float>& colourValues,
                       quadSpan& changedColours)
{
    if (corners == 0) {
        GLuint names[2];
        glGenBuffers(2, names);
        corners = names[0];
        colours = names[1];
    }
    const bool resized = values != cornerValues.size();
    values = cornerValues.size();
    sendArray(corners, resized, cornerValues, changedCorners);
    sendArray(colours, resized, colourValues, changedColours);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void tileBuffers::draw(std::size_t quads) const
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, corners);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, colours);
    glColorPointer(3, GL_FLOAT, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(4 * quads));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
