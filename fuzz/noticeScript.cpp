// The about notice from bytes.
#include "aboutNotice.h"
#include "digest.h"
#include "fuzzScripts.h"
#include "platformNotice.h"

#include <unistd.h>

#include <cstdio>

std::string runNoticeScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state)
{
    const std::string path = "/tmp/quillmossNoticeFuzz" + std::to_string(getpid()) + ".txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return {};
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    const Notice notice = aboutNoticeFrom(path.c_str());
    std::remove(path.c_str());
    const std::string bytes = size > 0 ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
    if (notice.caption != "Quillmoss") return "a readable file under another caption";
    if (size <= noticeLimit && notice.text != bytes) return "the notice is not the file's bytes";
    if (size > noticeLimit && notice.text.compare(0, noticeLimit, bytes, 0, noticeLimit) != 0)
        return "a long notice does not begin with the file";
    const auto lines = noticeLines(notice.text);
    if (lines.size() > noticeLineLimit) return "more lines than a notice shows";
    std::string shown;
    for (const std::string& line : lines) {
        if (line.size() > noticeColumnLimit + 3) return "a line longer than a notice shows";
        for (unsigned char character : line)
            if (character < ' ' || character == 0x7f) return "a control byte reached the window";
        shown += line + '\n';
    }
    if (state) *state = (Digest{} << shown).value;
    return {};
}
