// panel-demo: one control of each kind, bound to variables printed whenever they change.
#include "panelToolkit.h"
#include "platformBackwardTab.h"
#include "platformEventWait.h"

#include <GL/glut.h>

#include <cstdio>

namespace {

int checked = 1;
int choice = 1;
float level = 0.25f;
int count = 40;
int presses = 0;

struct watched {
    const char* name;
    const int* intVariable;
    const float* floatVariable;
    float shown;
};

watched variables[] = {
    {"checkbox", &checked, nullptr, 0.0f}, {"radio", &choice, nullptr, 0.0f},           {"float slider", nullptr, &level, 0.0f},
    {"int slider", &count, nullptr, 0.0f}, {"button presses", &presses, nullptr, 0.0f},
};

float valueOf(const watched& variable)
{
    return variable.intVariable ? static_cast<float>(*variable.intVariable) : *variable.floatVariable;
}

void printValue(const watched& variable)
{
    if (variable.intVariable) {
        std::printf("%s = %d\n", variable.name, *variable.intVariable);
    } else {
        std::printf("%s = %g\n", variable.name, *variable.floatVariable);
    }
}

// The idle hook: passes on Shift+Tab and reports every variable whose value changed since the last
// frame; then rests until something happens, since only an event changes a variable.
void reportChanges()
{
    deliverBackwardTabs();
    for (watched& variable : variables) {
        if (valueOf(variable) == variable.shown) continue;
        variable.shown = valueOf(variable);
        printValue(variable);
    }
    waitForEvents(longestRest);
}

void onButton(int id)
{
    presses += 1;
    std::printf("button %d fired\n", id);
}

void onControl(int id) { std::printf("callback %d\n", id); }

void buildPanel()
{
    PanelWindow* window = panelManager.createPanelWindow("Panel demo", 20, 20);
    Panel* choices = window->addPanel("Choices", Panel::embossedBorder);
    window->addCheckbox(choices, "Check me", &checked, 1, onControl);
    RadioGroup* group = window->addRadioGroup(choices, &choice, 2, onControl);
    window->addRadioButton(group, "First");
    window->addRadioButton(group, "Second");
    window->addRadioButton(group, "Third");
    window->addButton(choices, "Press me", 3, onButton);
    window->addColumnBreak(1);
    Panel* levels = window->addPanel("Levels", Panel::raisedBorder);
    Slider* floatSlider = window->addSlider(levels, "Float 0..1", Control::floatLive, &level, 4, onControl);
    floatSlider->setFloatLimits(0.0f, 1.0f);
    window->addSlider(levels, "Int 0..100", Control::intLive, &count, 5, onControl);
    window->addStaticText("Tab, Shift+Tab and Space work too");
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    glutInit(&argc, argv);
    buildPanel();
    for (watched& variable : variables) {
        variable.shown = valueOf(variable);
        printValue(variable);
    }
    panelManager.setIdleCallback(reportChanges);
    glutMainLoop();
    return 0;
}
