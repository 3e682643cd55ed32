// Drawing with gnuplot: a script of our own, run without a shell between.
#pragma once

#include <string>

// A gnuplot single-quoted string: a quote inside is written twice.
std::string gnuplotQuoted(const std::string& text);

// Runs gnuplot on the script, its output and errors on our standard error. Returns "" when it
// drew, otherwise what went wrong (gnuplot missing or failing).
std::string runGnuplot(const std::string& script);
