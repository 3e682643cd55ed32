// Drawing the Plots window: one framed strip per statistic, in the panels' grey and font.
#include "plotsWindow.h"

#include "panelDrawing.h"
#include "programClock.h"
#include "shellState.h"
#include "textAtlas.h"
#include "windowPlacement.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

StatisticsSeries plottedSeries;

namespace {

constexpr int plotsWidth = 330;
constexpr int stripHeight = 54;
constexpr int stripGap = 8;
constexpr int margin = 8;
constexpr int stripCount = 8;
constexpr int plotsHeight = margin + stripCount * (stripHeight + stripGap);
constexpr int plotsX = 1250;  // beside the world window
constexpr int plotsY = 32;
constexpr int shownSteps = 1000;
constexpr float millisecondsPerSecond = 1000.0f;
constexpr int background = 200;  // the panels' grey
constexpr int textLine = 14;
constexpr int scaleWidth = 62;  // the room at the right for the scale's numbers
void* const font = GLUT_BITMAP_HELVETICA_12;

// Presenting a window costs a software renderer about as much as its pixels, whatever is drawn:
// the curves follow every step, but are shown at most ten times a second.
constexpr float shortestRedraw = 0.1f;

int plotsWindow = 0;
bool redrawPending = false;
float lastRedraw = -1.0f;

struct Statistic {
    const char* title;
    std::function<double(const WorldStatistics&)> value;
    bool whole;
};

const Statistic statistics[stripCount] = {
    {"living cells", [](const WorldStatistics& s) { return s.livingCells; }, true},
    {"total population", [](const WorldStatistics& s) { return s.totalPopulation; }, false},
    {"technology mean", [](const WorldStatistics& s) { return s.technologyMean; }, false},
    {"technology spread", [](const WorldStatistics& s) { return s.technologySpread; }, false},
    {"groups", [](const WorldStatistics& s) { return s.groups; }, true},
    {"cultures", [](const WorldStatistics& s) { return s.cultures; }, true},
    {"fitness mean", [](const WorldStatistics& s) { return s.meanFitness; }, false},
    {"lineages", [](const WorldStatistics& s) { return s.lineages; }, true},
};

std::string numberText(double value, bool whole)
{
    char text[32];
    std::snprintf(text, sizeof text, whole ? "%.0f" : "%.4f", value);
    return text;
}

// The window's characters, made with the window, and the texts of a frame, drawn after its lines.
std::unique_ptr<TextAtlas> texts;
int stripTop = 0;

void drawText(int x, int y, const std::string& text) { texts->add(margin + x, stripTop + y, text); }

int textWidth(const std::string& text) { return texts->width(text); }

// The frame of a titled panel, the title cutting its top edge.
void drawFrame(int w, int h, const std::string& title)
{
    constexpr int top = 4;
    setGrey(255);
    drawLines(GL_LINE_LOOP, {1, top + 1, w, top + 1, w, h, 1, h});
    setGrey(128);
    drawLines(GL_LINE_LOOP, {0, top, w - 1, top, w - 1, h - 1, 0, h - 1});
    setGrey(background);
    fillQuad(4, 0, textWidth(title) + 10, 0, textWidth(title) + 10, 9, 4, 9);
    drawText(7, 8, title);
}

// The curve of one statistic over the rows shown, scaled to the strip's plot area.
void drawCurve(const Statistic& statistic, const std::deque<WorldStatistics>& rows, std::size_t first, int w, int h)
{
    double lowest = statistic.value(rows[first]), highest = lowest;
    for (std::size_t row = first; row < rows.size(); ++row) {
        lowest = std::min(lowest, statistic.value(rows[row]));
        highest = std::max(highest, statistic.value(rows[row]));
    }
    const int left = 6, top = textLine + 4, right = w - scaleWidth, bottom = h - 6;
    drawText(right + 6, top + 9, numberText(highest, statistic.whole));
    drawText(right + 6, bottom, numberText(lowest, statistic.whole));
    setGrey(160);
    drawLines(GL_LINE_LOOP, {left, top, right, top, right, bottom, left, bottom});
    const double span = highest > lowest ? highest - lowest : 1.0;
    const double firstStep = rows[first].step, steps = std::max(1.0, rows.back().step - firstStep);
    glColor3ub(0, 0, 160);
    glBegin(GL_LINE_STRIP);
    for (std::size_t row = first; row < rows.size(); ++row) {
        const double x = left + (rows[row].step - firstStep) / steps * (right - left);
        const double y = bottom - (statistic.value(rows[row]) - lowest) / span * (bottom - top);
        glVertex2d(x, y);
    }
    glEnd();
}

void drawStrip(const Statistic& statistic, int w, int h)
{
    drawFrame(w, h, statistic.title);
    const std::deque<WorldStatistics>& rows = plottedSeries.rows;
    const bool off = &statistic == &statistics[stripCount - 1] && !lineageRuleOn(world);
    if (rows.empty() || off) {
        drawText(12, textLine + 20, off ? "the lineage rule is off" : "no steps yet");
        return;
    }
    // The current value beside the title, the scale's ends beside the curve.
    drawText(textWidth(statistic.title) + 20, textLine + 1, "now " + numberText(statistic.value(rows.back()), statistic.whole));
    const std::size_t first = rows.size() > shownSteps ? rows.size() - shownSteps : 0;
    drawCurve(statistic, rows, first, w, h);
}

void display()
{
    if (!texts) texts = std::make_unique<TextAtlas>(font);
    redrawPending = false;
    lastRedraw = elapsedSeconds();
    glClearColor(background / 255.0f, background / 255.0f, background / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, plotsWidth, plotsHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    for (int strip = 0; strip < stripCount; ++strip) {
        stripTop = margin + strip * (stripHeight + stripGap);
        glLoadIdentity();
        glTranslatef(margin + 0.375f, stripTop + 0.375f, 0.0f);
        drawStrip(statistics[strip], plotsWidth - 2 * margin, stripHeight);
    }
    glLoadIdentity();
    setGrey(0);
    texts->draw();
    glutSwapBuffers();
}

void reshape(int w, int h) { glViewport(0, 0, w, h); }

// The close box closes this window alone; the program goes on.
void closed()
{
    plotsWindow = 0;
    texts.reset();
}

// s writes the curves' rows beside the program, as the lab's stats.csv holds them.
void key(unsigned char pressed, int, int)
{
    if (pressed != 's' || plottedSeries.rows.empty()) return;
    const std::string path = "quillmoss-plots-" + std::to_string(plottedSeries.rows.back().step) + ".csv";
    std::ofstream file(path, std::ios::binary);
    file << plotsTable();
    file.close();
    std::printf(file ? "quillmoss: wrote the curves to %s\n" : "quillmoss: the curves were not written to %s\n", path.c_str());
    std::fflush(stdout);
}

}  // namespace

void openPlots()
{
    if (plotsWindow) return;
    const int previous = glutGetWindow();
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(plotsWidth, plotsHeight);  // born at its size: its first frame makes the characters
    plotsWindow = glutCreateWindow("Plots");
    placeOnScreen(plotsWindow, {plotsX, plotsY, plotsWidth, plotsHeight});
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutKeyboardFunc(key);
    glutCloseFunc(closed);
    if (previous > 0) glutSetWindow(previous);
}

void closePlots()
{
    if (!plotsWindow) return;
    const int closing = plotsWindow;
    plotsWindow = 0;
    const int previous = glutGetWindow();
    glutSetWindow(closing);
    texts.reset();
    glutDestroyWindow(closing);
    if (previous > 0 && previous != closing) glutSetWindow(previous);
}

void togglePlots() { plotsOpen() ? closePlots() : openPlots(); }

bool plotsOpen() { return plotsWindow != 0; }

void drawPlots()
{
    if (!plotsWindow) return;
    const int previous = glutGetWindow();
    glutSetWindow(plotsWindow);
    display();
    if (previous > 0) glutSetWindow(previous);
}

void recordPlots()
{
    plottedSeries.record(world);
    redrawPending = plotsWindow != 0;
    showPlotsWhenDue();
}

int showPlotsWhenDue()
{
    if (!redrawPending) return -1;
    const float wait = lastRedraw + shortestRedraw - elapsedSeconds();
    if (wait > 0.0f) return static_cast<int>(std::ceil(wait * millisecondsPerSecond));
    glutPostWindowRedisplay(plotsWindow);
    return -1;
}

void restartPlots()
{
    plottedSeries.restart();
    recordPlots();
}

std::string plotsTable()
{
    std::string table = statisticsHeader();
    for (const WorldStatistics& row : plottedSeries.rows) table += statisticsRow(row);
    return table;
}
