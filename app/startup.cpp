// Start-up: from the generator's seed to the event loop, in the order the program depends on.
#include "startup.h"

#include "aboutNotice.h"
#include "controlPanels.h"
#include "driverReport.h"
#include "frameLoop.h"
#include "frameRecording.h"
#include "input.h"
#include "panelManager.h"
#include "platformNotice.h"
#include "platformStack.h"
#include "platformTimer.h"
#include "platformWheel.h"
#include "plotsWindow.h"
#include "programClock.h"
#include "programKeys.h"
#include "saveOnExit.h"
#include "settings.h"
#include "shellState.h"
#include "startOptions.h"
#include "windowPlacement.h"
#include "windowSave.h"
#include "worldFile.h"
#include "worldWatchers.h"
#include "worldWindow.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <ctime>
#include <utility>

namespace {
constexpr int usageStatus = 2;
constexpr int failureStatus = 1;
constexpr int mainWindowSize = 740;

void registerWorldCallbacks()
{
    glutDisplayFunc(display);
    glutPassiveMotionFunc(onMousePosition);
    glutMotionFunc(onMousePosition);
    glutMouseFunc(onMouseButton);
    glutSpecialFunc(onSpecialKey);
    glutKeyboardFunc(onKeyboard);
}

// Seeds the first world's generator or loads the world file, checks where the world will be saved
// and makes the recording's directory: what can go wrong goes wrong before any window opens.
std::string prepareStart(const StartOptions& options, World& first)
{
    std::string problem;
    if (options.loadFile.empty()) {
        first.random.seed(options.seedGiven ? options.seed : static_cast<std::uint32_t>(std::time(nullptr)));
        first.sizes = options.sizes.sizes;
    } else {
        first = loadWorld(options.loadFile, problem);
        if (!problem.empty()) return problem;
    }
    if (!options.saveOnExitFile.empty()) problem = saveOnExitProblem(options.saveOnExitFile);
    if (!problem.empty() || options.recordDirectory.empty()) return problem;
    problem = startRecording(options.recordDirectory, options.recordEvery);
    return problem.empty() ? problem : "--record: " + problem;
}

// Every window where the layout puts it, the world window taking the room the others leave.
void layOutWindows()
{
    const auto size = [](const PanelWindow& panel) { return WindowPlace{0, 0, panel.width, panel.height}; };
    const WindowLayout layout = layoutWindows(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT), size(*simulationPanel),
                                              size(*renderPanel), plotsSize());
    placeWindow(mainWindow, layout.world);
    placeWindow(simulationPanel->windowId, layout.simulation);
    placeWindow(renderPanel->windowId, layout.render);
    setPlotsPlace(layout.plots);
}

// The program's keys act from the panels and the Plots window as they do from the world window.
void shareProgramKeys()
{
    panelManager.setOtherKeysCallback(handleProgramKey);
    setPlotsOtherKeys(handleProgramKey);
}

bool windowClosed = false;

// Closing a window while the notice stands ends the notice and the program, as it does later.
void onWindowClosed()
{
    // The first window to close finds every window standing; the others close with the program.
    if (!windowClosed) letGoOfWindowTiles();
    windowClosed = true;
    endNotice();
    glutLeaveMainLoop();
}

void watchClosing()
{
    for (const auto& panel : panelManager.windows) {
        glutSetWindow(panel->windowId);
        glutCloseFunc(onWindowClosed);
    }
    glutSetWindow(mainWindow);
    glutCloseFunc(onWindowClosed);
}

}  // namespace

void printBanner()
{
    std::printf("Quillmoss\n");
    std::printf("An artificial-life sandbox: cultures grow, adapt, spread and conquer.\n");
    std::printf("Written by the Quillmoss developers.\n");
    std::printf("Windows and input by freeglut, the Free OpenGL Utility Toolkit.\n");
    std::printf("Control panels by the Quillmoss panel toolkit.\n");
}

int runQuillmoss(int argc, char** argv)
{
    reserveStack(stackReserve);
    StartOptions options;
    std::string problem = parseStartOptions(argc, argv, options);
    if (!options.helpText.empty()) {
        std::fputs(options.helpText.c_str(), stdout);
        return 0;
    }
    if (!problem.empty()) {
        std::fprintf(stderr, "quillmoss: %s (quillmoss --help lists the options)\n", problem.c_str());
        return usageStatus;
    }
    World first;
    problem = prepareStart(options, first);
    if (!problem.empty()) {
        std::fprintf(stderr, "quillmoss: %s\n", problem.c_str());
        return usageStatus;
    }
    glutInit(&argc, argv);
    setMillisecondSource(platformMilliseconds);
    startClock();
    printBanner();

    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    mainWindow = glutCreateWindow("Quillmoss");
    glutReshapeWindow(mainWindowSize, mainWindowSize);
    keepTilesInWindowBuffers();
    reportDriver();
    if (options.seedGiven) std::printf("Seed: %u\n", static_cast<unsigned>(options.seed));

    // The first world: a new one of the chosen topology from the seeded generator, or the loaded one.
    if (options.loadFile.empty()) setTopology(first, topologyChoice);
    watchWorldFromEveryWindow();
    setHistoryBudget(static_cast<std::size_t>(options.historyMegabytes) << 20);
    startWorld(std::move(first));
    setWindowSaveFile(options.saveOnExitFile);
    registerWorldCallbacks();
    glEnable(GL_DEPTH_TEST);
    openWheelMouse();

    buildSimulationPanel();
    buildRenderPanel();
    syncPanelFromSelection();
    layOutWindows();
    shareProgramKeys();
    if (options.plots) openPlots();
    glutSetWindow(mainWindow);
    glutPushWindow();

    panelManager.setIdleCallback(idle);
    // Closing the world window or a panel ends the program (onWindowClosed); the Plots window closes alone.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    watchClosing();
    showAboutNotice();
    if (!windowClosed) glutMainLoop();
    return saveOnExit(options.saveOnExitFile) ? 0 : failureStatus;
}
