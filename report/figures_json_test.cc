#include "report/figures_json.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

// Without a report there is no amount and no column; a string is escaped
// as JSON wants it, its letters in UTF-8.
TEST(FiguresJson, NoReportAndEscapedStrings) {
  Figures usage;
  usage.status = 1;
  addHeading(usage, 1, {"\"Geb\201hr\" \\ \t", ""}, "x");
  EXPECT_EQ(figuresJson(usage).str(),
            R"({"status":1,"amount":null,"columns":null,"remarks":[],)"
            R"("headings":[{"key":"x","level":1,"label":"\"Gebühr\" \\ \u0009","row":0}],)"
            R"("rows":[]})"
            "\n");
}

}  // namespace
}  // namespace zeb
