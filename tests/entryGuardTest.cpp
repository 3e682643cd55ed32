// The guard around the program reports an escaped exception and waits for one character.
#include "entryGuard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>

namespace {

int throwsOutOfRoom(int, char**) { throw std::runtime_error("no room for the world"); }
int returnsSeven(int, char**) { return 7; }

std::FILE* consoleHolding(const char* typed)
{
    std::FILE* console = std::tmpfile();
    std::fputs(typed, console);
    std::rewind(console);
    return console;
}

TEST(EntryGuard, ReportsEscapedExceptionAndReadsOneCharacter)
{
    std::FILE* console = consoleHolding("\nmore");
    testing::internal::CaptureStdout();
    const int result = runGuarded(throwsOutOfRoom, 0, nullptr, console);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Exception: no room for the world\n");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::ftell(console), 1);
    std::fclose(console);
}

TEST(EntryGuard, NormalRunPrintsAndReadsNothing)
{
    std::FILE* console = consoleHolding("x");
    testing::internal::CaptureStdout();
    EXPECT_EQ(runGuarded(returnsSeven, 0, nullptr, console), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(std::ftell(console), 0);
    std::fclose(console);
}

}  // namespace
