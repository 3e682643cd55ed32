// Running gnuplot on a script of our own, without a shell between, so no path is ever parsed
// by one.
#include "statsPlot.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A gnuplot single-quoted string: a quote inside is written twice.
std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char character : text) result += character == '\'' ? std::string("''") : std::string(1, character);
    return result + "'";
}

std::string plotScript(const std::string& csvPath, const std::string& pngPath, bool lineages)
{
    const std::string data = quoted(csvPath);
    // One line of gnuplot a line.
    // clang-format off
    std::string script =
        "set terminal pngcairo size 1200,900 font 'sans,10'\n"
        "set output " + quoted(pngPath) + "\n"
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

// Runs gnuplot on the script file with its output and errors on our standard error.
std::string runGnuplot(const std::string& scriptPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    char program[] = "gnuplot";
    std::string script = scriptPath;
    char* arguments[] = {program, script.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return std::string("cannot run gnuplot: ") + std::strerror(spawned) + " (install gnuplot-nox)";
    int status = 0;
    if (waitpid(child, &status, 0) != child) return "gnuplot vanished";
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return "cannot run gnuplot: not installed (install gnuplot-nox)";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "gnuplot failed to draw the plot";
    return {};
}

}  // namespace

std::string plotStatistics(const std::string& csvPath, const std::string& pngPath, bool lineages)
{
    char scriptPath[] = "/tmp/quillmossPlotXXXXXX";
    const int descriptor = mkstemp(scriptPath);
    if (descriptor < 0) return std::string("cannot write the plot script: ") + std::strerror(errno);
    const std::string script = plotScript(csvPath, pngPath, lineages);
    const bool written = write(descriptor, script.data(), script.size()) == static_cast<ssize_t>(script.size());
    close(descriptor);
    const std::string problem = written ? runGnuplot(scriptPath) : "cannot write the plot script";
    unlink(scriptPath);
    return problem;
}
