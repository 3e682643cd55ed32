// The about notice's text from copyright.txt, and the lines a notice window shows.
#include "aboutNotice.h"
#include "platformNotice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class AboutNoticeText : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillmossNoticeXXXXXX";
        directory = mkdtemp(pattern);
        path = directory + "/copyright.txt";
    }
    void TearDown() override
    {
        unlink(path.c_str());
        rmdir(path.c_str());
        rmdir(directory.c_str());
    }
    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    std::string directory;
    std::string path;
};

TEST_F(AboutNoticeText, WithoutTheFileTheBuiltInNoticeUnderOrvan)
{
    const Notice notice = aboutNoticeFrom(path.c_str());
    EXPECT_EQ(notice.caption, "ORVAN");
    EXPECT_EQ(notice.text.rfind("Quillmoss\n\n", 0), 0u);
    EXPECT_NE(notice.text.find("freeglut"), std::string::npos);
}

TEST_F(AboutNoticeText, TheFilesBytesAsTheyAre)
{
    const std::string bytes = std::string("Line one\r\nLine two\n\xe9t\xe9") + '\0' + "after a NUL";
    write(bytes);
    const Notice notice = aboutNoticeFrom(path.c_str());
    EXPECT_EQ(notice.caption, "Quillmoss");
    EXPECT_EQ(notice.text, bytes);
}

TEST_F(AboutNoticeText, AnEmptyFileIsAnEmptyNotice)
{
    write("");
    const Notice notice = aboutNoticeFrom(path.c_str());
    EXPECT_EQ(notice.caption, "Quillmoss");
    EXPECT_EQ(notice.text, "");
}

TEST_F(AboutNoticeText, AHugeFileIsCutAndSaysSo)
{
    write(std::string(noticeLimit + 5000, 'x'));
    const Notice notice = aboutNoticeFrom(path.c_str());
    EXPECT_EQ(notice.text.substr(0, noticeLimit), std::string(noticeLimit, 'x'));
    EXPECT_NE(notice.text.find("the rest is not shown"), std::string::npos);
    EXPECT_LT(notice.text.size(), noticeLimit + 100);
    write(std::string(noticeLimit, 'y'));
    EXPECT_EQ(aboutNoticeFrom(path.c_str()).text, std::string(noticeLimit, 'y')) << "exactly the limit is whole";
}

TEST_F(AboutNoticeText, AFileThatCannotBeReadGivesTheBuiltInNotice)
{
    mkdir(path.c_str(), 0700);  // a directory opens but cannot be read
    EXPECT_EQ(aboutNoticeFrom(path.c_str()).caption, "ORVAN");
}

TEST(NoticeLines, EveryLineEndBreaksOnce)
{
    EXPECT_EQ(noticeLines("one\r\ntwo\r\n"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(noticeLines("one\ntwo"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(noticeLines("one\rtwo\n\nfour"), (std::vector<std::string>{"one", "two", "", "four"}));
    EXPECT_TRUE(noticeLines("").empty());
    EXPECT_EQ(noticeLines("\n"), (std::vector<std::string>{""}));
}

TEST(NoticeLines, ControlBytesShowAsMarksAndOthersAsTheyAre)
{
    EXPECT_EQ(noticeLines(std::string("a\0b", 3)), (std::vector<std::string>{"a?b"}));
    EXPECT_EQ(noticeLines("a\tb\x7f"), (std::vector<std::string>{"a    b?"}));
    EXPECT_EQ(noticeLines("caf\xe9"), (std::vector<std::string>{"caf\xe9"}));
}

TEST(NoticeLines, ALongTextIsCutToWhatAWindowHolds)
{
    const std::vector<std::string> lines = noticeLines(std::string(500, 'w'));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), noticeColumnLimit + 3);
    std::string many;
    for (int line = 0; line < 200; ++line) many += "line\n";
    const std::vector<std::string> cut = noticeLines(many);
    EXPECT_EQ(cut.size(), noticeLineLimit);
    EXPECT_EQ(cut.back(), "...");
}

}  // namespace
