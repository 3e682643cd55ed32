// The test window, GL feedback capture and panel windows for tests.
#include "glTestContext.h"

#include <GL/freeglut.h>

#include <stdexcept>

namespace {
constexpr float extent = 128.0f;
}  // namespace

void initialiseGlut()
{
    if (glutGet(GLUT_INIT_STATE)) return;
    int argc = 1;
    char name[] = "quillmossTests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
}

void useTestWindow(int width, int height)
{
    static int testWindow = 0;
    if (testWindow == 0) {
        initialiseGlut();
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(width, height);
        testWindow = glutCreateWindow("quillmossTests");
        glutDisplayFunc([] {});  // freeglut insists on one; the tests draw themselves
    }
    glutSetWindow(testWindow);
    glutReshapeWindow(width, height);
}

std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw)
{
    useTestWindow(2 * extent, 2 * extent);
    glPushAttrib(GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    glViewport(0, 0, 2 * extent, 2 * extent);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    std::vector<float> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const int count = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    if (count < 0) throw std::runtime_error("GL feedback buffer overflowed");

    std::vector<FeedbackPrimitive> primitives;
    for (int at = 0; at < count;) {
        const int token = static_cast<int>(buffer[at++]);
        if (token == GL_PASS_THROUGH_TOKEN) ++at;
        if (token == GL_PASS_THROUGH_TOKEN) continue;
        const bool line = token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN;
        const int vertices = token == GL_POLYGON_TOKEN ? static_cast<int>(buffer[at++]) : line ? 2 : 1;
        FeedbackPrimitive primitive{line ? FeedbackPrimitive::line : FeedbackPrimitive::point, {}};
        if (token == GL_POLYGON_TOKEN) primitive.kind = FeedbackPrimitive::polygon;
        for (int v = 0; v < vertices; ++v, at += 3)  // window x = object x + extent; depth = 0.5 - z / (2 extent)
            primitive.vertices.push_back({buffer[at] - extent, buffer[at + 1] - extent, (0.5f - buffer[at + 2]) * 2.0f * extent});
        primitives.push_back(primitive);
    }
    return primitives;
}

std::vector<std::array<FeedbackVertex, 4>> feedbackQuads(const std::vector<FeedbackPrimitive>& primitives)
{
    std::vector<std::array<FeedbackVertex, 4>> quads;
    for (std::size_t k = 0; k + 1 < primitives.size(); k += 2) {
        const auto& first = primitives[k].vertices;
        const auto& second = primitives[k + 1].vertices;
        if (first.size() != 3 || second.size() != 3 || second[0] != first[1] || second[2] != first[2]) return {};
        quads.push_back({first[0], first[1], second[1], first[2]});
    }
    return primitives.size() % 2 ? decltype(quads){} : quads;
}

PanelWindow* freshPanelWindow(const std::string& title)
{
    static int windowsMade = 0;
    initialiseGlut();
    const int slot = windowsMade++ % 12;  // four columns of three, each 380 x 280
    PanelWindow* window = panelManager.createPanelWindow(title, 10 + (slot % 4) * 380, 10 + (slot / 4) * 280);
    glutSetWindow(window->windowId);
    processEvents();
    return window;
}

void processEvents()
{
    for (int round = 0; round < 5; ++round) glutMainLoopEvent();
}

std::vector<unsigned char> panelPicture(PanelWindow& window, bool redraw)
{
    processEvents();
    glutSetWindow(window.windowId);
    if (redraw) window.display();
    glFinish();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(window.width) * window.height * 3);
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, window.width, window.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
