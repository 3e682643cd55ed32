// Panel events from bytes.
#include "byteReader.h"
#include "fuzzScripts.h"
#include "panelToolkit.h"

#include <GL/freeglut.h>

namespace {

constexpr int maxEvents = 96;

// The program's side of the fuzzed windows: bound variables, callbacks counted.
struct fuzzedWindows {
    PanelWindow *first = nullptr, *second = nullptr;
    Checkbox *checkbox = nullptr, *otherCheckbox = nullptr;
    RadioGroup* radio = nullptr;
    Slider *floatSlider = nullptr, *intSlider = nullptr, *flatSlider = nullptr;
    int checked = 0, otherChecked = 1, choice = 1, count = 30;
    float level = 0.5f, flat = 0.5f;
};
fuzzedWindows fuzzed;
int callbacks = 0;
void countCallback(int) { ++callbacks; }

void openWindows()
{
    if (!glutGet(GLUT_INIT_STATE)) {
        int argc = 1;
        char name[] = "panelScript";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
    }
    fuzzed.first = panelManager.createPanelWindow("Fuzz", 10, 10);
    PanelWindow& first = *fuzzed.first;
    Panel* panel = first.addPanel("Controls", Panel::embossedBorder);
    fuzzed.checkbox = first.addCheckbox(panel, "Check", &fuzzed.checked, 1, countCallback);
    fuzzed.radio = first.addRadioGroup(panel, &fuzzed.choice, 2, countCallback);
    for (const char* name : {"One", "Two", "Three"}) first.addRadioButton(fuzzed.radio, name);
    first.addButton(panel, "Press", 3, countCallback);
    first.addStaticText(panel, "Text");
    first.addColumnBreak(1);
    Panel* raised = first.addPanel("Raised", Panel::raisedBorder);
    fuzzed.floatSlider = first.addSlider(raised, "Float", Control::floatLive, &fuzzed.level, 4, countCallback);
    fuzzed.floatSlider->setFloatLimits(0.0f, 1.0f);
    fuzzed.intSlider = first.addSlider(raised, "Int", Control::intLive, &fuzzed.count, 5, countCallback);
    fuzzed.flatSlider = first.addSlider(raised, "Flat", Control::floatLive, &fuzzed.flat, 6, countCallback);
    fuzzed.flatSlider->setFloatLimits(0.5f, 0.5f);
    fuzzed.second = panelManager.createPanelWindow("Fuzz too", 500, 10);
    fuzzed.otherCheckbox = fuzzed.second->addCheckbox(nullptr, "Other", &fuzzed.otherChecked, 7, countCallback);
}

// Every window back to rest, with the variables and controls at known values.
void reset()
{
    for (PanelWindow* window : {fuzzed.first, fuzzed.second}) {
        glutSetWindow(window->windowId);
        if (window->buttonHeld) window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, -100, -100, 0);
        window->buttonHeld = false;
        window->deactivateCurrent();
    }
    fuzzed.checked = 0;
    fuzzed.otherChecked = fuzzed.choice = 1;
    fuzzed.count = 30;
    fuzzed.level = fuzzed.flat = 0.5f;
    fuzzed.first->syncLive();
    fuzzed.second->syncLive();
}

// The focused controls of a tree, and a fingerprint of every control's state.
int focusedIn(const Control* control, std::uint64_t& state)
{
    state = (state ^ static_cast<std::uint64_t>(control->intValue * 31 + control->focused)) * 1099511628211ull;
    int count = control->focused ? 1 : 0;
    for (const Control* child = control->firstChild; child; child = child->nextSibling) count += focusedIn(child, state);
    return count;
}

bool sliderInRange(const Slider& slider)
{
    if (slider.knobPos < 0 || slider.knobPos > slider.track()) return false;
    if (slider.liveKind == Control::floatLive)
        return slider.floatValue >= slider.floatMin && slider.floatValue <= slider.floatMax;
    return slider.intValue >= slider.intMin && slider.intValue <= slider.intMax;
}

std::string checkInvariants(std::uint64_t& state)
{
    if (focusedIn(fuzzed.first->rootPanel, state) + focusedIn(fuzzed.second->rootPanel, state) > 1)
        return "more than one focused control";
    if (fuzzed.checkbox->intValue != 0 && fuzzed.checkbox->intValue != 1) return "the check box left 0..1";
    if (fuzzed.radio->intValue < -1 || fuzzed.radio->intValue > 2) return "the radio group left its buttons";
    for (const Slider* slider : {fuzzed.floatSlider, fuzzed.intSlider, fuzzed.flatSlider}) {
        if (!sliderInRange(*slider)) return "a slider left its range";
        state = (state ^ static_cast<std::uint64_t>(slider->knobPos)) * 1099511628211ull;
    }
    // Once no button is held, the next sync (the program makes one every frame) leaves every
    // control showing its variable.
    if (!fuzzed.first->buttonHeld) {
        fuzzed.first->syncLive();
        if (fuzzed.checked != fuzzed.checkbox->intValue) return "the check box and its variable differ";
        if (fuzzed.choice != fuzzed.radio->intValue) return "the radio group and its variable differ";
        if (fuzzed.level != fuzzed.floatSlider->floatValue) return "the float slider and its variable differ";
        if (fuzzed.count != fuzzed.intSlider->intValue) return "the int slider and its variable differ";
    }
    if (!fuzzed.second->buttonHeld) {
        fuzzed.second->syncLive();
        if (fuzzed.otherChecked != fuzzed.otherCheckbox->intValue) return "the second window's check box and its variable differ";
    }
    state =
        (state ^ static_cast<std::uint64_t>(callbacks + 7 * fuzzed.first->width + 13 * fuzzed.first->height)) * 1099511628211ull;
    return {};
}

// The program writes a bound variable, with values its controls accept, and syncs.
void programWrites(ByteReader& bytes)
{
    switch (bytes.byte() % 4) {
    case 0: fuzzed.checked = bytes.byte() % 2; break;
    case 1: fuzzed.choice = bytes.small(-1, 4); break;
    case 2: fuzzed.level = static_cast<float>(bytes.byte()) / 255.0f; break;
    default: fuzzed.count = bytes.small(0, 101); break;
    }
    fuzzed.first->syncLive();
}

// One read per statement where a call takes several: every compiler must decode the same events.
void sendEvent(ByteReader& bytes)
{
    PanelWindow& window = bytes.byte() % 5 ? *fuzzed.first : *fuzzed.second;
    glutSetWindow(window.windowId);
    const int x = bytes.small(-20, 400);
    const int y = bytes.small(-20, 300);
    switch (bytes.byte() % 9) {
    case 0:
    case 1: {
        const int button = bytes.small(0, 5);
        const int state = bytes.byte() % 2 ? GLUT_UP : GLUT_DOWN;
        window.mouse(button, state, x, y, bytes.small(0, 8));
        break;
    }
    case 2:
    case 3: window.motion(x, y); break;
    case 4: {
        const unsigned char keys[] = {'\t', ' ', 'a', 13, 0, 127};
        const unsigned char key = keys[bytes.byte() % 6];
        window.keyboard(key, bytes.byte() % 2 ? GLUT_ACTIVE_SHIFT : 0);
        break;
    }
    case 5: {
        const int width = bytes.small(0, 600);
        window.reshape(width, bytes.small(0, 600));
        break;
    }
    case 6: window.special(bytes.small(0, 8)); break;
    case 7: programWrites(bytes); break;
    default: window.display(); break;
    }
}

}  // namespace

std::string runPanelScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state)
{
    if (!fuzzed.first) openWindows();
    reset();
    callbacks = 0;
    ByteReader bytes(data, size);
    std::uint64_t seen = 14695981039346656037ull;
    std::string broken = checkInvariants(seen);
    for (int event = 0; broken.empty() && event < maxEvents && !bytes.done(); ++event) {
        sendEvent(bytes);
        broken = checkInvariants(seen);
    }
    if (state) *state = seen;
    reset();
    return broken;
}
