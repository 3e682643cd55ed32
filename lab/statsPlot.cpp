// The run's four panels of statistics, drawn by gnuplot.
#include "statsPlot.h"

#include "gnuplot.h"

namespace {

std::string plotScript(const std::string& csvPath, const std::string& pngPath, bool lineages)
{
    const std::string data = gnuplotQuoted(csvPath);
    // One line of gnuplot a line.
    // clang-format off
    std::string script =
        "set terminal pngcairo size 1200,900 font 'sans,10'\n"
        "set output " + gnuplotQuoted(pngPath) + "\n"
        "set datafile separator ','\n"
        "set key autotitle columnhead top left\n"
        "set grid\n"
        "set xlabel 'step'\n"
        "set multiplot layout 2,2 title 'Quillmoss Lab run'\n"
        "set title 'Life'\n"
        "plot " + data + " using 1:2 with lines lw 2 title 'living cells', '' using 1:6 with lines lw 2 title 'groups', "
        "'' using 1:7 with lines lw 2 title 'cultures'";
    if (lineages) script += ", '' using 1:9 with lines lw 2 title 'lineages'";
    script +=
        "\n"
        "set title 'Population'\n"
        "plot " + data + " using 1:3 with lines lw 2 title 'total population'\n"
        "set title 'Technology'\n"
        "plot " + data + " using 1:($4-$5):($4+$5) with filledcurves fs transparent solid 0.25 title 'mean +/- spread', "
        "'' using 1:4 with lines lw 2 title 'mean'\n"
        "set title 'Fitness'\n"
        "set yrange [0:1]\n"
        "plot " + data + " using 1:8 with lines lw 2 title 'mean fitness'\n"
        "unset multiplot\n";
    // clang-format on
    return script;
}

}  // namespace

std::string plotStatistics(const std::string& csvPath, const std::string& pngPath, bool lineages)
{
    return runGnuplot(plotScript(csvPath, pngPath, lineages));
}
