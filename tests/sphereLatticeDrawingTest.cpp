// What the sphere's drawing operations emit, captured with GL feedback mode.
#include "glTestContext.h"
#include "sphereLattice.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using Vertex = FeedbackVertex;

double length(const Vertex& v) { return std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]); }

double angleDegrees(const Vertex& p, const float* q)
{
    const double dot = double(p[0]) * q[0] + double(p[1]) * q[1] + double(p[2]) * q[2];
    const double lengths = length(p) * std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] + double(q[2]) * q[2]);
    return std::acos(std::min(1.0, dot / lengths)) * 180.0 / M_PI;
}

Vertex centreOf(const std::vector<Vertex>& quad)
{
    Vertex centre{0.0f, 0.0f, 0.0f};
    for (const Vertex& corner : quad)
        for (int axis = 0; axis < 3; ++axis) centre[axis] += corner[axis] / 4.0f;
    return centre;
}

class SphereDrawing : public testing::Test {
protected:
    sphereLattice sphere{160, 25.0f};
};

// The drawing turns degrees exactly while cellPosition takes a turn as 6.28 radians: the two agree
// to within 0.2 degrees of longitude.
TEST_F(SphereDrawing, TilesAreCentredWhereCellPositionSays)
{
    const float height = 2.0f;
    const auto quads = feedbackQuads(captureFeedback([&] {
        latticeCursor cursor;
        for (int cell = sphere.firstCell(cursor); cell != -1; cell = sphere.nextCell(cursor))
            sphere.drawCellTile(cursor, cell, height, 0.55f);
    }));
    ASSERT_EQ(quads.size(), 8112u);

    latticeCursor cursor;
    size_t tile = 0;
    double worst = 0.0;
    for (int cell = sphere.firstCell(cursor); cell != -1; cell = sphere.nextCell(cursor), ++tile) {
        float position[3];
        sphere.cellPosition(cursor, cell, position, height);
        const Vertex centre = centreOf(quads[tile]);
        worst = std::max(worst, angleDegrees(centre, position));
        ASSERT_NEAR(length(centre), 25.0 + height * 0.2453125, 1e-3) << "cell " << cell;
    }
    EXPECT_LT(worst, 0.2);
    EXPECT_GT(worst, 0.0);  // the two conversions do differ
}

TEST_F(SphereDrawing, TileIsASquareOfTheCellEdgeTangentToTheSphere)
{
    latticeCursor equator{0, 39};
    const auto quad = feedbackQuad(captureFeedback([&] { sphere.drawCellTile(equator, 39 * 160, 0.0f, 1.0f); }));
    ASSERT_EQ(quad.size(), 4u);
    const float half = 0.98125f / 2.0f;
    const Vertex expected[] = {{-half, -half, 25.0f}, {-half, half, 25.0f}, {half, half, 25.0f}, {half, -half, 25.0f}};
    for (int v = 0; v < 4; ++v)
        for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(quad[v][axis], expected[v][axis], 1e-4f);

    const auto filled = feedbackQuad(captureFeedback([&] { sphere.drawCellFilled(equator, 39 * 160, 0.0f); }));
    ASSERT_EQ(filled.size(), 4u);
    for (int v = 0; v < 4; ++v)
        for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(filled[v][axis], quad[v][axis], 1e-4f);
    EXPECT_EQ(captureFeedback([&] { sphere.drawCellOutline(equator, 39 * 160, 0.0f); }).size(), 4u);
}

TEST_F(SphereDrawing, CellVertexOnTheEquatorAtTwoHeights)
{
    latticeCursor equator{0, 39};
    const auto points = captureFeedback([&] {
        glBegin(GL_POINTS);
        sphere.cellVertex(equator, 39 * 160, 0.0f);
        sphere.cellVertex(equator, 39 * 160, 4.0f);
        glEnd();
    });
    ASSERT_EQ(points.size(), 2u);
    EXPECT_NEAR(points[0].vertices[0][2], 25.0f, 1e-4f);
    EXPECT_NEAR(points[1].vertices[0][2], 25.98125f, 1e-4f);
    EXPECT_NEAR(points[1].vertices[0][0], 0.0f, 1e-4f);
    EXPECT_NEAR(points[1].vertices[0][1], 0.0f, 1e-4f);
}

TEST_F(SphereDrawing, HolesDrawNothing)
{
    latticeCursor hole{6, 0};
    latticeCursor pastTheLastRow{0, 79};
    EXPECT_TRUE(captureFeedback([&] {
                    sphere.drawCellTile(hole, 6, 0.0f, 1.0f);
                    sphere.drawCellOutline(pastTheLastRow, 12640, 0.0f);
                }).empty());
}

}  // namespace
