// Command lines read with CLI11: options whose values are checked with plain one-line reasons, and
// one way of reading that turns every problem into one line.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

// Why text is not a whole number (decimal digits only) from smallest to largest; "" when it is,
// with the number in value.
std::string wholeNumberProblem(const std::string& text, long long smallest, long long largest, long long& value);
// Why text is not a finite number from smallest to largest; "" when it is, with the number in value.
std::string numberProblem(const std::string& text, double smallest, double largest, double& value);

// An option taking a whole number from smallest to largest, stored in value when given.
template <typename Whole>
CLI::Option* addWholeOption(CLI::App& app, const std::string& name, Whole& value, long long smallest, long long largest,
                            const std::string& description)
{
    const auto check = [smallest, largest](std::string& text) {
        long long number = 0;
        return wholeNumberProblem(text, smallest, largest, number);
    };
    const auto store = [&value, smallest, largest](const std::string& text) {
        long long number = 0;
        wholeNumberProblem(text, smallest, largest, number);
        value = static_cast<Whole>(number);
    };
    return app.add_option_function<std::string>(name, store, description)->check(CLI::Validator(check, ""))->type_name("N");
}

// An option taking a finite number from smallest to largest, stored in value when given.
CLI::Option* addNumberOption(CLI::App& app, const std::string& name, float& value, double smallest, double largest,
                             const std::string& description);

// An option taking a name that lookup turns into a number (-1 for none); what and names say what
// is asked for in the refusal: unknown topology "torus" (plane, disc or sphere).
CLI::Option* addNamedOption(CLI::App& app, const std::string& name, int& value, int (*lookup)(const std::string&),
                            const std::string& what, const std::string& names, const std::string& description);

// An option taking a file or directory name (kind says which: FILE or DIR), which must not be empty.
CLI::Option* addPathOption(CLI::App& app, const std::string& name, const std::string& kind, std::string& value,
                           const std::string& description);

// Reads argv (argv[0] the program's name) into the options of app. "" when it could, otherwise one
// line saying what is wrong ("--steps needs a value" for a missing one). When --help is given, helpText holds the help of the
// command it was given to, and no other problem counts.
std::string readCommandLine(CLI::App& app, int argc, const char* const* argv, std::string& helpText);
