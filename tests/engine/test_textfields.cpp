#include "engine/textfields.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(TextFieldsTest, SplitsAtEverySeparator) {
    EXPECT_EQ(splitFields("a^^b^", '^'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(splitFields("", '^'), std::vector<std::string>{""});
}

// Windows-1252 bytes of the files and their UTF-8 form, both ways.
TEST(TextFieldsTest, ConvertsWindows1252AndUtf8) {
    const struct {
        const char* windows1252;
        const char* utf8;
    } cases[] = {
        {"Plain", "Plain"},
        {"Caf\xE9", "Caf\xC3\xA9"},   // é
        {"\x80 5", "\xE2\x82\xAC 5"}, // the euro sign of byte 0x80
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\xFF", "\xC3\xBF"}, // ÿ
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windows1252ToUtf8(c.windows1252), c.utf8) << c.windows1252;
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.windows1252) << c.utf8;
        EXPECT_TRUE(isValidUtf8(c.utf8));
    }
    // A character beyond Windows-1252 becomes "?"; a text that is no UTF-8 stays as it is.
    EXPECT_EQ(utf8ToWindows1252("\xE2\x88\x9E"), "?");
    EXPECT_EQ(utf8ToWindows1252("Caf\xE9"), "Caf\xE9");
    for (const char* invalid : {"\xE9", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF8\x88\x80\x80"}) {
        EXPECT_FALSE(isValidUtf8(invalid)) << invalid;
    }
    // Every byte converts to valid UTF-8.
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_TRUE(isValidUtf8(windows1252ToUtf8(all)));
}

} // namespace
} // namespace plenara
