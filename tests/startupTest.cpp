// Quillmoss started as a person starts it: its banner, its world window, and the world it shows.
#include "quillmossSession.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, OpensTheWorldWindowAfterTheBanner)
{
    QuillmossSession session;
    ASSERT_FALSE(session.output().empty()) << "no banner on standard output";
    EXPECT_EQ(session.output()[0], "Quillmoss");
    ASSERT_TRUE(session.ready()) << "no 740 x 740 window titled Quillmoss at (500, 32)";
    EXPECT_TRUE(session.program().running());
}

TEST(Startup, ShowsThePlaneWithTerrainAndAdvancesAtSwallow)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    const WindowPicture first = session.capture();
    ASSERT_EQ(first.width, 740);
    ASSERT_EQ(first.height, 740);
    int blue = 0;
    for (int y = 0; y < first.height; ++y)
        for (int x = 0; x < first.width; ++x) blue += first.pixel(x, y)[2] > 100;
    EXPECT_GT(blue, first.width * first.height / 4) << "the ground's blue ramp";
    for (int y = 0; y < first.height; ++y)
        for (int x : {0, 10, 20, 719, 729, 739}) ASSERT_EQ(first.pixel(x, y)[2], 0) << "black beyond the plane's edge";

    QuillmossSession::settle();
    EXPECT_NE(session.capture().rgb, first.rgb) << "life advances ten times a second";
}

}  // namespace
