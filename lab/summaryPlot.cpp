// The summary plot: the series go into the script as one data block, a block per setting, each
// statistic as its mean and its band's two edges.
#include "summaryPlot.h"

#include "gnuplot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int panelRows = 2;  // of the one-topology layout
constexpr int panelWidth = 400, panelHeight = 450, rowHeight = 300;  // pixels
constexpr int dashTypes = 3;  // solid, dashed, dotted
constexpr double bandOpacity = 0.15;

// Colours as dark as a line on white needs, none alike: a contrast of at least 3 to 1 with white.
const char* const colours[] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#b35806", "#00838f", "#8c564b", "#b2168b"};
constexpr std::size_t colourCount = sizeof colours / sizeof colours[0];

std::string number(double value)
{
    if (std::isnan(value)) return "NaN";
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string dataBlock(const std::vector<SummarySeries>& series, const std::vector<SummaryPanel>& panels)
{
    std::string block = "$summary << EOD\n";
    for (const SummarySeries& each : series) {
        for (const std::vector<double>& row : each.rows) {
            block += number(row[0]);
            for (std::size_t statistic = 0; statistic < panels.size(); ++statistic) {
                const double mean = row[1 + 2 * statistic], spread = row[2 + 2 * statistic];
                const SummaryPanel& panel = panels[statistic];
                const bool none = std::isnan(mean + spread);
                block += " " + number(mean) + " " + number(none ? NAN : std::max(panel.lowest, mean - spread)) + " " +
                         number(none ? NAN : std::min(panel.highest, mean + spread));
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

std::string lineStyle(std::size_t at)
{
    const LineStyle style = seriesStyle(at);
    return " lc rgb '" + style.colour + "' dt " + std::to_string(style.dash);
}

// The series' lines and bands for one statistic, of the series of one topology ("" for all).
std::string panel(const std::vector<SummarySeries>& series, std::size_t statistic, const std::string& topology)
{
    const std::string mean = std::to_string(2 + 3 * statistic), low = std::to_string(3 + 3 * statistic),
                      high = std::to_string(4 + 3 * statistic);
    std::string plot;
    for (std::size_t at = 0, line = 0; at < series.size(); ++at) {
        if (!topology.empty() && series[at].topology != topology) continue;
        const std::string block = "$summary index " + std::to_string(at), colour = lineStyle(line++);
        char opacity[16];
        std::snprintf(opacity, sizeof opacity, "%.2f", bandOpacity);
        plot += std::string(plot.empty() ? "plot " : ", ") + block + " using 1:" + low + ":" + high +
                " with filledcurves fs transparent solid " + opacity + " noborder" + colour + " notitle, " + block +
                " using 1:" + mean + " with lines lw 2" + colour + " notitle";
    }
    return plot + "\n";
}

// A panel of its own for the legend: lines that lie outside the panel's range, with their names.
std::string legend(const std::vector<SummarySeries>& series, const std::string& topology)
{
    std::string plot =
        "set title 'settings'\nunset border\nunset tics\nunset xlabel\nunset grid\n"
        "set key center center\nset xrange [0:1]\nset yrange [0:1]\nplot ";
    for (std::size_t at = 0, line = 0; at < series.size(); ++at) {
        if (!topology.empty() && series[at].topology != topology) continue;
        plot +=
            (line ? ", " : "") + std::string("2 with lines lw 2") + lineStyle(line) + " title " + gnuplotQuoted(series[at].name);
        ++line;
    }
    return plot + "\n";
}

std::vector<std::string> topologiesOf(const std::vector<SummarySeries>& series)
{
    std::vector<std::string> topologies;
    for (const SummarySeries& each : series)
        if (std::find(topologies.begin(), topologies.end(), each.topology) == topologies.end())
            topologies.push_back(each.topology);
    return topologies;
}

std::string header(const std::string& pngPath, int width, int height, int rows, int columns)
{
    return "set terminal pngcairo size " + std::to_string(width) + "," + std::to_string(height) + " font 'sans,10'\n" +
           "set output " + gnuplotQuoted(pngPath) + "\nset grid\nset xlabel 'step'\nset multiplot layout " +
           std::to_string(rows) + "," + std::to_string(columns) +
           " title 'Quillmoss sweep: mean over seeds, band of one standard deviation'\n";
}

}  // namespace

LineStyle seriesStyle(std::size_t at)
{
    // The dash turns with each line as the colour does, so that no two of the first 24 lines match.
    return {colours[at % colourCount], static_cast<int>(at % dashTypes) + 1};
}

std::string summaryScript(const std::vector<SummarySeries>& series, const std::vector<SummaryPanel>& panels,
                          const std::string& pngPath)
{
    std::vector<std::size_t> shown;
    for (std::size_t statistic = 0; statistic < panels.size(); ++statistic)
        if (anyNumber(series, statistic)) shown.push_back(statistic);
    const std::vector<std::string> topologies = topologiesOf(series);
    const std::string data = dataBlock(series, panels);
    if (topologies.size() < 2) {
        const int columns = static_cast<int>((shown.size() + panelRows) / panelRows);  // and the legend's
        std::string script = header(pngPath, panelWidth * columns, panelHeight * panelRows, panelRows, columns) + data;
        for (std::size_t statistic : shown)
            script += "set title " + gnuplotQuoted(panels[statistic].title) + "\n" + panel(series, statistic, "");
        return script + legend(series, "") + "unset multiplot\n";
    }
    // A row per statistic, a column per topology, and the legend beside the first row.
    const int rows = static_cast<int>(shown.size()), columns = static_cast<int>(topologies.size()) + 1;
    std::string script = header(pngPath, panelWidth * columns, rowHeight * rows, rows, columns) + data;
    for (std::size_t row = 0; row < shown.size(); ++row) {
        for (const std::string& topology : topologies)
            script += "set title " + gnuplotQuoted(panels[shown[row]].title + ", " + topology) + "\n" +
                      panel(series, shown[row], topology);
        script += row == 0 ? legend(series, topologies[0]) +
                                 "set border\nset tics\nset grid\nset xlabel 'step'\n"
                                 "set key default\nset autoscale\n"
                           : "set multiplot next\n";
    }
    return script + "unset multiplot\n";
}

std::string plotSummary(const std::vector<SummarySeries>& series, const std::vector<SummaryPanel>& panels,
                        const std::string& pngPath)
{
    return runGnuplot(summaryScript(series, panels, pngPath));
}
