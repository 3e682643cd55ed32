// The summary plot: the series go into the script as one data block, a block per setting.
#include "summaryPlot.h"

#include "gnuplot.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int panelRows = 2;
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

std::string panel(const std::vector<SummarySeries>& series, std::size_t statistic)
{
    const std::string mean = std::to_string(2 + 2 * statistic), spread = std::to_string(3 + 2 * statistic);
    std::string plot = "plot ";
    for (std::size_t at = 0; at < series.size(); ++at) {
        const std::string block = "$summary index " + std::to_string(at), colour = " lc " + std::to_string(at + 1);
        plot += (at ? ", " : "") + block + " using 1:($" + mean + "-$" + spread + "):($" + mean + "+$" + spread +
                ") with filledcurves fs transparent solid 0.2 noborder" + colour + " notitle, " + block + " using 1:" + mean +
                " with lines lw 2" + colour + " title " + gnuplotQuoted(series[at].name);
    }
    return plot + "\n";
}

}  // namespace

std::string plotSummary(const std::vector<SummarySeries>& series, const std::vector<std::string>& titles,
                        const std::string& pngPath)
{
    std::vector<std::size_t> shown;
    for (std::size_t statistic = 0; statistic < titles.size(); ++statistic)
        if (anyNumber(series, statistic)) shown.push_back(statistic);
    const std::size_t columns = (shown.size() + panelRows - 1) / panelRows;
    std::string script = "set terminal pngcairo size " + std::to_string(panelWidth * columns) + "," +
                         std::to_string(panelHeight * panelRows) + " font 'sans,10'\n";
    script += "set output " + gnuplotQuoted(pngPath) + "\n" + dataBlock(series);
    script += "set grid\nset xlabel 'step'\nset key top left\n";
    script += "set multiplot layout " + std::to_string(panelRows) + "," + std::to_string(columns) +
              " title 'Quillmoss sweep: mean over seeds, band of one standard deviation'\n";
    for (std::size_t at = 0; at < shown.size(); ++at) {
        script += "set title " + gnuplotQuoted(titles[shown[at]]) + "\n" + panel(series, shown[at]);
        if (at == 0) script += "unset key\n";
    }
    return runGnuplot(script + "unset multiplot\n");
}
