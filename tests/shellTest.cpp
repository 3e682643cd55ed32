// The shell's pieces without a window: the clock, the timer, the wheel before it is opened, the about notice's
// text, the guard around the entry point and the stack reserve, a stroke as one action; and the way its files
// depend on each other.
#include "aboutNotice.h"
#include "entryGuard.h"
#include "platformNotice.h"
#include "platformStack.h"
#include "platformTimer.h"
#include "platformWheel.h"
#include "shellFixture.h"
#include "worldHash.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <thread>

namespace {

// The generator, the helpers and the clock's timed effects are held by the recorded worlds and
// pictures; the counter's wrap and its absence are not.
TEST_F(ShellTest, TheClockCountsWrappingMillisecondsAndStandsStillWithoutACounter)
{
    setMillisecondSource(nullptr);
    startClock();
    EXPECT_EQ(elapsedSeconds(), 0.0f);
    fakeMilliseconds = 0;
    setMillisecondSource([] { return fakeMilliseconds + 0xffffff00u; });  // a counter about to wrap
    startClock();
    fakeMilliseconds = 0x200u;
    startClock();  // later starts change nothing
    EXPECT_FLOAT_EQ(elapsedSeconds(), 0.512f);
}

// The platform's timer runs with the monotonic clock: across a sleep it advances by at least the
// sleep and by no more than the clock measured around it, however loaded the machine.
// A paint stroke is one action from press to release: its release ends it (and no other action),
// so the next stroke is an action of its own, and undo takes back just that one.
TEST_F(ShellTest, AStrokeIsOneActionFromPressToReleaseAndUndoTakesBackJustIt)
{
    freshWorld(planeTopology);
    const auto paint = [](int cell) {
        act(&strokeSource, [cell](World& changed) { changed.cells[cell].field[technologyField] = 1.0f; });
    };
    paint(100);
    paint(101);
    endAction(&strokeSource);
    const std::uint64_t afterFirstStroke = worldHash(world);
    paint(300);
    endAction(&strokeSource);
    ASSERT_TRUE(undoAction());
    EXPECT_EQ(worldHash(world), afterFirstStroke);
    const int slider = 0;
    act(&slider, [](World&) {});
    endAction(&strokeSource);
    EXPECT_EQ(actionSource(), &slider) << "a release ends the stroke's action, not the slider's";
}

TEST(Shell, TheMillisecondTimerAdvancesWithTheMonotonicClock)
{
    using milliseconds = std::chrono::milliseconds;
    const auto outerStart = std::chrono::steady_clock::now();
    const std::uint32_t start = platformMilliseconds();
    std::this_thread::sleep_for(milliseconds(300));
    const std::uint32_t end = platformMilliseconds();
    const auto outer = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - outerStart).count();
    EXPECT_GE(end - start, 300u);
    EXPECT_LE(end - start, static_cast<std::uint32_t>(outer) + 1u);
}

TEST(Shell, AWheelNotYetOpenedReadsNothing) { EXPECT_EQ(readWheel(), 0); }

// The notice fuzzer's replay holds the notice to the file's bytes and its lines to the window;
// here the cases at its limits.
TEST(Shell, TheAboutNoticeIsCopyrightTxtCutToWhatTheWindowHoldsOrTheBuiltInOne)
{
    const std::string path = testing::TempDir() + "quillmoss-copyright-" + std::to_string(getpid());
    std::ofstream(path, std::ios::binary) << std::string(noticeLimit + 5000, 'x');
    const std::string cut = aboutNoticeFrom(path.c_str()).text;
    EXPECT_EQ(cut.substr(0, noticeLimit + 1), std::string(noticeLimit, 'x') + "\n");
    EXPECT_NE(cut.find("the rest is not shown"), std::string::npos);
    std::string many;
    for (int line = 0; line < 200; ++line) many += "a\tb\r\n";
    const std::vector<std::string> lines = noticeLines(many);
    EXPECT_EQ(lines.size(), noticeLineLimit);
    EXPECT_EQ(lines.front(), "a    b");
    EXPECT_EQ(lines.back(), "...");
    std::filesystem::remove(path);
    const Notice builtIn = aboutNoticeFrom(path.c_str());
    EXPECT_EQ(builtIn.caption, "ORVAN");
    EXPECT_EQ(builtIn.text.substr(0, 10), "Quillmoss\n");
    mkdir(path.c_str(), 0700);  // a directory opens but cannot be read
    EXPECT_EQ(aboutNoticeFrom(path.c_str()).caption, "ORVAN");
    rmdir(path.c_str());
}

TEST(Shell, TheEntryGuardReportsAnEscapedExceptionAndALowStackLimitIsRaised)
{
    for (const bool throws : {true, false}) {
        std::FILE* console = std::tmpfile();
        std::fputs("\nmore", console);
        std::rewind(console);
        testing::internal::CaptureStdout();
        const auto body = throws ? [](int, char**) -> int { throw std::runtime_error("no room"); }
                                 : [](int, char**) { return 7; };
        EXPECT_EQ(runGuarded(body, 0, nullptr, console), throws ? 1 : 7) << "the body's status; an escaped exception fails";
        EXPECT_EQ(testing::internal::GetCapturedStdout(), throws ? "Exception: no room\n" : "");
        EXPECT_EQ(std::ftell(console), throws ? 1 : 0) << "one character read after the report";
        std::fclose(console);
    }
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_STACK, &limit);
        limit.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_STACK, &limit);
        reserveStack(stackReserve);
        const rlim_t ceiling = limit.rlim_max;
        getrlimit(RLIMIT_STACK, &limit);
        _exit(limit.rlim_cur == (ceiling == RLIM_INFINITY || ceiling >= stackReserve ? stackReserve : ceiling) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the soft limit was not raised to the reserve (or the hard limit below it)";
}

// Changes flow one way through the shell: no file of it includes, directly or through others, a
// header whose file includes it back (a file and its header count as one).
TEST(Shell, NoFileOfTheShellReachesBackToItselfThroughItsIncludes)
{
    std::map<std::string, std::set<std::string>> includes;
    const std::string include = "#include \"";
    for (const auto& entry : std::filesystem::directory_iterator(SHELL_DIRECTORY)) {
        std::ifstream file(entry.path());
        const std::string unit = entry.path().stem();
        for (std::string line; std::getline(file, line);) {
            if (line.rfind(include, 0) != 0) continue;
            const std::string header = line.substr(include.size(), line.find(".h\"") - include.size());
            if (header != unit && std::filesystem::exists(std::string(SHELL_DIRECTORY) + "/" + header + ".h"))
                includes[unit].insert(header);
        }
    }
    ASSERT_GT(includes.size(), 10u) << "the shell's files read";
    for (const auto& [unit, direct] : includes) {
        std::set<std::string> reached;
        std::vector<std::string> open(direct.begin(), direct.end());
        while (!open.empty()) {
            const std::string next = open.back();
            open.pop_back();
            if (reached.insert(next).second) open.insert(open.end(), includes[next].begin(), includes[next].end());
        }
        EXPECT_EQ(reached.count(unit), 0u) << unit << " reaches itself";
    }
}

}  // namespace
