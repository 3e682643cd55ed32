// The summary plot: the series go into the script as one data block, a block per setting.
#include "summaryPlot.h"

#include "gnuplot.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int panelRows = 2;
constexpr std::size_t gnuplotColours = 8;
constexpr int panelWidth = 400, panelHeight = 450;  // pixels

std::string dataBlock(const std::vector<SummarySeries>& series)
{
    std::string block = "$summary << EOD\n";
    for (const SummarySeries& each : series) {
        for (const std::vector<double>& row : each.rows) {
            for (std::size_t at = 0; at < row.size(); ++at) {
                char number[32];
                std::snprintf(number, sizeof number, "%.9g", row[at]);
                block += (at ? " " : "") + std::string(std::isnan(row[at]) ? "NaN" : number);
            }
            block += "\n";
        }
        block += "\n\n";
    }
    return block + "EOD\n";
}

// Whether any series has a number for the statistic.
bool anyNumber(const std::vector<SummarySeries>& series, std::size_t statistic)
{
    for (const SummarySeries& each : series)
        for (const std::vector<double>& row : each.rows)
            if (!std::isnan(row[1 + 2 * statistic])) return true;
    return false;
}

// gnuplot's eight colours, then again dashed, and so on.
std::string lineStyle(std::size_t at)
{
    return " lc " + std::to_string(at % gnuplotColours + 1) + " dt " + std::to_string(at / gnuplotColours + 1);
}

std::string panel(const std::vector<SummarySeries>& series, std::size_t statistic)
{
    const std::string mean = std::to_string(2 + 2 * statistic), spread = std::to_string(3 + 2 * statistic);
    std::string plot = "plot ";
    for (std::size_t at = 0; at < series.size(); ++at) {
        const std::string block = "$summary index " + std::to_string(at), colour = lineStyle(at);
        plot += (at ? ", " : "") + block + " using 1:($" + mean + "-$" + spread + "):($" + mean + "+$" + spread +
                ") with filledcurves fs transparent solid 0.2 noborder" + colour + " notitle, " + block + " using 1:" + mean +
                " with lines lw 2" + colour + " notitle";
    }
    return plot + "\n";
}

// A panel of its own for the legend: lines that lie outside the panel's range, with their names.
std::string legend(const std::vector<SummarySeries>& series)
{
    std::string plot =
        "set title 'settings'\nunset border\nunset tics\nunset xlabel\nunset grid\n"
        "set key center center\nset xrange [0:1]\nset yrange [0:1]\nplot ";
    for (std::size_t at = 0; at < series.size(); ++at)
        plot += (at ? ", " : "") + std::string("2 with lines lw 2") + lineStyle(at) + " title " + gnuplotQuoted(series[at].name);
    return plot + "\n";
}

}  // namespace

std::string plotSummary(const std::vector<SummarySeries>& series, const std::vector<std::string>& titles,
                        const std::string& pngPath)
{
    std::vector<std::size_t> shown;
    for (std::size_t statistic = 0; statistic < titles.size(); ++statistic)
        if (anyNumber(series, statistic)) shown.push_back(statistic);
    const std::size_t columns = (shown.size() + panelRows) / panelRows;  // and the legend's
    std::string script = "set terminal pngcairo size " + std::to_string(panelWidth * columns) + "," +
                         std::to_string(panelHeight * panelRows) + " font 'sans,10'\n";
    script += "set output " + gnuplotQuoted(pngPath) + "\n" + dataBlock(series);
    script += "set grid\nset xlabel 'step'\n";
    script += "set multiplot layout " + std::to_string(panelRows) + "," + std::to_string(columns) +
              " title 'Quillmoss sweep: mean over seeds, band of one standard deviation'\n";
    for (std::size_t statistic : shown)
        script += "set title " + gnuplotQuoted(titles[statistic]) + "\n" + panel(series, statistic);
    return runGnuplot(script + legend(series) + "unset multiplot\n");
}
