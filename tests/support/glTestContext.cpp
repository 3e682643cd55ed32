// The test window and GL feedback capture.
#include "glTestContext.h"

#include <GL/glut.h>

#include <stdexcept>

namespace {

int testWindow = 0;
constexpr int feedbackCapacity = 1 << 20;
constexpr int captureSize = static_cast<int>(2 * captureExtent);

// Window x = object x + extent, y likewise; depth = 0.5 - z / (2 * extent).
std::array<float, 3> toObject(const float* window)
{
    return {window[0] - captureExtent, window[1] - captureExtent, (0.5f - window[2]) * 2.0f * captureExtent};
}

std::vector<FeedbackPrimitive> parseFeedback(const std::vector<float>& buffer, int count)
{
    std::vector<FeedbackPrimitive> primitives;
    int at = 0;
    auto takeVertices = [&](FeedbackPrimitive::Kind kind, int vertices) {
        FeedbackPrimitive primitive{kind, {}};
        for (int v = 0; v < vertices; ++v, at += 3) primitive.vertices.push_back(toObject(&buffer[at]));
        primitives.push_back(primitive);
    };
    while (at < count) {
        const int token = static_cast<int>(buffer[at++]);
        switch (token) {
        case GL_POINT_TOKEN: takeVertices(FeedbackPrimitive::point, 1); break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN: takeVertices(FeedbackPrimitive::line, 2); break;
        case GL_POLYGON_TOKEN: {
            const int vertices = static_cast<int>(buffer[at++]);
            takeVertices(FeedbackPrimitive::polygon, vertices);
            break;
        }
        case GL_PASS_THROUGH_TOKEN: at += 1; break;
        default: throw std::runtime_error("unexpected GL feedback token");
        }
    }
    return primitives;
}

}  // namespace

std::vector<FeedbackVertex> feedbackQuad(const std::vector<FeedbackPrimitive>& primitives)
{
    if (primitives.size() != 2) return {};
    const auto& first = primitives[0].vertices;
    const auto& second = primitives[1].vertices;
    const bool triangles = primitives[0].kind == FeedbackPrimitive::polygon && primitives[1].kind == FeedbackPrimitive::polygon &&
                           first.size() == 3 && second.size() == 3;
    if (!triangles || second[0] != first[1] || second[2] != first[2]) return {};
    return {first[0], first[1], second[1], first[2]};
}

std::vector<std::vector<FeedbackVertex>> feedbackQuads(const std::vector<FeedbackPrimitive>& primitives)
{
    std::vector<std::vector<FeedbackVertex>> quads;
    if (primitives.size() % 2 != 0) return quads;
    for (size_t first = 0; first < primitives.size(); first += 2) {
        auto quad = feedbackQuad({primitives[first], primitives[first + 1]});
        if (quad.empty()) return {};
        quads.push_back(quad);
    }
    return quads;
}

void initialiseGlut()
{
    static bool initialised = false;
    if (initialised) return;
    int argc = 1;
    char name[] = "quillmossTests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    initialised = true;
}

void useTestWindow(int width, int height)
{
    if (testWindow == 0) {
        initialiseGlut();
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(width, height);
        testWindow = glutCreateWindow("quillmossTests");
        // freeglut insists on a display callback once events are processed; tests draw themselves.
        glutDisplayFunc([] {});
    }
    glutSetWindow(testWindow);
    glutReshapeWindow(width, height);
}

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw)
{
    useTestWindow(captureSize, captureSize);
    glPushAttrib(GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    glViewport(0, 0, captureSize, captureSize);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-captureExtent, captureExtent, -captureExtent, captureExtent, -captureExtent, captureExtent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    std::vector<float> buffer(feedbackCapacity);
    glFeedbackBuffer(feedbackCapacity, GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const int count = glRenderMode(GL_RENDER);

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    if (count < 0) throw std::runtime_error("GL feedback buffer overflowed");
    return parseFeedback(buffer, count);
}
