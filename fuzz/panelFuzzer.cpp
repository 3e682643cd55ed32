// libFuzzer target: GLUT events to panel windows. Brings its own Xvfb when DISPLAY is unset.
#include "panelScript.h"
#include "virtualDisplay.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* display = std::getenv("DISPLAY");
    if ((!display || !*display) && startVirtualDisplay().empty()) {
        std::fprintf(stderr, "DISPLAY is not set and Xvfb could not be started\n");
        std::exit(1);
    }
    int argc = 1;
    char name[] = "panelFuzzer";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    preparePanelScript();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = runPanelScript(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "panel invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
