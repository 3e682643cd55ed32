// The base of every control of the panel toolkit: the tree, the size and place, the live variable.
#pragma once

#include <cstddef>
#include <string>

class PanelWindow;

// A callback receives the id of the control that committed a change.
using ControlCallback = void (*)(int id);

class Control {
public:
    enum Kind {
        checkboxKind = 1,
        buttonKind = 2,
        radioButtonKind = 3,
        radioGroupKind = 4,
        sliderKind = 5,
        staticTextKind = 6,
        panelKind = 9,
        columnBreakKind = 12,
    };
    enum Alignment { alignCentre = 1, alignRight = 2, alignLeft = 3 };
    enum LiveKind { noLive = 0, intLive = 1, floatLive = 2 };
    static constexpr std::size_t nameLimit = 299;

    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Copies the text (at most 299 characters) and refreshes the window the control belongs to.
    virtual void setName(const std::string& text);
    // Store the value and write it to the live variable, asking the main window to redisplay.
    virtual void setInt(int value);
    virtual void setFloat(float value);
    // Binds the live variable (an int or float of the program, as liveKind says).
    virtual void bindLive(void* variable);
    // Mouse handlers get window coordinates; inside is true when the pointer is over this control.
    virtual void onMouseDown(int x, int y);
    virtual void onMouseUp(int x, int y, bool inside);
    virtual void onMouseHeld(int x, int y, bool inside);
    // Grows the control to fit its name, as each kind does.
    virtual void updateSize();
    virtual void activate();
    virtual void deactivate();
    // Places the control horizontally in its column (left, right or centre).
    virtual void align();
    // Draws the control with the origin at its top-left corner, y down.
    virtual void draw() = 0;

    // Reads the live variable once, at creation; until then no write reaches it.
    void readLive();
    // Writes the value to the live variable once it has been read; post asks for a redisplay.
    void writeLive(bool post);
    // Calls the callback with the main graphics window current.
    void fireCallback();
    // Shows a value the program wrote to the live variable since the last read or write; not while
    // the user holds the control (heldByUser).
    void syncLive(bool recurse, bool redraw);
    bool heldByUser() const;
    // Draws the control at once into the front buffer of its window.
    void redrawControl();
    // Draws the control, then its children's trees, in order.
    void drawTree();
    // Places the control at (x, y) and its children in columns; containers take their size from them.
    void pack(int x, int y);

    struct ColumnExtent {
        int x;
        int width;
        int margin;
    };
    // The column the control lies in, from its parent and the nearest column breaks among its siblings.
    ColumnExtent columnExtent() const;

    // Appends a child and gives it this control's window.
    void addChild(Control* child);

    Control* parent = nullptr;
    Control* firstChild = nullptr;
    Control* lastChild = nullptr;
    Control* nextSibling = nullptr;
    Control* previousSibling = nullptr;
    int width = 100;
    int height = 13;
    int xAbs = 6;  // top-left corner in window pixels, y down
    int yAbs = 6;
    int xMargin = 6;
    int topMargin = 6;
    int bottomMargin = 6;
    bool focused = false;
    bool canFocus = true;
    int id = 0;
    const int kind;
    bool isContainer = false;
    int alignment = alignLeft;
    ControlCallback callback = nullptr;
    void* livePtr = nullptr;
    float floatValue = 0.0f;
    int intValue = 0;
    std::string name;
    PanelWindow* window = nullptr;
    int liveKind = noLive;
    bool liveReady = false;
    int lastLiveInt = 0;
    float lastLiveFloat = 0.0f;

protected:
    // label is the class's name, as in "Checkbox": the control is named "Checkbox: <address>"
    // until its creation sets the name.
    Control(int kind, const char* label);
};
