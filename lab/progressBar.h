// A progress bar on standard error, drawn only when that is a terminal.
#pragma once

class ProgressBar {
public:
    explicit ProgressBar(long long total);
    // Redraws when the whole percent changed.
    void show(long long done);
    // Ends the bar's line.
    void finish();

private:
    long long total;
    int shownPercent = -1;
    bool onTerminal;
};
