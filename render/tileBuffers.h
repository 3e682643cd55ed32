// A layer's quads kept in GL buffer objects, so that a frame sends GL only what changed.
#pragma once

#include <cstddef>
#include <vector>

// A span of the quads [first, end) whose values changed since GL last had them.
struct quadSpan {
    std::size_t first = 0, end = 0;
    bool empty() const { return first >= end; }
    void add(std::size_t quad);
    void addAll(std::size_t quads);
    void clear() { *this = quadSpan{}; }
};

// The corners and the colours of a layer's quads (twelve numbers a quad each) in two buffers of the
// context current when they were made. That context must be current whenever they are used, moved
// over or let go of.
class tileBuffers {
public:
    tileBuffers() = default;
    tileBuffers(tileBuffers&& other) noexcept;
    tileBuffers& operator=(tileBuffers&& other) noexcept;
    tileBuffers(const tileBuffers&) = delete;
    tileBuffers& operator=(const tileBuffers&) = delete;
    ~tileBuffers();

    // Sends the changed quads of each array, or a whole array when the buffers do not hold as many
    // numbers or when most of it changed; the spans are cleared once sent.
    void send(const std::vector<float>& corners, quadSpan& changedCorners, const std::vector<float>& colours,
              quadSpan& changedColours);
    // Draws the first quads of the buffers.
    void draw(std::size_t quads) const;

private:
    void letGo();

    unsigned int corners = 0, colours = 0;  // the buffers' names, 0 until made
    std::size_t values = 0;  // the numbers each buffer holds
};
