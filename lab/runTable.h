// A run's table read back and checked: every row it should have, each whole.
#pragma once

#include <string>
#include <vector>

struct RunTable {
    std::vector<std::string> rows;  // the lines after the header
    std::vector<std::vector<double>> values;  // each row's statistics after the step; NaN for an empty one
};

// The steps a run from step first to step last records: the first, every multiple of every, and
// the last.
std::vector<long long> recordedSteps(long long first, long long last, long long every);

// Reads a run's stats.csv; "" when it holds the header and a row for each of the steps, each with
// every column and its newline, otherwise what is wrong ("stats.csv line 6 is not the row of step
// 400").
std::string readRunTable(const std::string& path, const std::vector<long long>& steps, RunTable& table);

// The names of the statistics, the columns after the step.
std::vector<std::string> statisticNames();
