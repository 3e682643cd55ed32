// Drawing the Plots window: one framed strip per statistic, in the panels' grey and font, and the
// steps along the bottom.
#include "plotsWindow.h"

#include "directories.h"
#include "panelDrawing.h"
#include "programClock.h"
#include "replacingWrite.h"
#include "textAtlas.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int plotsWidth = 330;
constexpr int stripHeight = 54;
constexpr int stripGap = 8;
constexpr int margin = 8;
constexpr int stripCount = 8;
constexpr int axisHeight = 36;
constexpr int stripsBottom = margin + stripCount * (stripHeight + stripGap);
constexpr int plotsHeight = stripsBottom + axisHeight;
constexpr int shownSteps = 1000;
constexpr float millisecondsPerSecond = 1000.0f;
constexpr int background = 200;  // the panels' grey
constexpr int textLine = 14;
constexpr int scaleWidth = 62;  // the room at the right for the scale's numbers
// The curve's area within a strip, from its left edge.
constexpr int curveLeft = 6;
constexpr int curveRight = plotsWidth - 2 * margin - scaleWidth;
constexpr int mostTicks = 4;
void* const font = GLUT_BITMAP_HELVETICA_12;

// Presenting a window costs a software renderer about as much as its pixels, whatever is drawn:
// the curves follow every step, but are shown at most ten times a second.
constexpr float shortestRedraw = 0.1f;

WindowPlace place = {1250, 32, plotsWidth, plotsHeight};
void (*otherKeys)(unsigned char, int) = nullptr;
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

// The rows drawn, and the steps their curves span.
struct Shown {
    std::vector<WorldStatistics> rows;
    std::size_t first = 0;  // the first row drawn
    double firstStep = 0.0, steps = 1.0;

    double x(int step) const { return curveLeft + (step - firstStep) / steps * (curveRight - curveLeft); }
};

Shown shownRows()
{
    Shown shown;
    shown.rows = pastRows();
    if (shown.rows.empty()) return shown;
    shown.first = shown.rows.size() > shownSteps ? shown.rows.size() - shownSteps : 0;
    shown.firstStep = shown.rows[shown.first].step;
    shown.steps = std::max(1.0, shown.rows.back().step - shown.firstStep);
    return shown;
}

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
void drawCurve(const Statistic& statistic, const Shown& shown, int h)
{
    const std::vector<WorldStatistics>& rows = shown.rows;
    double lowest = statistic.value(rows[shown.first]), highest = lowest;
    for (std::size_t row = shown.first; row < rows.size(); ++row) {
        lowest = std::min(lowest, statistic.value(rows[row]));
        highest = std::max(highest, statistic.value(rows[row]));
    }
    const int top = textLine + 4, bottom = h - 6;
    drawText(curveRight + 6, top + 9, numberText(highest, statistic.whole));
    drawText(curveRight + 6, bottom, numberText(lowest, statistic.whole));
    setGrey(160);
    drawLines(GL_LINE_LOOP, {curveLeft, top, curveRight, top, curveRight, bottom, curveLeft, bottom});
    const double span = highest > lowest ? highest - lowest : 1.0;
    glColor3ub(0, 0, 160);
    glBegin(GL_LINE_STRIP);
    for (std::size_t row = shown.first; row < rows.size(); ++row)
        glVertex2d(shown.x(rows[row].step), bottom - (statistic.value(rows[row]) - lowest) / span * (bottom - top));
    glEnd();
}

void drawStrip(const Statistic& statistic, const Shown& shown, int w, int h)
{
    drawFrame(w, h, statistic.title);
    const bool off = &statistic == &statistics[stripCount - 1] && !lineageRuleOn(world);
    if (shown.rows.empty() || off) {
        drawText(12, textLine + 20, off ? "the lineage rule is off" : "no rows are kept this far back");
        return;
    }
    // The current value beside the title, the scale's ends beside the curve.
    drawText(textWidth(statistic.title) + 20, textLine + 1,
             "now " + numberText(statistic.value(shown.rows.back()), statistic.whole));
    drawCurve(statistic, shown, h);
}

// Ticks at round steps, at most mostTicks of them over the span.
int tickInterval(double span)
{
    for (int scale = 1;; scale *= 10)
        for (const int unit : {1, 2, 5})
            if (unit * scale * mostTicks >= span) return unit * scale;
}

// The steps under the curves, and the step the world stands at (and how far back that is).
void drawStepAxis(const Shown& shown)
{
    stripTop = stripsBottom;
    if (shown.rows.empty()) return;
    const int line = 3, tick = 4, labels = 18;
    setGrey(128);
    drawLines(GL_LINES, {curveLeft, line, curveRight, line});
    const int interval = tickInterval(shown.steps);
    const int lastStep = shown.rows.back().step;
    for (int step = (static_cast<int>(shown.firstStep) + interval - 1) / interval * interval; step <= lastStep;
         step += interval) {
        const int x = static_cast<int>(std::lround(shown.x(step)));
        drawLines(GL_LINES, {x, line, x, line + tick});
        const std::string label = std::to_string(step);
        drawText(std::clamp(x - textWidth(label) / 2, 0, curveRight - textWidth(label)), labels, label);
    }
    drawText(curveRight + 6, labels, "step " + std::to_string(lastStep));
    const int behind = stepsBehind();
    if (behind > 0) drawText(curveRight + 6, labels + textLine, std::to_string(behind) + " back");
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
    const Shown shown = shownRows();
    for (int strip = 0; strip < stripCount; ++strip) {
        stripTop = margin + strip * (stripHeight + stripGap);
        glLoadIdentity();
        glTranslatef(margin + 0.375f, stripTop + 0.375f, 0.0f);
        drawStrip(statistics[strip], shown, plotsWidth - 2 * margin, stripHeight);
    }
    glLoadIdentity();
    glTranslatef(margin + 0.375f, stripsBottom + 0.375f, 0.0f);
    drawStepAxis(shown);
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

// The rows as the lab's stats.csv writes them.
std::string tableOf(const std::vector<WorldStatistics>& rows)
{
    std::string table = statisticsHeader();
    for (const WorldStatistics& row : rows) table += statisticsRow(row);
    return table;
}

// Writes the curves' rows to quillmoss-plots-STEP.csv in the working directory (-2, -3 ... before
// .csv when that name is taken) through a new file renamed into place, and prints the path made
// absolute, or why it could not.
void exportPlots()
{
    const std::vector<WorldStatistics> rows = pastRows();
    if (rows.empty()) return;
    const std::string path = absolutePath(unusedName("quillmoss-plots-" + std::to_string(rows.back().step), ".csv"));
    const std::string table = tableOf(rows);
    const std::string problem = writeReplacing(path, {table.begin(), table.end()});
    if (problem.empty()) {
        std::printf("quillmoss: wrote the curves to %s\n", path.c_str());
    } else {
        std::printf("quillmoss: the curves were not written to %s: %s\n", path.c_str(), problem.c_str());
    }
    std::fflush(stdout);
}

// s writes the curves' rows beside the program; the program's own keys act as everywhere.
void key(unsigned char pressed, int, int)
{
    if (pressed == 's') {
        exportPlots();
    } else if (otherKeys) {
        otherKeys(pressed, glutGetModifiers());
    }
}

}  // namespace

WindowPlace plotsSize() { return {0, 0, plotsWidth, plotsHeight}; }

void setPlotsPlace(WindowPlace placed) { place = placed; }

void setPlotsOtherKeys(void (*handler)(unsigned char key, int modifiers)) { otherKeys = handler; }

void openPlots()
{
    if (plotsWindow) return;
    const int previous = glutGetWindow();
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(plotsWidth, plotsHeight);  // born at its size: its first frame makes the characters
    plotsWindow = glutCreateWindow("Plots");
    placeWindow(plotsWindow, place);
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

void togglePlots() { plotsWindow ? closePlots() : openPlots(); }

int plotsWindowId() { return plotsWindow; }

void drawPlots()
{
    if (!plotsWindow) return;
    const int previous = glutGetWindow();
    glutSetWindow(plotsWindow);
    display();
    if (previous > 0) glutSetWindow(previous);
}

void showPlotsChange(WorldChange change)
{
    if (change == WorldChange::selected || change == WorldChange::paused) return;
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
