// Building the two control windows and answering their buttons and sliders.
#include "controlPanels.h"

#include "cellField.h"
#include "environment.h"
#include "panelToolkit.h"
#include "settings.h"
#include "shellState.h"
#include "windowPlacement.h"
#include "worldActions.h"
#include "worldSettings.h"

#include <GL/glut.h>

#include <cstdio>
#include <initializer_list>
#include <vector>

PanelWindow* simulationPanel = nullptr;
PanelWindow* renderPanel = nullptr;

namespace {

constexpr int noId = -1;
constexpr int renderPanelY = 680;

enum ShivaButton { killAllButton = 0, seedLifeButton = 1, generateEnvButton = 2, stepButton = 3 };
enum GroupEditId { centreSlider = 0, deviationSlider = 1, groupRadio = 2 };
enum RuleEditId { pollutionBox = 0, humanRulesBox = 1, disasterSlider = 2 };

// The sliders whose drags are one action each, from press to release.
std::vector<const Control*> sliders;

Panel* titledPanel(PanelWindow& window, Control* parent, const char* title)
{
    return window.addPanel(parent, title, Panel::embossedBorder);
}

void addRadioButtons(PanelWindow& window, RadioGroup* group, std::initializer_list<const char*> labels)
{
    for (const char* label : labels) window.addRadioButton(group, label);
}

Slider* unitSlider(PanelWindow& window, Control* parent, const char* label, float* variable, int id, ControlCallback callback)
{
    Slider* slider = window.addSlider(parent, label, Control::floatLive, variable, id, callback);
    slider->setFloatLimits(0.0f, 1.0f);
    sliders.push_back(slider);
    return slider;
}

void buildFirstColumn(PanelWindow& window)
{
    Panel* rules = titledPanel(window, nullptr, "Rules");
    window.addCheckbox(rules, "Pollution", &pollutionSetting, pollutionBox, onRuleEdit);
    window.addCheckbox(rules, "Human Rules", &humanRulesSetting, humanRulesBox, onRuleEdit);

    Panel* topology = titledPanel(window, nullptr, "Topology");
    addRadioButtons(window, window.addRadioGroup(topology, &topologyChoice, noId, nullptr), {"Plane", "Disc", "Sphere"});

    Panel* touch = titledPanel(window, nullptr, "Touch");
    addRadioButtons(window, window.addRadioGroup(touch, &touchTool, noId, nullptr),
                    {"Paint with 1", "Paint with 0", "Paint noise", "Copy Culture", "Select Cell"});

    Panel* shiva = titledPanel(window, nullptr, "Shiva");
    window.addButton(shiva, "Kill All", killAllButton, onShivaButton);
    window.addButton(shiva, "Seed Life", seedLifeButton, onShivaButton);
    window.addButton(shiva, "Generate Env", generateEnvButton, onShivaButton);
    unitSlider(window, shiva, "Disaster Rate", &disasterRateSetting, disasterSlider, onRuleEdit);

    Panel* pace = titledPanel(window, nullptr, "Speed");
    addRadioButtons(window, window.addRadioGroup(pace, &speed, noId, nullptr),
                    {"Paused", "Turtle", "Llama", "Swallow", "Cheetah"});
    window.addButton(pace, "Step", stepButton, onShivaButton);
}

void buildCellColumn(PanelWindow& window)
{
    Panel* cell = titledPanel(window, nullptr, "Cell");
    for (int f = 0; f < cellFieldCount; ++f) {
        cellSliders[f] = 0.0f;
        unitSlider(window, cell, cellFieldNames[f], &cellSliders[f], f, onCellSlider);
    }
    window.addStaticText("");
    // Added after the empty line, but into the Cell panel: it shows below the twelve sliders.
    window.addCheckbox(cell, "Entire Group", &entireGroup, noId, nullptr);
}

void buildGroupColumn(PanelWindow& window)
{
    Panel* group = titledPanel(window, nullptr, "Group");
    RadioGroup* field = window.addRadioGroup(group, &panelGroup.field, groupRadio, onGroupEdit);
    for (const char* name : cellFieldNames) window.addRadioButton(field, name);
    unitSlider(window, group, "Parameter Center", &panelGroup.center, centreSlider, onGroupEdit);
    unitSlider(window, group, "Parameter Deviation", &panelGroup.deviation, deviationSlider, onGroupEdit);
    window.addStaticText(group, "Population");
}

void addRenderChoice(PanelWindow& window, const char* title, int* mode)
{
    Panel* panel = titledPanel(window, nullptr, title);
    RadioGroup* group = window.addRadioGroup(panel, mode, noId, nullptr);
    for (const char* name : renderModeNames) window.addRadioButton(group, name);
}

}  // namespace

void buildSimulationPanel()
{
    simulationPanel = panelManager.createPanelWindow("Simulation", -1, -1);
    simulationPanel->setMainGraphicsWindow(mainWindow);
    buildFirstColumn(*simulationPanel);
    simulationPanel->addColumnBreak(0);
    buildCellColumn(*simulationPanel);
    simulationPanel->addColumnBreak(0);
    buildGroupColumn(*simulationPanel);
    placeWindow(simulationPanel->windowId, {0, 0, simulationPanel->width, simulationPanel->height});
}

void buildRenderPanel()
{
    renderPanel = panelManager.createPanelWindow("Render", -1, -1);
    renderPanel->setMainGraphicsWindow(mainWindow);
    addRenderChoice(*renderPanel, "Outer", &view.outerRenderMode);
    renderPanel->addColumnBreak(0);
    addRenderChoice(*renderPanel, "Inner", &view.innerRenderMode);
    unitSlider(*renderPanel, nullptr, "Tile size", &view.tileSize, noId, nullptr);
    renderPanel->addColumnBreak(0);
    addRenderChoice(*renderPanel, "Z", &view.zRenderMode);
    unitSlider(*renderPanel, nullptr, "Elevation", &view.elevation, noId, nullptr);
    placeWindow(renderPanel->windowId, {0, renderPanelY, renderPanel->width, renderPanel->height});
}

void onShivaButton(int id)
{
    if (id == stepButton) stepWorld();
    if (id == killAllButton) act(nullptr, killAll);
    if (id == seedLifeButton) act(nullptr, [](World& changed) { seedLife(changed, 1); });
    if (id == generateEnvButton) act(nullptr, [](World& changed) { generateEnvironment(changed); });
    syncPanelFromSelection();
}

void onCellSlider(int id)
{
    if (id < 0 || id >= cellFieldCount) return;
    act(&cellSliders[id], [id](World& changed) {
        if (entireGroup) {
            setGroupField(changed, panelGroup.id, id, cellSliders[id]);
        } else {
            setSelectedField(changed, view.selectedIndex, id, cellSliders[id]);
        }
    });
}

void onGroupEdit(int id)
{
    const float* dragged = id == centreSlider ? &panelGroup.center : &panelGroup.deviation;
    act(id == groupRadio ? nullptr : dragged, [](World& changed) { applyGroup(changed, panelGroup); });
}

// The rule slots follow the switches at once, as the step reads them.
void onRuleEdit(int id)
{
    act(id == disasterSlider ? &disasterRateSetting : nullptr, [](World& changed) {
        changed.switches.pollution = pollutionSetting;
        changed.switches.humanRules = humanRulesSetting;
        changed.disasterRate = disasterRateSetting;
        feedRules(changed);
    });
}

bool sliderLetGo(const void* actionSource)
{
    if (!actionSource) return false;
    for (const Control* slider : sliders)
        if (slider->livePtr == actionSource) return !slider->heldByUser();
    return false;
}

void showWorldChange(WorldChange change)
{
    const bool shown =
        change != WorldChange::edited && (change != WorldChange::stepped || selectedCell(world, view.selectedIndex));
    if (shown) syncPanelFromSelection();
}

void syncPanelFromSelection()
{
    for (int f = 0; f < cellFieldCount; ++f) {
        cellSliders[f] = getSelectedField(world, view.selectedIndex, f);
        if (cellSliders[f] < 0.0f || cellSliders[f] > 1.0f) std::printf("cell field %d = %f\n", f, cellSliders[f]);
    }
    getSelectedGroup(world, view.selectedIndex, panelGroup);
    pollutionSetting = world.switches.pollution;
    humanRulesSetting = world.switches.humanRules;
    disasterRateSetting = world.disasterRate;
    if (simulationPanel) simulationPanel->syncLive();
}
