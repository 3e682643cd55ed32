// The sweep's summary as a picture, drawn by gnuplot.
#pragma once

#include <string>
#include <vector>

// One setting's line: its name in the legend, its topology, and for each recorded step the step,
// then the mean and standard deviation of each statistic (NaN where there is none).
struct SummarySeries {
    std::string name;
    std::string topology;
    std::vector<std::vector<double>> rows;
};

// A statistic's panel: its title and the values the statistic can take, which bound its bands.
struct SummaryPanel {
    std::string title;
    double lowest;
    double highest;
};

// A series' line: a colour that stands out on white, and a gnuplot dash type.
struct LineStyle {
    std::string colour;  // #rrggbb
    int dash;
};
LineStyle seriesStyle(std::size_t at);

// The gnuplot script of the summary: a panel per statistic with a line per series and a band of one
// standard deviation around it, cut to the statistic's range, and a panel for the legend. Several
// topologies get a column of panels each.
std::string summaryScript(const std::vector<SummarySeries>& series, const std::vector<SummaryPanel>& panels,
                          const std::string& pngPath);

// Draws the summary into pngPath; "" when drawn, otherwise what went wrong.
std::string plotSummary(const std::vector<SummarySeries>& series, const std::vector<SummaryPanel>& panels,
                        const std::string& pngPath);
