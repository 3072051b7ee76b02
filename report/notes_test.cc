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

// The notes after the thirteen go with their rows, numbered on in the
// order cost risk, case around the lawsuit, endings: a payment order alone
// has no cost risk, the endings need the first instance.
TEST(PrintNotes, TheLaterNotesGoWithTheirRowsAndCountOn) {
  struct Case {
    bool share, around, ending, paymentOrderAlone, html;
    const char* costRisk;  // the note's start where it is shown, or none
    const char* aroundNote;
    const char* endings;
  };
  const char* risk14 = "\n14. Die Zeilen zur Kostenverteilung (-O)";
  const char* case15 = "\n15. Um den Prozess (-GK";
  const char* ends = " Wie der Prozess endet (-ruecknahme";
  const std::string ends14 = std::string("\n14.") + ends;
  const std::string ends15 = std::string("\n15.") + ends;
  const std::string ends16 = std::string("\n16.") + ends;
  // clang-format off
  const Case cases[] = {
      {false, false, false, false, false, nullptr, nullptr, nullptr},
      {true, false, false, false, false, risk14, nullptr, nullptr},
      {true, false, false, true, false, nullptr, nullptr, nullptr},
      {true, false, false, false, true, "<li>Die Zeilen zur Kostenverteilung (-O)", nullptr, nullptr},
      {false, false, true, false, false, nullptr, nullptr, ends14.c_str()},
      {true, false, true, false, false, risk14, nullptr, ends15.c_str()},
      {true, true, true, false, false, risk14, case15, ends16.c_str()},
      {false, true, true, false, false, nullptr, "\n14. Um den Prozess (-GK", ends15.c_str()},
      {true, true, true, true, false, nullptr, "\n14. Um den Prozess (-GK", nullptr},
      {false, false, true, false, true, nullptr, nullptr, "<li>Wie der Prozess endet (-ruecknahme"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.share << c.around << c.ending << c.paymentOrderAlone << c.html);
    ReportOptions options = c.html ? testing::htmlMode() : testing::textMode();
    options.reform = Reform::Of2025;
    if (c.share) options.shareWon = ShareWon{60, 100, 0};
    options.aroundTheLawsuit = c.around;
    options.endings[static_cast<std::size_t>(Ending::DefaultJudgment)] = c.ending;
    if (c.paymentOrderAlone) {
      options.showFirstInstance = options.showAppeal = options.showRevision = false;
    }
    const std::string notes = captureReport(options, [] { printNotes(); });
    EXPECT_EQ(occurrences(notes, "Die Zeilen zur Kostenverteilung"), c.costRisk ? 1u : 0u);
    EXPECT_EQ(occurrences(notes, "Um den Prozess (-GK"), c.aroundNote ? 1u : 0u);
    EXPECT_EQ(occurrences(notes, "Wie der Prozess endet"), c.endings ? 1u : 0u);
    for (const char* note : {c.costRisk, c.aroundNote, c.endings}) {
      if (note != nullptr) {
        EXPECT_NE(notes.find(note), std::string::npos) << note;
      }
    }
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
