// What the disc's drawing operations emit, captured with GL feedback mode.
#include "glTestContext.h"
#include "spiralLattice.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using Vertex = FeedbackVertex;
constexpr float tolerance = 1e-4f;

void expectVertex(const Vertex& actual, const Vertex& expected)
{
    EXPECT_NEAR(actual[0], expected[0], tolerance);
    EXPECT_NEAR(actual[1], expected[1], tolerance);
    EXPECT_NEAR(actual[2], expected[2], tolerance);
}

class DiscDrawing : public testing::Test {
protected:
    void SetUp() override { disc.build(); }

    spiralLattice disc{40};
    latticeCursor ringOneFirst{1, 0};
    int index = 246;
    // Ring 1, cell 0 spans 0 to 45 degrees from +y toward -x: A, C on radius 1, B, D on radius 2.
    const Vertex a{0.0f, 1.0f, 0.0f}, c{-0.70711f, 0.70711f, 0.0f}, b{-1.41421f, 1.41421f, 0.0f}, d{0.0f, 2.0f, 0.0f};
};

TEST_F(DiscDrawing, FilledCellRunsThroughACBD)
{
    const auto quad = feedbackQuad(captureFeedback([&] { disc.drawCellFilled(ringOneFirst, index, 0.0f); }));
    ASSERT_EQ(quad.size(), 4u);
    expectVertex(quad[0], a);
    expectVertex(quad[1], c);
    expectVertex(quad[2], b);
    expectVertex(quad[3], d);
}

TEST_F(DiscDrawing, OutlineIsALoopThroughTheSameCorners)
{
    const auto lines = captureFeedback([&] { disc.drawCellOutline(ringOneFirst, index, 0.0f); });
    ASSERT_EQ(lines.size(), 4u);
    const Vertex corners[] = {a, c, b, d};
    for (int side = 0; side < 4; ++side) {
        ASSERT_EQ(lines[side].kind, FeedbackPrimitive::line);
        expectVertex(lines[side].vertices[0], corners[side]);
        expectVertex(lines[side].vertices[1], corners[(side + 1) % 4]);
    }
}

TEST_F(DiscDrawing, FullTileIsTheCellAndZeroTileTheDiagonalMidpoints)
{
    const auto full = feedbackQuad(captureFeedback([&] { disc.drawCellTile(ringOneFirst, index, 1.5f, 1.0f); }));
    ASSERT_EQ(full.size(), 4u);
    const Vertex lifted[] = {{a[0], a[1], 1.5f}, {c[0], c[1], 1.5f}, {b[0], b[1], 1.5f}, {d[0], d[1], 1.5f}};
    for (int v = 0; v < 4; ++v) expectVertex(full[v], lifted[v]);

    const auto collapsed = feedbackQuad(captureFeedback([&] { disc.drawCellTile(ringOneFirst, index, 0.0f, 0.0f); }));
    ASSERT_EQ(collapsed.size(), 4u);
    const Vertex acrossAB{(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, 0.0f};
    const Vertex acrossCD{(c[0] + d[0]) / 2, (c[1] + d[1]) / 2, 0.0f};
    expectVertex(collapsed[0], acrossAB);
    expectVertex(collapsed[1], acrossCD);
    expectVertex(collapsed[2], acrossAB);
    expectVertex(collapsed[3], acrossCD);
}

TEST_F(DiscDrawing, CellVertexIsTheMidpointOfTheDiagonal)
{
    const auto points = captureFeedback([&] {
        glBegin(GL_POINTS);
        disc.cellVertex(ringOneFirst, index, 0.0f);
        glEnd();
    });
    ASSERT_EQ(points.size(), 1u);
    expectVertex(points[0].vertices[0], {-0.70711f, 1.20711f, 0.0f});
}

TEST_F(DiscDrawing, HolesAndCellsOffTheDiscDrawNothing)
{
    latticeCursor hole;
    ASSERT_TRUE(disc.locate(5, hole));  // accepted, though ring 0 has two cells
    EXPECT_TRUE(captureFeedback([&] {
                    disc.drawCellOutline(hole, 5, 0.0f);
                    disc.drawCellFilled(hole, 5, 0.0f);
                    disc.drawCellTile(hole, 5, 0.0f, 0.5f);
                    latticeCursor outside{40, 0};
                    disc.drawCellFilled(outside, 9840, 0.0f);
                }).empty());
}

TEST_F(DiscDrawing, EveryCellIsDrawnAsOneQuad)
{
    const auto quads = feedbackQuads(captureFeedback([&] {
        latticeCursor cursor;
        for (int cell = disc.firstCell(cursor); cell != -1; cell = disc.nextCell(cursor))
            disc.drawCellTile(cursor, cell, 0.0f, 0.5f);
    }));
    EXPECT_EQ(quads.size(), 4955u);
}

}  // namespace
