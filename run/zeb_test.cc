#include "run/zeb.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fees/precision_scope.h"
#include "report/code_page.h"

namespace zeb {
namespace {

// What runZeb writes to standard output for `words` (after the invocation
// name).
std::string reportOf(std::vector<const char*> words) {
  words.insert(words.begin(), "zeb");
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);
  runZeb(static_cast<int>(words.size()), words.data(), stream, stream);
  std::fclose(stream);
  std::string bytes(buffer, size);
  std::free(buffer);
  return bytes;
}

Figures figuresOf(std::vector<const char*> words) {
  words.insert(words.begin(), "zeb");
  return runZebFigures(static_cast<int>(words.size()), words.data());
}

#ifdef ZEB_HARDWARE_EXTENDED

// A process on Windows, or one started with MinGW's CRT_fp8.o, begins with
// the x87 at 53-bit precision; the report must not notice, and the caller
// gets its setting back.
TEST(RunZeb, CentsDoNotDependOnTheInheritedPrecision) {
  setX87ControlWord(kX87Extended);
  const std::string expected = reportOf({"736559630", "-V"});
  // At 53 bits the revision's process costs (judgement) would show
  // 26959968.00.
  EXPECT_NE(expected.find(" 26959966.00 Euro"), std::string::npos);
  setX87ControlWord(kX87Double);
  EXPECT_EQ(reportOf({"736559630", "-V"}), expected);
  EXPECT_EQ(x87ControlWord(), kX87Double);
  setX87ControlWord(kX87Extended);
}

#endif

// The table of a text report, an item a line: "H label" for a heading,
// "R label|old|percent|new|percent|direction|change" for a row, "L text"
// for a line that is neither (the cap of a reform's value).
std::vector<std::string> itemsOfText(const std::string& report) {
  std::vector<std::string> items;
  std::istringstream lines(report.substr(0, report.find("\nAnmerkungen:")));
  std::string line;
  while (std::getline(lines, line) && !line.starts_with("Position")) continue;
  while (std::getline(lines, line)) {
    // The label ends at its colon; a heading is framed by rules.
    const std::size_t colon = line.rfind(':', line.find(" Euro"));
    if (colon == std::string::npos) {
      items.push_back("L " + utf8FromCodePage850(line));
      continue;
    }
    if (line.find(" Euro") == std::string::npos) {
      const std::size_t from = line.find(' ') + 1;
      items.push_back("H " + utf8FromCodePage850(line.substr(from, colon - from)));
      continue;
    }
    std::string item = "R " + utf8FromCodePage850(line.substr(0, colon));
    std::istringstream words(line.substr(colon + 1));
    for (std::string word; words >> word;) {
      if (word.starts_with('=')) word.erase(0, 1);  // "=%4i" of a wide number
      if (!word.empty() && word.find_first_not_of("0123456789.+-") == std::string::npos) {
        item += "|" + word;
      }
    }
    items.push_back(item);
  }
  return items;
}

// The same list made of the figures, each value formatted as printf does.
std::vector<std::string> itemsOfFigures(const Figures& figures) {
  std::vector<std::string> items;
  auto heading = figures.headings.begin();
  for (std::size_t i = 0; i < figures.rows.size(); ++i) {
    for (; heading != figures.headings.end() && heading->firstRow == i; ++heading) {
      items.push_back("H " + heading->label);
    }
    const FigureRow& row = figures.rows[i];
    std::string item = "R " + row.label + "|" + figureText(row.oldValue, 2);
    if (const auto& c = row.comparison) {
      item += "|" + std::to_string(c->oldPercent) + "|" + figureText(row.newValue, 2) + "|" +
              std::to_string(c->newPercent) + "|" + c->direction + "|" + figureText(c->change, 1);
    }
    items.push_back(item);
    if (i == 0) {
      for (const std::string& remark : figures.remarks) items.push_back("L " + remark);
    }
  }
  return items;
}

// The figures are the text report's, row for row and heading for heading,
// for every switch set that changes the rows; -h, -E and -A change nothing.
TEST(RunZebFigures, EqualTheNumbersOfTheTextReport) {
  std::vector<std::string> amounts = {"0",          "-1",        "-1000",      "16777215",
                                      "16777216",   "16777217",  "2147483647", "2147483648",
                                      "4294967295", "4294967296"};
  for (int bound : {300, 500, 1500, 2000, 5000, 10000, 25000, 50000, 200000, 500000}) {
    amounts.insert(amounts.end(), {std::to_string(bound), std::to_string(bound + 1)});
  }
  for (int bit = 0; bit < 31; ++bit) amounts.push_back(std::to_string(1LL << bit));
  std::mt19937 random(20200613);
  for (int i = 0; i < 60; ++i) {
    amounts.push_back(std::to_string(static_cast<std::int32_t>(random() % 3'000'000) - 500'000));
    amounts.push_back(std::to_string(static_cast<std::int32_t>(random())));
  }
  const std::vector<std::vector<const char*>> switchSets = {
      {},           {"-k"},       {"-b"},         {"-r"},       {"-m"},
      {"-V"},       {"-k", "-V"}, {"-b", "-V"},   {"-r", "-V"}, {"-m", "-V"},
      {"-k", "-b"}, {"-2025"},    {"-2021", "-V"}};
  for (const std::string& amount : amounts) {
    for (const std::vector<const char*>& switches : switchSets) {
      std::vector<const char*> words = {amount.c_str()};
      words.insert(words.end(), switches.begin(), switches.end());
      SCOPED_TRACE(amount + " " + (switches.empty() ? "" : switches[0]) + " " +
                   (switches.size() > 1 ? switches[1] : ""));
      const std::vector<std::string> expected = itemsOfText(reportOf(words));
      ASSERT_EQ(itemsOfFigures(figuresOf(words)), expected);
      words.insert(words.end(), {"-h", "-E", "-A"});
      ASSERT_EQ(itemsOfFigures(figuresOf(words)), expected);
    }
  }
}

TEST(RunZebFigures, TheAmountAfterItsReductionAndTheUsageCase) {
  EXPECT_EQ(figuresOf({"2147483648", "-k"}).amount, -2147483648LL);
  EXPECT_EQ(figuresOf({"5000", "-k"}).status, 0);
  const Figures usage = figuresOf({});
  EXPECT_EQ(usage.status, 1);
  EXPECT_TRUE(usage.rows.empty());
  EXPECT_TRUE(usage.headings.empty());
}

}  // namespace
}  // namespace zeb
