// The whole program as a person uses it, started under the test's display and driven with xdotool:
// the notice, the three windows, the buttons, the topology, the render choice, the mouse and keys,
// and the close box.
#include "desktop.h"
#include "digest.h"
#include "pngFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
// Only a mapped window takes the focus: a window found by its name before it is mapped makes
// xdotool's windowfocus fail, and the keys after it are never sent.
std::string window(const std::string& title)
{
    return waitFor("xdotool search --onlyvisible --name '^" + title + "$' | tail -n 1");
}
void xdotool(const std::string& actions)
{
    shell("xdotool " + actions + " 2>/dev/null");
    pause(600);  // frames to show it
}
void click(const std::string& in, int x, int y, int button = 1)
{
    xdotool("mousemove --window " + in + " " + std::to_string(x) + " " + std::to_string(y) + " click " + std::to_string(button));
}
// Culture colours rarely have equal red and green; the ground's ramp always has.
int culturePixels(const WindowPicture& picture)
{
    int count = 0;
    for (std::size_t at = 0; at < picture.rgb.size(); at += 3) count += picture.rgb[at] != picture.rgb[at + 1];
    return count;
}
// "X=.. Y=.. WIDTH=.. HEIGHT=.." of a window, once it stands where expected.
std::string geometry(const std::string& of, const std::string& expected = "X=")
{
    return waitFor("xdotool getwindowgeometry --shell " + of + " | tr '\\n' ' ' | grep -o '" + expected + ".*'", 5000);
}

TEST(WholeProgram, AJourneyFromTheNoticeToTheCloseBox)
{
    Program quillmoss({QUILLMOSS_BINARY, "--seed", "7"});
    const std::string notice = window("ORVAN");
    ASSERT_FALSE(notice.empty()) << "no copyright.txt: the built-in notice; printed: " << quillmoss.output();
    const std::string simulation = window("Simulation"), render = window("Render");
    ASSERT_FALSE(simulation.empty()) << "the panels are built before the notice";
    const std::string world = window("Quillmoss");
    xdotool("windowfocus --sync " + notice + " key a");
    const WindowPicture held = capture(world);
    Digest notes, seeded;
    for (std::uint8_t byte : capture(notice).rgb) notes << byte;
    EXPECT_EQ(notes.value, 0xb83942cbfddb93afull) << "the built-in text and the OK button";
    for (std::uint8_t byte : held.rgb) seeded << byte;
    EXPECT_EQ(seeded.value, 0xf81d85c02ccc546ull) << "the seed's world";
    pause(1500);  // fifteen steps at Swallow, were the frame loop running
    EXPECT_EQ(capture(world).rgb, held.rgb) << "no step while the notice is shown, and a key other than Enter or Space keeps it";
    const std::string lines = quillmoss.output();
    EXPECT_EQ(lines.rfind("Quillmoss\n", 0), 0u) << lines;
    for (const char* line : {"\nOpenGL Driver - \nVendor: ", "\nRenderer: ", "\nVersion: ", "\nSupported Extensions: GL_"})
        EXPECT_NE(lines.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 11) << "the banner and the driver report, no extension line";
    EXPECT_EQ(lines.substr(lines.size() - 8), "Seed: 7\n") << "after the driver report";

    xdotool("windowfocus --sync " + notice + " key Return");
    ASSERT_FALSE(geometry(world, "X=500 Y=32 WIDTH=740 HEIGHT=740").empty()) << geometry(world);
    const WindowPicture first = capture(world);
    EXPECT_GT(litShare(first, 200, 540, 200, 540), 0.5) << "the plane's ground";
    EXPECT_EQ(litShare(first, 0, 20, 0, 740), 0.0) << "black beyond its edge";
    pause(1000);
    const WindowPicture later = capture(world);
    EXPECT_TRUE(later.rgb != first.rgb) << "once the notice is gone, the world steps";
    EXPECT_GT(culturePixels(later), 0) << "and six cultures grow";

    click(simulation, 65, 271);  // Kill All
    click(simulation, 20, 405);  // Paused
    EXPECT_EQ(culturePixels(capture(world)), 0) << "the Culture layer is gone";
    const double busy = quillmoss.cpuSeconds();
    pause(3000);
    EXPECT_LT(quillmoss.cpuSeconds() - busy, 0.3) << "a paused world, untouched, waits for events";
    xdotool("mousemove --window " + world + " 370 370 click 1");
    int outline = 0;  // the selected cell's outline: (255, g, g) pulsing from white to red
    for (int look = 0; look < 4 && outline == 0; ++look, pause(250)) {
        const WindowPicture seen = capture(world);
        for (int at = 0; at < 740 * 740 * 3; at += 3)
            outline += seen.rgb[at] == 255 && seen.rgb[at + 1] == seen.rgb[at + 2] && seen.rgb[at + 1] < 240;
    }
    EXPECT_GT(outline, 4) << "a quick click selects the cell under it";
    click(simulation, 65, 294);  // Seed Life
    click(simulation, 20, 453);  // Swallow again
    pause(1500);
    EXPECT_GT(culturePixels(capture(world)), 0) << "life comes back";
    xdotool("mousemove --window " + world + " 300 370 mousedown 3 sleep 0.1 mousemove --window " + world +
            " 330 370 sleep 0.1 mousemove --window " + world + " 360 370 sleep 0.1 mouseup 3");
    EXPECT_EQ(litShare(capture(world), 0, 250, 0, 740), 0.0) << "a right drag of 60 pixels pans the plane 30 units";

    for (int round = 0; round < 2; ++round)
        for (int y : {103, 119, 87}) {  // Disc, Sphere, Plane: the view is reset with each new world
            click(simulation, 38, y);
            pause(900);
            EXPECT_EQ(litShare(capture(world), 0, 120, 0, 120) > 0.0, y == 87) << "only the plane reaches the corner";
        }
    xdotool("windowfocus --sync " + render + " key Tab key Tab");  // the Outer choice of Phenotype, by keys
    const WindowPicture onPhenotype = capture(render);
    xdotool("windowfocus --sync " + render + " key Tab key shift+Tab");
    EXPECT_TRUE(capture(render).rgb == onPhenotype.rgb) << "Shift+Tab yields no character on X11 and still takes the focus back";
    xdotool("windowfocus --sync " + render + " key space");
    EXPECT_LT(litShare(capture(world), 200, 540, 200, 540), 0.2) << "Phenotype shows the living cells only";
    ASSERT_TRUE(askToClose(world));
    EXPECT_EQ(quillmoss.exitCode(60000), 0) << "the close box ends the program cleanly";  // the leak check runs at exit
}

// Closing the world window while the notice stands ends the program, as it does later. Each way of
// dismissing is waited for by what it does: the notice's window goes (or the program with it).
TEST(WholeProgram, CopyrightTxtIsTheNoticeUnderQuillmossAndOkEscapeOrSpaceDismissesIt)
{
    const std::string text = "Quillmoss notice\r\nline two\r\nline three";
    const std::string secondWindow = "xdotool search --name '^Quillmoss$' | sort -n | sed -n 2p";
    for (const std::string dismissal : {"OK", "Escape", "space", "close"}) {
        Program quillmoss({QUILLMOSS_BINARY}, &text);
        ASSERT_FALSE(window("Simulation").empty());
        const std::string notice = waitFor(secondWindow);
        const std::string size = geometry(notice, "WIDTH=");
        const int height = 3 * 15 + 3 * 14 + 24;  // three lines of 15 pixels, margins, the button: CR LF breaks once
        ASSERT_NE(size.find("HEIGHT=" + std::to_string(height)), std::string::npos) << size;
        if (dismissal == "OK") {
            click(notice, std::atoi(size.c_str() + 6) / 2, height - 14 - 12);  // centred at the bottom
        } else if (dismissal == "close") {
            ASSERT_TRUE(askToClose(waitFor("xdotool search --name '^Quillmoss$' | sort -n | head -n 1")));
            EXPECT_EQ(quillmoss.exitCode(60000), 0);
        } else {
            xdotool("windowfocus --sync " + notice + " key " + dismissal);
        }
        EXPECT_EQ(waitFor("[ -z \"$(" + secondWindow + ")\" ] && echo gone", 60000), "gone") << dismissal;
    }
}

// A recorded frame (RGBA) shows what a capture of the window (RGB) shows.
bool samePicture(const Picture& recorded, const WindowPicture& captured)
{
    if (recorded.width != captured.width || recorded.height != captured.height) return false;
    for (int y = 0; y < recorded.height; ++y)
        for (int x = 0; x < recorded.width; ++x)
            if (!std::equal(captured.pixel(x, y), captured.pixel(x, y) + 3, recorded.pixel(x, y))) return false;
    return true;
}
// A radio button's circle in the Simulation window, 12 pixels across around (x, y).
std::vector<std::uint8_t> circle(const WindowPicture& panel, int x, int y)
{
    std::vector<std::uint8_t> pixels;
    for (int row = y - 6; row < y + 6; ++row) pixels.insert(pixels.end(), panel.pixel(x - 6, row), panel.pixel(x + 6, row));
    return pixels;
}
std::string countFiles(const std::string& directory) { return shell("ls " + directory + " | wc -l | tr -d '\\n'"); }

// A world from the lab continued in the window while every step is recorded, saved when the window
// is closed and shown again from the file.
TEST(WholeProgram, AWorldLoadedRecordedSavedOnCloseAndLoadedAgain)
{
    const std::string directory = shell("mktemp -d /tmp/quillmossOptionsXXXXXX | tr -d '\\n'");
    ASSERT_EQ(
        shell(LAB_BINARY " save --topology disc --seed 7 --steps 20 --pollution --save " + directory + "/start.qmw; echo $?"),
        "0\n");
    const std::string frames = directory + "/frames";
    WindowPicture last;
    {
        Program first(
            {QUILLMOSS_BINARY, "--load", directory + "/start.qmw", "--record", frames, "--save-on-exit", directory + "/end.qmw"});
        const std::string notice = window("ORVAN"), simulation = window("Simulation"), world = window("Quillmoss");
        ASSERT_FALSE(notice.empty()) << first.output();
        pause(600);  // the panels drawn
        const WindowPicture panel = capture(simulation);
        ASSERT_GT(panel.height, 130);
        EXPECT_TRUE(circle(panel, 37, 103) != circle(panel, 37, 87)) << "the Topology radio shows the disc";
        EXPECT_TRUE(circle(panel, 37, 87) == circle(panel, 37, 119)) << "and neither the plane nor the sphere";
        EXPECT_TRUE(circle(panel, 20, 29) != circle(panel, 20, 45)) << "and Pollution on, Human Rules off";
        xdotool("windowfocus --sync " + notice + " key Escape");
        click(simulation, 20, 405);  // Paused
        const int stepped = std::stoi(countFiles(frames));
        ASSERT_GT(stepped, 0) << "Swallow stepped until Paused";
        ASSERT_LT(stepped, 30);
        const Picture paused = readPng(frames + "/frame-" + std::to_string(20 + stepped) + ".png");
        EXPECT_TRUE(samePicture(paused, capture(world))) << "the recording is what the window shows";
        xdotool("mousemove --window " + simulation + " 65 487 click --repeat " + std::to_string(30 - stepped) + " --delay 150 1");
        const std::string fiftieth = frames + "/frame-50.png";
        EXPECT_EQ(waitFor("ls " + fiftieth + " 2>/dev/null", 5000), fiftieth);
        pause(300);
        last = capture(world);
        EXPECT_EQ(countFiles(frames), "30") << "the Step button's steps are recorded too";
        EXPECT_TRUE(samePicture(readPng(fiftieth), last));
        EXPECT_FALSE(samePicture(paused, last));
        ASSERT_TRUE(askToClose(simulation));
        EXPECT_EQ(first.exitCode(60000), 0);
    }
    shell("mkdir " + directory + "/gone");
    Program second({QUILLMOSS_BINARY, "--load", directory + "/end.qmw", "--save-on-exit", directory + "/gone/w.qmw"});
    const std::string notice = window("ORVAN");
    ASSERT_FALSE(notice.empty()) << second.output();
    ASSERT_FALSE(geometry(window("Quillmoss"), "X=500 Y=32 WIDTH=740 HEIGHT=740").empty());
    xdotool("windowmove " + notice + " 0 0");  // out of the world window's way
    EXPECT_TRUE(capture(window("Quillmoss")).rgb == last.rgb) << "the world saved on closing, shown again";
    EXPECT_EQ(shell(LAB_BINARY " run --load " + directory + "/start.qmw --steps 30 --out " + directory + "/lab --save " +
                    directory + "/lab.qmw && cmp " + directory + "/lab.qmw " + directory + "/end.qmw && echo same"),
              "same\n")
        << "the window's 30 steps are the lab's, bit for bit";
    xdotool("windowfocus --sync " + notice + " key Escape");
    shell("rmdir " + directory + "/gone");
    ASSERT_TRUE(askToClose(window("Quillmoss")));
    EXPECT_EQ(second.exitCode(60000), 1) << "a save that fails is a failure";
    const std::string notSaved = "quillmoss: the world was not saved: " + directory + "/gone/w.qmw: cannot create the file";
    EXPECT_NE(second.errors().find(notSaved), std::string::npos) << second.errors();
    const std::string rescue = shell("ls " + second.directory + "/quillmoss-rescue-*.qmw | tr -d '\\n'");
    EXPECT_NE(second.errors().find("quillmoss: the world was saved to " + rescue + " instead\n"), std::string::npos)
        << second.errors();
    EXPECT_EQ(shell(LAB_BINARY " run --load " + rescue + " --steps 1 --out " + directory + "/rescued >/dev/null; echo $?"), "0\n")
        << "the rescued world is whole";
    shell("rm -rf " + directory);
}

// Whether no window of the title is shown, or none is any more within two seconds.
bool gone(const std::string& title)
{
    return !waitFor("for i in $(seq 20); do xdotool search --onlyvisible --name '^" + title +
                    "$' >/dev/null || { echo gone; break; }; sleep 0.1; done")
                .empty();
}
// The path the program printed last after the words said.
std::string lastPrinted(const Program& quillmoss, const std::string& said)
{
    const std::string printed = quillmoss.output();
    const std::size_t at = printed.rfind(said);
    return at == std::string::npos ? "" : printed.substr(at + said.size(), printed.find('\n', at) - at - said.size());
}
// The program's output once it holds the text and the keys typed before have had a moment more;
// as it stands when the time runs out.
std::string outputWith(const Program& program, const std::string& text)
{
    constexpr int limitMs = 30000, lookMs = 100;
    for (int waited = 0; waited < limitMs && program.output().find(text) == std::string::npos; waited += lookMs) pause(lookMs);
    pause(1000);
    return program.output();
}
// The steps of a statistics table's rows, in its order.
std::vector<int> rowSteps(const std::string& path)
{
    std::ifstream table(path);
    std::vector<int> steps;
    std::string row;
    for (std::getline(table, row); std::getline(table, row);) steps.push_back(std::atoi(row.c_str()));
    return steps;
}
std::vector<int> stepsFrom(int first, int last)
{
    std::vector<int> steps;
    for (int step = first; step <= last; ++step) steps.push_back(step);
    return steps;
}

// A loaded world watched in the Plots window, taken back and forward, painted, emptied, given a new
// topology and undone, with the keys typed in every window, and saved from the window: the curves
// are the lab's and always the present world's own, and each way back is exact.
TEST(WholeProgram, PlotsGoingBackUndoAndSavingFromTheWindow)
{
    const std::string directory = shell("mktemp -d /tmp/quillmossTimeXXXXXX | tr -d '\\n'");
    shell(LAB_BINARY " save --topology disc --seed 4 --steps 20 --save " + directory + "/start.qmw");
    Program quillmoss({QUILLMOSS_BINARY, "--load", directory + "/start.qmw", "--plots"});
    const std::string notice = window("ORVAN"), simulation = window("Simulation"), world = window("Quillmoss"),
                      plots = window("Plots");
    ASSERT_FALSE(plots.empty()) << "--plots opens it at start";
    xdotool("windowfocus --sync " + notice + " key Return");
    pause(1000);
    click(simulation, 20, 405);  // Paused
    const auto keyIn = [&](const std::string& in, const std::string& keys) { xdotool("windowfocus --sync " + in + " " + keys); };
    const auto key = [&](const std::string& keys) { keyIn(world, keys); };
    const auto saved = [&] {
        key("key ctrl+s");
        return lastPrinted(quillmoss, "quillmoss: saved the world to ");
    };
    const auto curves = [&] {
        keyIn(plots, "key s");
        return lastPrinted(quillmoss, "quillmoss: wrote the curves to ");
    };
    const auto same = [](const std::string& a, const std::string& b) { return shell("cmp -s " + a + " " + b + " && echo same"); };
    // The world the lab reaches from the start with as many steps.
    const auto lab = [&](int steps) {
        const std::string out = directory + "/lab" + std::to_string(steps);
        shell(LAB_BINARY " run --load " + directory + "/start.qmw --steps " + std::to_string(steps - 20) + " --every 1 --out " +
              out + " --save " + out + ".qmw >/dev/null");
        return out;
    };

    const std::string table = curves();
    const std::vector<int> rows = rowSteps(table);
    ASSERT_FALSE(rows.empty()) << "no curves at " << table;
    const int steps = rows.back();
    ASSERT_GT(steps, 20) << quillmoss.output();
    EXPECT_EQ(table, quillmoss.directory + "/quillmoss-plots-" + std::to_string(steps) + ".csv") << "the path made absolute";
    EXPECT_EQ(same(table, lab(steps) + "/stats.csv"), "same\n") << "the curves are the lab's numbers of the same steps";
    const std::string again = curves();
    EXPECT_EQ(again, quillmoss.directory + "/quillmoss-plots-" + std::to_string(steps) + "-2.csv");
    EXPECT_EQ(same(table, again), "same\n") << "the first file is kept";

    const std::string left = saved();
    EXPECT_EQ(left, quillmoss.directory + "/quillmoss-" + std::to_string(steps) + ".qmw");
    EXPECT_EQ(same(left, lab(steps) + ".qmw"), "same\n") << "Ctrl+S writes the world shown";
    const WindowPicture axis = capture(plots);
    key("key bracketleft bracketleft bracketleft bracketleft bracketleft");
    EXPECT_EQ(same(saved(), lab(steps - 5) + ".qmw"), "same\n") << "five steps back";
    EXPECT_EQ(rowSteps(curves()), stepsFrom(20, steps - 5)) << "the curves end at the step shown";
    EXPECT_TRUE(capture(plots).rgb != axis.rgb) << "and the Plots window says which";
    keyIn(plots, "key bracketright bracketright bracketright bracketright bracketright");
    EXPECT_EQ(same(saved(), left), "same\n") << "and forward again to the world left, typed in the Plots window";

    click(simulation, 65, 294);  // Seed Life: the keyboard goes with the click to Simulation
    EXPECT_EQ(same(saved(), left), "") << "life seeded";
    keyIn(simulation, "key ctrl+z");
    EXPECT_EQ(same(saved(), left), "same\n") << "Ctrl+Z in the Simulation window undoes";
    EXPECT_EQ(rowSteps(curves()), stepsFrom(20, steps)) << "the curves of the world undone to";
    keyIn(simulation, "key bracketleft bracketleft bracketleft");
    EXPECT_EQ(same(saved(), lab(steps - 3) + ".qmw"), "same\n") << "going back from an undo passes the action";
    key("key bracketright bracketright bracketright");

    click(simulation, 20, 162);  // Paint with 1
    xdotool("mousemove --window " + world + " 370 370 mousedown 1 sleep 0.5 mousemove --window " + world +
            " 390 370 sleep 0.3 mouseup 1");
    const std::string painted = saved();
    EXPECT_EQ(same(painted, left), "") << "the stroke changed the world";
    key("key ctrl+z");
    EXPECT_EQ(same(saved(), left), "same\n") << "undo takes the whole stroke back";
    key("key ctrl+y");
    EXPECT_EQ(same(saved(), painted), "same\n") << "and redo brings it again";
    click(simulation, 65, 271);  // Kill All
    EXPECT_EQ(rowSteps(curves()), std::vector<int>{0}) << "Kill All starts the count again";
    key("key bracketleft");
    EXPECT_EQ(same(saved(), lab(steps - 1) + ".qmw"), "same\n") << "going back crosses Kill All";
    EXPECT_EQ(rowSteps(curves()), stepsFrom(20, steps - 1)) << "to the world before it, its rows alone and in order";
    key("key bracketright ctrl+shift+z ctrl+z");
    EXPECT_EQ(same(saved(), painted), "same\n") << "Kill All undone";
    click(simulation, 38, 119);  // Sphere
    key("key bracketleft");
    EXPECT_EQ(same(saved(), lab(steps - 1) + ".qmw"), "same\n") << "going back crosses a new topology too";
    const WindowPicture panel = capture(simulation);
    EXPECT_TRUE(circle(panel, 37, 103) != circle(panel, 37, 119)) << "and the Topology radio shows the disc again";
    key("key --repeat 40 --delay 20 bracketleft");
    const std::string limit = "going back stops at step 20: the world's past begins there\n",
                      output = outputWith(quillmoss, limit);
    EXPECT_NE(output.find(limit), std::string::npos) << output;
    EXPECT_EQ(output.find(limit), output.rfind(limit)) << "said once";
    EXPECT_EQ(shell(LAB_BINARY " run --load " + painted + " --steps 1 --out " + directory + "/again >/dev/null; echo $?"), "0\n")
        << "a world saved from the window loads";

    ASSERT_TRUE(askToClose(plots));
    EXPECT_TRUE(gone("Plots"));
    EXPECT_EQ(quillmoss.exitCode(1000), -1) << "the Plots window closes alone";
    keyIn(simulation, "key p");
    EXPECT_FALSE(window("Plots").empty()) << "p opens it again, from a panel too";
    key("key p");
    EXPECT_TRUE(gone("Plots")) << "and closes it";
    ASSERT_TRUE(askToClose(world));
    EXPECT_EQ(quillmoss.exitCode(60000), 0);
    shell("rm -rf " + directory);
}

// Where a window stands: "X=.. Y=.. WIDTH=.. HEIGHT=.." read into numbers.
struct Place {
    int x = 0, y = 0, width = 0, height = 0;
};
// Whether two windows share a pixel.
bool overlap(const Place& a, const Place& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
Place placeOf(const std::string& window)
{
    const std::string said = geometry(window, "X=");
    const auto number = [&](const char* name) { return std::atoi(said.c_str() + said.find(name) + std::strlen(name)); };
    return {number("X="), number("Y="), number("WIDTH="), number("HEIGHT=")};
}

// On screens of 1280 x 800 and 1366 x 768, opened with GLUT's own -display, no window covers
// another and every one stands within the screen; there, with --history-mb 1, undo says when it
// reaches the oldest action the budget kept.
TEST(WholeProgram, OnASmallScreenNoWindowCoversAnother)
{
    const std::string shown = getenv("DISPLAY");
    // A world grown long, whose copies compress least: a mebibyte holds few of them.
    const std::string directory = shell("mktemp -d /tmp/quillmossSmallXXXXXX | tr -d '\\n'");
    shell(LAB_BINARY " save --topology sphere --seed 3 --steps 600 --save " + directory + "/grown.qmw");
    for (const auto& [width, height] : {std::pair{1280, 800}, std::pair{1366, 768}}) {
        const std::string server =
            shell("f=$(mktemp); Xvfb -displayfd 3 -screen 0 " + std::to_string(width) + "x" + std::to_string(height) +
                  "x24 -nolisten tcp 3>$f >/dev/null 2>&1 & "
                  "for i in $(seq 100); do [ -s $f ] && break; sleep 0.1; done; echo $! :$(cat $f); rm $f");
        const std::string display = server.substr(server.find(':'), server.find('\n') - server.find(':'));
        ASSERT_GT(display.size(), 1u) << server;
        {
            Program quillmoss(
                {QUILLMOSS_BINARY, "-display", display, "--plots", "--history-mb", "1", "--load", directory + "/grown.qmw"});
            setenv("DISPLAY", display.c_str(), 1);
            const std::string notice = window("ORVAN");  // shown once every window stands where it goes
            pause(600);
            const std::string names[] = {"Quillmoss", "Simulation", "Render", "Plots"};
            std::vector<Place> places;
            for (const std::string& name : names) places.push_back(placeOf(window(name)));
            for (std::size_t at = 0; at < places.size(); ++at) {
                const Place& a = places[at];
                EXPECT_GE(a.x, 0) << names[at];
                EXPECT_GE(a.y, 0) << names[at];
                EXPECT_LE(a.x + a.width, width) << names[at];
                EXPECT_LE(a.y + a.height, height) << names[at];
                for (std::size_t other = at + 1; other < places.size(); ++other)
                    EXPECT_FALSE(overlap(a, places[other]))
                        << names[at] << " covers " << names[other] << " on " << width << "x" << height;
            }
            EXPECT_GE(std::min(places[0].width, places[0].height), 400) << "the world window takes the room left";
            if (width == 1366) {
                xdotool("windowfocus --sync " + notice + " key Escape");
                const std::string simulation = window("Simulation");
                click(simulation, 20, 405);  // Paused
                xdotool("mousemove --window " + simulation + " 65 294 click --repeat 25 --delay 100 1");  // Seed Life
                xdotool("windowfocus --sync " + simulation + " key --repeat 30 --delay 50 ctrl+z");
                const std::string limit =
                                      "no older action is kept: older ones were let go to keep to the history's "
                                      "memory; a --history-mb above 1 keeps more\n",
                                  output = outputWith(quillmoss, limit);
                EXPECT_NE(output.find(limit), std::string::npos) << output;
                EXPECT_EQ(output.find(limit), output.rfind(limit)) << "said once";
            }
        }
        shell("kill " + server.substr(0, server.find(' ')));
    }
    setenv("DISPLAY", shown.c_str(), 1);
    shell("rm -rf " + directory);
}

// The sizes given at start build the world, and each topology keeps its own across the Topology
// choice; a world whose one copy outgrows the history's memory is said to, once.
TEST(WholeProgram, AWorldStartsAtTheSizesGivenAndEachTopologyKeepsItsOwn)
{
    const std::string directory = shell("mktemp -d /tmp/quillmossSizesXXXXXX | tr -d '\\n'");
    Program quillmoss({QUILLMOSS_BINARY, "--plane-size", "700x600", "--disc-rings", "12", "--history-mb", "1", "--save-on-exit",
                       directory + "/end.qmw"});
    const std::string notice = window("ORVAN"), simulation = window("Simulation");
    ASSERT_FALSE(notice.empty()) << quillmoss.output();
    xdotool("windowfocus --sync " + notice + " key Escape");
    click(simulation, 20, 405);  // Paused
    click(simulation, 37, 103);  // Disc
    click(simulation, 37, 87);  // Plane again
    const std::string said = "quillmoss: the history keeps no past: one copy of this world takes ",
                      output = outputWith(quillmoss, said);
    EXPECT_NE(output.find(said), std::string::npos) << output;
    EXPECT_EQ(output.find(said), output.rfind(said)) << "said once";
    ASSERT_TRUE(askToClose(simulation));
    EXPECT_EQ(quillmoss.exitCode(60000), 0);
    // The saved file's version, topology and size words (docs/world-file.md).
    EXPECT_EQ(shell("od -An -td4 -j8 -N8 " + directory + "/end.qmw | tr -s ' '; od -An -td4 -j72 -N8 " + directory +
                    "/end.qmw | tr -s ' '"),
              " 2 0\n 700 600\n")
        << "the plane of the size given, after the disc";
    shell("rm -rf " + directory);
}

// Each refusal is one line on standard error and exit status 2, before the display is opened.
TEST(WholeProgram, BadOptionsAndBadWorldFilesAreRefusedBeforeAnyWindowOpens)
{
    const std::string directory = shell("mktemp -d /tmp/quillmossOptionsXXXXXX | tr -d '\\n'");
    std::ofstream(directory + "/junk.qmw") << "not a world";
    shell(LAB_BINARY " save --topology plane --seed 1 --save " + directory + "/whole.qmw; head -c 5000 " + directory +
          "/whole.qmw >" + directory + "/cut.qmw");
    const std::string hint = " (quillmoss --help lists the options)";
    const std::pair<std::string, std::string> refusals[] = {
        {"--colour", "The following argument was not expected: --colour" + hint},
        {"--seed 4294967296", "--seed: needs a whole number from 0 to 4294967295, not \"4294967296\"" + hint},
        {"--seed 1 -iconic --seed 2", "--seed is given more than once" + hint},
        {"--seed 1 -display", "-display needs a value" + hint},
        {"--plots --plots", "--plots is given more than once" + hint},
        {"--record-every 5", "--record-every needs --record DIR" + hint},
        {"--seed 3 --load " + directory + "/whole.qmw", "--load brings its own generator: leave --seed out" + hint},
        {"--load " + directory + "/junk.qmw", directory + "/junk.qmw: not a Quillmoss world file"},
        {"--load " + directory + "/cut.qmw", directory + "/cut.qmw: the file ends early (truncated)"},
        {"--save-on-exit " + directory + "/none/w.qmw",
         "--save-on-exit: there is no directory " + directory + "/none to save " + directory + "/none/w.qmw in"},
        {"--save-on-exit " + directory, "--save-on-exit: " + directory + " is a directory"},
        {"--save-on-exit /proc/x.qmw", "--save-on-exit: cannot create /proc/x.qmw: No such file or directory"},
        {"--history-mb 0", "--history-mb: needs a whole number from 1 to 65536, not \"0\"" + hint},
        {"--history-mb lots", "--history-mb: needs a whole number from 1 to 65536, not \"lots\"" + hint},
        {"--plane-size 4x80", "--plane-size: a plane of 4x80 cells is out of range: width and height run from 8 to 4096" + hint},
        {"--sphere-rows 80", "--sphere-rows: a sphere of 80 rows is out of range: rows are an odd number from 9 to 3627" + hint},
        {"--disc-rings 50 --load " + directory + "/whole.qmw",
         "--load brings its own size: leave --plane-size, --disc-rings and --sphere-rows out" + hint},
        {"--record " + directory + "/junk.qmw/frames",
         "--record: cannot make " + directory + "/junk.qmw/frames: Not a directory"},
    };
    for (const auto& [arguments, reason] : refusals)
        EXPECT_EQ(shell("env -u DISPLAY " QUILLMOSS_BINARY " " + arguments + " 2>&1 >/dev/null; echo $?"),
                  "quillmoss: " + reason + "\n2\n");
    const std::string help = shell("env -u DISPLAY " QUILLMOSS_BINARY " --help; echo $?");
    for (const char* words : {"--seed N", "--load FILE", "--save-on-exit FILE", "--record DIR", "--record-every N", "--plots",
                              "--history-mb N", "--plane-size WIDTHxHEIGHT", "--disc-rings N", "--sphere-rows N", "\n0\n"})
        EXPECT_NE(help.find(words), std::string::npos) << "no display needed: " << help;
    shell("rm -rf " + directory);
}

TEST(PanelDemo, PrintsTheVariablesItsControlsChange)
{
    Program demo({PANEL_DEMO_BINARY});
    const std::string panel = window("Panel demo");
    const double busy = demo.cpuSeconds();
    pause(2000);
    EXPECT_LT(demo.cpuSeconds() - busy, 0.2) << "untouched, it waits for events";
    click(panel, 20, 29);  // the check box
    click(panel, 150, 120);  // empty space: no focus, so that Tab starts at the first control
    xdotool("windowfocus --sync " + panel + " key Tab key space key Tab key Tab key shift+Tab key shift+Tab key space");
    const std::string printed = demo.output();
    EXPECT_EQ(printed.substr(printed.find("callback")),
              "callback 1\ncheckbox = 0\ncallback 1\ncheckbox = 1\ncallback 1\ncheckbox = 0\n")
        << printed;
}

}  // namespace
