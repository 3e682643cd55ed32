// The run's time series as a picture, drawn by gnuplot.
#pragma once

#include <string>

// Plots the columns of the CSV into a PNG with gnuplot (four panels: life, population,
// technology, fitness). Returns "" on success, otherwise what went wrong (gnuplot missing or
// failing). lineages says whether the lineages column holds numbers.
std::string plotStatistics(const std::string& csvPath, const std::string& pngPath, bool lineages);
