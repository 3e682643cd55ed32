// What a run's directory holds: the whole of the run asked for, an unfinished or damaged one, or
// another run altogether.
#pragma once

#include <string>
#include <vector>

enum class RunState {
    complete,  // run.txt as asked, the whole table, and the movie when one was asked for
    unfinished,  // not started, or stopped before its table got its name
    damaged,  // a table or movie that is not whole, or no run.txt to say what made it
    foreign,  // made with other settings
    busy,  // a process works in it now
};

struct RunCheck {
    RunState state = RunState::unfinished;
    std::string reason;  // why it is not complete: "stats.csv line 6 is not the row of step 400"
};

// The run asked for: its settings as run.txt has them, the steps its table records, and the path
// of its movie ("" for none).
struct ExpectedRun {
    std::string settings;
    std::vector<long long> steps;
    std::string moviePath;
};

// run.txt's last line starts with this: the command that made the run, not a setting.
inline constexpr const char* runCommandKey = "command = ";

RunCheck checkRun(const std::string& directory, const ExpectedRun& expected);
