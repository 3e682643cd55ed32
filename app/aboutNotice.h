// The about notice shown before the event loop starts.
#pragma once

#include <cstddef>
#include <string>

// The most of "copyright.txt" shown: a longer file is cut there, with a last line saying so.
inline constexpr std::size_t noticeLimit = 64 * 1024;

struct Notice {
    std::string caption;
    std::string text;
};

// The file's bytes as they are, under "Quillmoss", when it can be opened and read; otherwise the
// built-in notice under "ORVAN".
Notice aboutNoticeFrom(const char* path);

// aboutNoticeFrom("copyright.txt") of the working directory, in a modal notice window.
void showAboutNotice();
