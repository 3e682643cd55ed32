// The driver report of the current GL context.
#include "driverReport.h"
#include "glTestContext.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(DriverReport, NamesVendorRendererVersionAndExtensions)
{
    useTestWindow(100, 100);
    testing::internal::CaptureStdout();
    reportDriver();
    std::istringstream report(testing::internal::GetCapturedStdout());
    std::vector<std::string> lines;
    for (std::string line; std::getline(report, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u) << "no window-system extension line on this platform";
    EXPECT_EQ(lines[0], "OpenGL Driver - ");
    EXPECT_EQ(lines[1].rfind("Vendor: ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("Renderer: ", 0), 0u);
    EXPECT_EQ(lines[3].rfind("Version: ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("Supported Extensions: ", 0), 0u);
    EXPECT_NE(lines[4].find("GL_"), std::string::npos);
}

}  // namespace
