// Reading a run's table: anything short of a whole table is damage, however it came about (a run
// cut off, a disk that filled, a file cut short by hand).
#include "runTable.h"

#include "worldStatistics.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    for (std::string part; std::getline(stream, part, ',');) parts.push_back(part);
    if (!line.empty() && line.back() == ',') parts.emplace_back();
    return parts;
}

// One row's statistics; "" when each is a number (the last may be empty), otherwise what is wrong.
std::string readValues(const std::vector<std::string>& parts, std::vector<double>& values)
{
    for (std::size_t at = 1; at < parts.size(); ++at) {
        char* end = nullptr;
        const double value = parts[at].empty() ? NAN : std::strtod(parts[at].c_str(), &end);
        if (!parts[at].empty() && (*end != '\0' || !std::isfinite(value))) return " holds \"" + parts[at] + "\", not a number";
        if (parts[at].empty() && at + 1 != parts.size()) return " has an empty column";
        values.push_back(value);
    }
    return {};
}

}  // namespace

std::vector<long long> recordedSteps(long long first, long long last, long long every)
{
    std::vector<long long> steps;
    for (long long step = first; step < last; step += every - step % every) steps.push_back(step);
    steps.push_back(last);
    return steps;
}

std::vector<std::string> statisticNames()
{
    std::string header = statisticsHeader();
    header.pop_back();
    std::vector<std::string> names = fields(header);
    names.erase(names.begin());
    return names;
}

std::string readRunTable(const std::string& path, const std::vector<long long>& steps, RunTable& table)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return "no stats.csv";
    std::istringstream text(std::string(std::istreambuf_iterator<char>(file), {}));
    std::string line;
    if (!std::getline(text, line) || line + "\n" != statisticsHeader()) return "stats.csv line 1 is not the header";
    const std::size_t columns = statisticNames().size() + 1;
    for (std::size_t row = 0; std::getline(text, line); ++row) {
        const std::string where = "stats.csv line " + std::to_string(row + 2);
        if (text.eof()) return where + " is cut short";
        const std::vector<std::string> parts = fields(line);
        if (row >= steps.size()) return where + " is one more than the steps recorded";
        if (parts.size() != columns || parts[0] != std::to_string(steps[row]))
            return where + " is not the row of step " + std::to_string(steps[row]);
        std::vector<double> values;
        const std::string problem = readValues(parts, values);
        if (!problem.empty()) return where + problem;
        table.rows.push_back(line);
        table.values.push_back(values);
    }
    if (table.rows.size() != steps.size())
        return "stats.csv ends after " + std::to_string(table.rows.size()) + " of " + std::to_string(steps.size()) + " rows";
    return {};
}
