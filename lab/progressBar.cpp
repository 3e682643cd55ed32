#include "progressBar.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
constexpr int barWidth = 40;
constexpr int fullPercent = 100;
}  // namespace

ProgressBar::ProgressBar(long long steps) : total(steps), onTerminal(isatty(STDERR_FILENO) != 0) {}

void ProgressBar::show(long long done)
{
    if (!onTerminal || total <= 0) return;
    const int percent = static_cast<int>(done * fullPercent / total);
    if (percent == shownPercent) return;
    shownPercent = percent;
    const int filled = percent * barWidth / fullPercent;
    const std::string bar = std::string(filled, '#') + std::string(barWidth - filled, ' ');
    std::fprintf(stderr, "\r[%s] %3d%%  step %lld of %lld", bar.c_str(), percent, done, total);
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (onTerminal && shownPercent >= 0) std::fprintf(stderr, "\n");
}
