// Sliders: the knob's place and the value it stands for.
#include "slider.h"

#include "currentWindow.h"
#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Truncates toward zero; a value that is not a number, or a range of zero width, places the knob
// at 0, and values past the int range stop at its ends.
int truncated(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

constexpr int drawableKnobLimit = 1 << 20;

double share(double value, double minimum, double maximum)
{
    const double range = maximum - minimum;
    return range == 0.0 ? 0.0 : (value - minimum) / range;
}

}  // namespace

Slider::Slider() : Control(sliderKind, "Slider")
{
    height = 40;
    alignment = alignCentre;
}

void Slider::placeKnobFromFloat() { knobPos = truncated(share(floatValue, floatMin, floatMax) * track()); }

void Slider::placeKnobFromInt() { knobPos = truncated(share(intValue, intMin, intMax) * track()); }

float Slider::floatFromKnob() const
{
    if (track() <= 0) return floatMin;
    return static_cast<float>(static_cast<double>(knobPos) / track() * (floatMax - floatMin) + floatMin);
}

int Slider::intFromKnob() const
{
    if (track() <= 0) return intMin;
    return truncated(static_cast<double>(knobPos) / track() * (intMax - intMin) + intMin);
}

void Slider::setFloat(float value)
{
    floatValue = value;
    writeLive(true);
    placeKnobFromFloat();
    redrawControl();
}

void Slider::setInt(int value)
{
    intValue = value;
    writeLive(true);
    placeKnobFromInt();
    redrawControl();
}

void Slider::setFloatLimits(float minimum, float maximum)
{
    floatMin = minimum;
    floatMax = maximum;
    placeKnobFromFloat();
}

void Slider::onMouseDown(int x, int y)
{
    const int localX = x - xAbs;
    const int localY = y - yAbs;
    // In a wider type: a value far off the scale leaves the knob near the int range's ends.
    const long long knob = knobPos;
    dragging = knob < localX && localX < knob + knobWidth && height / 2 < localY && localY < height;
    redrawControl();
}

void Slider::onMouseHeld(int x, int, bool)
{
    if (!dragging) return;
    knobPos = std::min(std::max(x - xAbs, 0), std::max(track(), 0));
    redrawControl();
    if (liveKind == floatLive) {
        setFloat(floatFromKnob());
        if (livePtr) *static_cast<float*>(livePtr) = floatValue;
    } else {
        setInt(intFromKnob());
        if (livePtr) *static_cast<int*>(livePtr) = intValue;
    }
    // Called on every motion of the drag, with whatever window is current.
    if (callback) callback(id);
}

void Slider::onMouseUp(int, int, bool)
{
    dragging = false;
    redrawControl();
}

void Slider::draw()
{
    if (!window) return;
    const CurrentWindowGuard restore(window->windowId);
    const FrontBufferGuard front;
    const int w = width;
    const int h = height;
    // A knob far off the scale is drawn as far off as any window reaches, with room for its width.
    const int p = std::clamp(knobPos, -drawableKnobLimit, drawableKnobLimit);
    setGrey(200);
    fillQuad(-1, h / 2 - 1, w, h / 2 - 1, w, h + 1, -1, h + 1);
    drawLabel(*this, 0, h / 4 + 4);

    const int t = 3 * h / 4;  // the track
    setGrey(255);
    drawLines(GL_LINE_STRIP, {0, t + 2, w, t + 2, w, t - 2});
    setGrey(224);
    drawLines(GL_LINE_STRIP, {1, t + 1, w - 1, t + 1, w - 1, t});
    setGrey(0);
    drawLines(GL_LINES, {1, t, w - 1, t});
    setGrey(128);
    drawLines(GL_LINE_STRIP, {0, t + 1, 0, t - 1, w, t - 1});

    const int top = h / 2;  // the knob
    setGrey(255);
    drawLines(GL_LINE_STRIP, {p, h, p, top, p + 9, top});
    setGrey(0);
    drawLines(GL_LINE_STRIP, {p + 9, top, p + 9, h, p, h});
    setGrey(224);
    drawLines(GL_LINE_STRIP, {p + 1, h - 1, p + 1, top + 1, p + 8, top + 1});
    setGrey(128);
    drawLines(GL_LINE_STRIP, {p + 8, top + 1, p + 8, h - 1, p + 1, h - 1});
    setGrey(dragging ? 128 : 192);
    fillQuad(p + 1, top + 2, p + 7, top + 2, p + 7, h - 2, p + 1, h - 2);
}
