// The platform's modal notice window, in place of a system message box.
#pragma once

#include <string>
#include <vector>

// The most lines and characters a notice window shows; beyond them a line "..." stands for the rest.
inline constexpr std::size_t noticeLineLimit = 60;
inline constexpr std::size_t noticeColumnLimit = 200;

// The lines of a notice: broken at "\r\n", "\n" and "\r"; a tab shows as four spaces and any
// other control byte (a NUL among them) as '?'; other bytes are shown as they are.
std::vector<std::string> noticeLines(const std::string& text);

// Shows the caption as the window's title, the text, and one OK button, and returns once the
// user dismisses it: Enter, Space, Escape, a click on OK, or closing the window. Events of the other
// windows are handled meanwhile, but no idle frame runs.
void showNotice(const std::string& caption, const std::string& text);

// Takes the notice on screen away, as when another window of the program is closed meanwhile; the
// window that was current before it is left as it is then (it may be the one closed).
void endNotice();
