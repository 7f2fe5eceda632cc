#include "cli/clivalidators.h"

#include <cctype>
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

} // namespace plenara
