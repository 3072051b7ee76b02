#include "report/notes.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/capture.h"
#include "tests/run_binary.h"

namespace zeb {
namespace {

using testing::captureReport;

std::size_t occurrences(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(PrintNotes, TextInCodePage850) {
  const std::string notes = captureReport(testing::textMode(), [] { printNotes(); });
  EXPECT_EQ(notes, testing::readGolden("notes.txt"));
  EXPECT_TRUE(notes.starts_with("\nAnmerkungen:\n 1. "));
  EXPECT_NE(notes.find(" 4. Anstelle der Auslagenpauschale (20 % der Geb\201hren, h\224chstens 20 "
                       "Euro) kann der Anwalt auch die tats\204chlichen Auslagen verlangen.\n"),
            std::string::npos);
  EXPECT_EQ(occurrences(notes, "Euro"), 5u);
  // Single bytes of code page 850, never UTF-8 sequences.
  EXPECT_EQ(notes.find('\xC3'), std::string::npos);
  for (const char* letter : {"\204", "\224", "\201", "\232", "\341"}) {
    EXPECT_NE(notes.find(letter), std::string::npos) << static_cast<int>(letter[0] & 0xFF);
  }
}

TEST(PrintNotes, TextIgnoresTheEuroSign) {
  ReportOptions euro = testing::textMode();
  euro.euroSign = true;
  EXPECT_EQ(captureReport(euro, [] { printNotes(); }), testing::readGolden("notes.txt"));
}

// The note on the cost risk follows the thirteen where its rows are shown:
// a payment order alone has none.
TEST(PrintNotes, TheCostRisksNoteGoesWithItsRows) {
  struct Case {
    bool share, paymentOrderAlone, html, shown;
  };
  for (const Case& c : {Case{false, false, false, false}, Case{true, false, false, true},
                        Case{true, true, false, false}, Case{true, false, true, true}}) {
    ReportOptions options = c.html ? testing::htmlMode() : testing::textMode();
    options.reform = Reform::Of2025;
    if (c.share) options.shareWon = ShareWon{60, 100, 0};
    if (c.paymentOrderAlone) {
      options.showFirstInstance = options.showAppeal = options.showRevision = false;
    }
    const std::string notes = captureReport(options, [] { printNotes(); });
    const char* note = c.html ? "<li>Die Zeilen zur Kostenverteilung (-O)"
                              : "\n14. Die Zeilen zur Kostenverteilung (-O)";
    EXPECT_EQ(notes.find(note) != std::string::npos, c.shown) << c.share << c.paymentOrderAlone;
  }
}

TEST(PrintNotes, HtmlWithTheCurrencyInFivePlaces) {
  const std::string notes = captureReport(testing::htmlMode(), [] { printNotes(); });
  EXPECT_EQ(notes, testing::readGolden("notes.html"));
  EXPECT_TRUE(notes.starts_with("\n<br>\n<div class=\"anmerkung\">\n"));
  EXPECT_TRUE(notes.ends_with("</ol>\n</div>\n\n"));
  EXPECT_EQ(occurrences(notes, "Euro"), 5u);

  ReportOptions euro = testing::htmlMode();
  euro.euroSign = true;
  const std::string withSign = captureReport(euro, [] { printNotes(); });
  EXPECT_EQ(occurrences(withSign, "&#8364;"), 5u);
  EXPECT_EQ(occurrences(withSign, "Euro"), 0u);
  EXPECT_NE(withSign.find("betr&auml;gt 32,00 &#8364; (bis 31.07.2013 23,00 &#8364;)"),
            std::string::npos);
  for (char c : withSign) ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << "plain ASCII";
}

}  // namespace
}  // namespace zeb
