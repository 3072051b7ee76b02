#include "report/figures_json.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// Without a report there is no amount and no column; a string is escaped
// as JSON wants it, its UTF-8 left as it is.
TEST(FiguresJson, NoReportAndEscapedStrings) {
  Figures usage;
  usage.status = 1;
  usage.remarks = {"\"Geb\303\274hr\" \\ \t"};
  EXPECT_EQ(figuresJson(usage),
            R"({"status":1,"amount":null,"columns":null,"remarks":["\"Gebühr\" \\ \u0009"],)"
            R"("headings":[],"rows":[]})"
            "\n");
}

}  // namespace
}  // namespace zeb
