#include "cli/clivalidators.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace plenara {

namespace {

bool looksLikeOption(const std::string& text) {
    if (text.rfind("--", 0) == 0) {
        return true;
    }
    return text.size() == 2 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
}

// A validator that refuses an empty value or an option name, saying what `needs` wanted.
CLI::Validator valueNeeding(const std::string& needs, const std::string& name) {
    return CLI::Validator(
        [needs](const std::string& value) {
            if (value.empty()) {
                return "needs " + needs + ", not an empty text";
            }
            return looksLikeOption(value) ? "needs " + needs + ", not the option '" + value + "'"
                                          : std::string();
        },
        name);
}

} // namespace

const CLI::Validator kPath = valueNeeding("a file name", "PATH");

const CLI::Validator kText = valueNeeding("a value", "TEXT");

CLI::Validator wholeNumber(int low, int high) {
    return CLI::Validator(
        [low, high](const std::string& value) {
            const bool digits =
                !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c)) != 0;
                });
            long long number = -1;
            if (digits) {
                std::from_chars(value.data(), value.data() + value.size(), number);
            }
            if (number < low || number > high) {
                return "takes a whole number from " + std::to_string(low) + " to " +
                       std::to_string(high) + ", not '" + value + "'";
            }
            return std::string();
        },
        "INT");
}

} // namespace plenara
