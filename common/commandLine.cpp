// Reading command lines.
#include "commandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace {

std::string rangeText(long long smallest, long long largest)
{
    return "a whole number from " + std::to_string(smallest) +
           (largest == std::numeric_limits<long long>::max() ? "" : " to " + std::to_string(largest));
}

}  // namespace

std::string wholeNumberProblem(const std::string& text, long long smallest, long long largest, long long& value)
{
    const std::string problem = "needs " + rangeText(smallest, largest) + ", not \"" + text + "\"";
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return problem;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno != 0 || parsed < smallest || parsed > largest) return problem;
    value = parsed;
    return {};
}

std::string numberProblem(const std::string& text, double smallest, double largest, double& value)
{
    errno = 0;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || *end != '\0' || !std::isfinite(parsed) || parsed < smallest || parsed > largest) {
        std::ostringstream range;
        range << "needs a number from " << smallest << " to " << largest << ", not \"" << text << "\"";
        return range.str();
    }
    value = parsed;
    return {};
}

CLI::Option* addNumberOption(CLI::App& app, const std::string& name, float& value, double smallest, double largest,
                             const std::string& description)
{
    const auto check = [smallest, largest](std::string& text) {
        double number = 0.0;
        return numberProblem(text, smallest, largest, number);
    };
    const auto store = [&value, smallest, largest](const std::string& text) {
        double number = 0.0;
        numberProblem(text, smallest, largest, number);
        value = static_cast<float>(number);
    };
    return app.add_option_function<std::string>(name, store, description)->check(CLI::Validator(check, ""))->type_name("X");
}

CLI::Option* addNamedOption(CLI::App& app, const std::string& name, int& value, int (*lookup)(const std::string&),
                            const std::string& what, const std::string& names, const std::string& description)
{
    const auto check = [lookup, what, names](std::string& text) {
        return lookup(text) < 0 ? "unknown " + what + " \"" + text + "\" (" + names + ")" : std::string();
    };
    const auto store = [&value, lookup](const std::string& text) { value = lookup(text); };
    return app.add_option_function<std::string>(name, store, description)->check(CLI::Validator(check, ""))->type_name("NAME");
}

CLI::Option* addPathOption(CLI::App& app, const std::string& name, const std::string& kind, std::string& value,
                           const std::string& description)
{
    const auto check = [](std::string& text) { return text.empty() ? std::string("needs a name, not \"\"") : std::string(); };
    return app.add_option(name, value, description)->check(CLI::Validator(check, ""))->type_name(kind);
}

std::string readCommandLine(CLI::App& app, int argc, const char* const* argv, std::string& helpText)
{
    helpText.clear();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        helpText = app.help();
    } catch (const CLI::ArgumentMismatch& problem) {
        // CLI11 words a missing value as "--steps: 1 required N missing".
        const std::string text = problem.what();
        const std::size_t colon = text.find(':');
        const bool missing = colon != std::string::npos && text.size() > 8 && text.compare(text.size() - 8, 8, " missing") == 0;
        if (missing) return text.substr(0, colon) + " needs a value";
        // and an option given twice, where only once is allowed, as "--seed: At Most 1 required but received 2".
        const std::size_t twice = text.find(": At Most 1 required but received ");
        return twice == std::string::npos ? text : text.substr(0, twice) + " is given more than once";
    } catch (const CLI::ParseError& problem) {
        return problem.what();
    }
    return {};
}
