// Running gnuplot on a script file of our own.
#include "gnuplot.h"

#include "childProgram.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

std::string gnuplotQuoted(const std::string& text)
{
    std::string result = "'";
    for (char character : text) result += character == '\'' ? std::string("''") : std::string(1, character);
    return result + "'";
}

std::string runGnuplot(const std::string& script)
{
    char scriptPath[] = "/tmp/quillmossPlotXXXXXX";
    const int descriptor = mkstemp(scriptPath);
    if (descriptor < 0) return std::string("cannot write the plot script: ") + std::strerror(errno);
    const bool written = write(descriptor, script.data(), script.size()) == static_cast<ssize_t>(script.size());
    close(descriptor);
    std::string problem = written ? "" : "cannot write the plot script";
    // Its warnings (a flat line's "empty y range") are kept back unless it fails.
    const std::string logPath = scriptPath + std::string(".log");
    ChildProgram gnuplot = written ? startProgram({"gnuplot", scriptPath}, logPath) : ChildProgram{};
    if (problem.empty() && !gnuplot.problem.empty()) problem = gnuplot.problem + " (install gnuplot-nox)";
    if (problem.empty()) {
        const int status = waitForProgram(gnuplot.pid);
        if (status == programNotFoundStatus) problem = "cannot run gnuplot: not installed (install gnuplot-nox)";
        else if (status != 0) problem = "gnuplot failed to draw the plot: " + lastLineOf(logPath);
    }
    unlink(logPath.c_str());
    unlink(scriptPath);
    return problem;
}
