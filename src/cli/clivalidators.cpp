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

} // namespace

const CLI::Validator kPath(
    [](const std::string& path) {
        if (path.empty()) {
            return std::string("needs a file name, not an empty text");
        }
        return looksLikeOption(path) ? "needs a file name, not the option '" + path + "'"
                                     : std::string();
    },
    "PATH");

const CLI::Validator kText(
    [](const std::string& text) {
        if (text.empty()) {
            return std::string("needs a value, not an empty text");
        }
        return looksLikeOption(text) ? "needs a value, not the option '" + text + "'"
                                     : std::string();
    },
    "TEXT");

} // namespace plenara
