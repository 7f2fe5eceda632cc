#include "output/pageframe.h"

#include <gtest/gtest.h>

namespace plenara {
namespace {

TEST(PageFooterTest, PageTextCentredInNinetyFourColumnsThenTheDate) {
    // "1 of 1" is six characters; a ten-character date and two blanks make twelve.
    EXPECT_EQ(pageFooter(1, 1, "12/06/2026"),
              std::string(44, ' ') + "1 of 1" + std::string(38, ' ') + "12/06/2026  ");
    // "1 of 7": the same widths.
    EXPECT_EQ(pageFooter(1, 7, "12/06/2026"),
              std::string(44, ' ') + "1 of 7" + std::string(38, ' ') + "12/06/2026  ");
    // "10 of 12" is eight characters: 43 blanks before; (82 - 43) = 39 blanks between.
    EXPECT_EQ(pageFooter(10, 12, "12/06/2026"),
              std::string(43, ' ') + "10 of 12" + std::string(39, ' ') + "12/06/2026  ");
    // "2 of 10" is seven: int(87 / 2) = 43 before; 82 - 43.5 = 38.5 rounds to the even 38.
    EXPECT_EQ(pageFooter(2, 10, "12/06/2026"),
              std::string(43, ' ') + "2 of 10" + std::string(38, ' ') + "12/06/2026  ");
}

} // namespace
} // namespace plenara
