// The sweep's summary as a picture, drawn by gnuplot.
#pragma once

#include <string>
#include <vector>

// One setting's line: its name in the legend, and for each recorded step the step, then the mean
// and standard deviation of each statistic (NaN where there is none).
struct SummarySeries {
    std::string name;
    std::vector<std::vector<double>> rows;
};

// Plots one panel per statistic (named by titles), a line per series with a band of one standard
// deviation around it. "" when drawn, otherwise what went wrong.
std::string plotSummary(const std::vector<SummarySeries>& series, const std::vector<std::string>& titles,
                        const std::string& pngPath);
