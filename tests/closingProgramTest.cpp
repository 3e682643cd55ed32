// A long session ended as a person ends it: frames on every topology, switched from the panel,
// then the world window's close box. The program must leave cleanly; built with the sanitizers,
// LeakSanitizer checks at that exit that nothing of ours was lost.
#include "quillmossSession.h"
#include "windowClose.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <thread>

namespace {

using namespace simulationWindow;
constexpr int rounds = 3;
constexpr int framesTimeMs = 1500;
// The exit includes the leak check, which walks the whole heap when sanitized.
constexpr int exitTimeoutMs = 60000;

// The window's top left corner, which only the plane reaches.
constexpr int cornerSize = 120;

TEST(ClosingTheProgram, AfterTopologySwitchesTheCloseBoxEndsItCleanly)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    const std::string simulation = QuillmossSession::windowNamed("Simulation");
    for (int round = 0; round < rounds; ++round) {
        for (const point& button : {discButton, sphereButton, planeButton}) {
            session.click(simulation, button.x, button.y);
            std::this_thread::sleep_for(std::chrono::milliseconds(framesTimeMs));
            const bool plane = button.y == planeButton.y;
            EXPECT_EQ(litShare(session.capture(), 0, cornerSize, 0, cornerSize) > 0.0, plane)
                << "round " << round << ", button at " << button.y;
        }
    }
    ASSERT_TRUE(session.program().running());

    ASSERT_TRUE(askWindowToClose(session.worldWindow));
    const auto status = session.program().waitForExit(exitTimeoutMs);
    ASSERT_TRUE(status.has_value()) << "the program is still running";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

}  // namespace
