// What the plane's drawing operations emit, captured with GL feedback mode.
#include "glTestContext.h"
#include "planeLattice.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

using Vertex = FeedbackVertex;

constexpr float tolerance = 1e-3f;

void expectVertex(const Vertex& actual, const Vertex& expected)
{
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

// The corners of the one quad a drawing call emitted, in drawing order.
std::vector<Vertex> onlyQuad(const std::vector<FeedbackPrimitive>& primitives)
{
    const auto quad = feedbackQuad(primitives);
    EXPECT_EQ(quad.size(), 4u) << "the call did not emit exactly one quad";
    return quad;
}

class PlaneDrawing : public testing::Test {
protected:
    planeLattice plane{80, 80, 1.0f};
    latticeCursor cell{3, 5};  // x from -37 to -36, y from -35 to -34
    int index = 5 * 80 + 3;
};

TEST_F(PlaneDrawing, FilledCellIsOneQuadOverTheSquare)
{
    const auto quad = onlyQuad(captureFeedback([&] { plane.drawCellFilled(cell, index, 2.0f); }));
    ASSERT_EQ(quad.size(), 4u);
    expectVertex(quad[0], {-37.0f, -35.0f, 2.0f});
    expectVertex(quad[1], {-36.0f, -35.0f, 2.0f});
    expectVertex(quad[2], {-36.0f, -34.0f, 2.0f});
    expectVertex(quad[3], {-37.0f, -34.0f, 2.0f});
}

TEST_F(PlaneDrawing, OutlineIsALoopThroughTheCorners)
{
    const auto lines = captureFeedback([&] { plane.drawCellOutline(cell, index, -1.5f); });
    ASSERT_EQ(lines.size(), 4u);
    const Vertex corners[] = {{-37.0f, -35.0f, -1.5f}, {-36.0f, -35.0f, -1.5f}, {-36.0f, -34.0f, -1.5f}, {-37.0f, -34.0f, -1.5f}};
    for (int side = 0; side < 4; ++side) {
        EXPECT_EQ(lines[side].kind, FeedbackPrimitive::line);
        ASSERT_EQ(lines[side].vertices.size(), 2u);
        expectVertex(lines[side].vertices[0], corners[side]);
        expectVertex(lines[side].vertices[1], corners[(side + 1) % 4]);
    }
}

TEST_F(PlaneDrawing, FullSizeTileEqualsTheFilledCell)
{
    const auto filled = onlyQuad(captureFeedback([&] { plane.drawCellFilled(cell, index, 0.25f); }));
    const auto tile = onlyQuad(captureFeedback([&] { plane.drawCellTile(cell, index, 0.25f, 1.0f); }));
    ASSERT_EQ(tile.size(), filled.size());
    for (size_t v = 0; v < tile.size(); ++v) expectVertex(tile[v], filled[v]);
}

TEST_F(PlaneDrawing, TileShrinksAboutTheCentre)
{
    const auto half = onlyQuad(captureFeedback([&] { plane.drawCellTile(cell, index, 0.0f, 0.5f); }));
    ASSERT_EQ(half.size(), 4u);
    expectVertex(half[0], {-36.75f, -34.75f, 0.0f});
    expectVertex(half[2], {-36.25f, -34.25f, 0.0f});
}

TEST_F(PlaneDrawing, ZeroSizeTileCollapsesToTheCentre)
{
    const auto point = onlyQuad(captureFeedback([&] { plane.drawCellTile(cell, index, 1.0f, 0.0f); }));
    for (const Vertex& vertex : point) expectVertex(vertex, {-36.5f, -34.5f, 1.0f});
}

TEST_F(PlaneDrawing, CellVertexIsTheCellPosition)
{
    const auto points = captureFeedback([&] {
        glBegin(GL_POINTS);
        plane.cellVertex(cell, index, 3.0f);
        glEnd();
    });
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].kind, FeedbackPrimitive::point);
    expectVertex(points[0].vertices[0], {-36.5f, -34.5f, 3.0f});
}

TEST_F(PlaneDrawing, HeightsAndTilesScaleWithTheCellSize)
{
    planeLattice coarse{4, 4, 2.0f};  // from -4 to 4
    latticeCursor corner{3, 0};
    const auto quad = onlyQuad(captureFeedback([&] { coarse.drawCellTile(corner, 3, 1.5f, 0.5f); }));
    ASSERT_EQ(quad.size(), 4u);
    expectVertex(quad[0], {2.5f, -3.5f, 3.0f});
    expectVertex(quad[2], {3.5f, -2.5f, 3.0f});
}

}  // namespace
