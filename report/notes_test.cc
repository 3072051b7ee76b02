#include "report/notes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/run_binary.h"

namespace zeb {
namespace {

// The notes that `options` ask for, in the rendering they choose or in
// `mode`.
std::string notesOf(const ReportOptions& options, std::optional<OutputMode> mode = {}) {
  Buffer notes;
  writeNotes(notes, options, mode.value_or(options.outputMode));
  return notes.str();
}

ReportOptions htmlMode() {
  ReportOptions options;
  options.outputMode = OutputMode::Html;
  return options;
}

std::size_t occurrences(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

TEST(WriteNotes, TextInCodePage850) {
  const std::string notes = notesOf({});
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

TEST(WriteNotes, TextIgnoresTheEuroSign) {
  ReportOptions euro;
  euro.euroSign = true;
  EXPECT_EQ(notesOf(euro), testing::readGolden("notes.txt"));
}

// The notes after the thirteen go with their rows, numbered on in the
// order cost risk, case around the lawsuit, endings: a payment order alone
// has no cost risk, the endings need the first instance.
TEST(WriteNotes, TheLaterNotesGoWithTheirRowsAndCountOn) {
  struct Case {
    bool share, around, ending, paymentOrderAlone;
    const char* notes;  // each later note's number and first word
  };
  for (const Case& c :
       {Case{false, false, false, false, ""}, Case{true, false, false, false, "14 Die "},
        Case{true, false, false, true, ""}, Case{false, false, true, false, "14 Wie "},
        Case{true, false, true, false, "14 Die 15 Wie "},
        Case{true, true, true, false, "14 Die 15 Um 16 Wie "},
        Case{true, true, true, true, "14 Um "}}) {
    ReportOptions options;
    options.reform = Reform::Of2025;
    if (c.share) options.shareWon = ShareWon{60, 100, 0};
    options.aroundTheLawsuit = c.around;
    options.endings[static_cast<std::size_t>(Ending::DefaultJudgment)] = c.ending;
    if (c.paymentOrderAlone) {
      options.showFirstInstance = options.showAppeal = options.showRevision = false;
    }
    const std::string notes = notesOf(options);
    std::string later;
    for (std::size_t at = notes.find("\n1", 0); at != std::string::npos;
         at = notes.find("\n1", at + 1)) {
      if (notes.compare(at + 1, 2, "13") > 0 && notes[at + 3] == '.') {
        later +=
            notes.substr(at + 1, 2) + " " + notes.substr(at + 5, notes.find(' ', at + 5) - at - 4);
      }
    }
    EXPECT_EQ(later, c.notes) << c.share << c.around << c.ending << c.paymentOrderAlone;
  }
  ReportOptions html = htmlMode();
  html.reform = Reform::Of2025;
  html.endings[0] = true;
  EXPECT_NE(notesOf(html).find("<li>Wie der Prozess endet (-ruecknahme"), std::string::npos);
}

// Each court has its own notes, numbered from 1 without a gap, with every
// note a run may ask for: the labour courts' payment order names its
// minimum of both editions (KV GKG Nr. 8100: 29,00 and 31,00 euros), and
// the row's mark finds it in the HTML document.
TEST(WriteNotes, EachCourtItsOwnNotesNumberedWithoutAGap) {
  struct Case {
    Court court;
    std::size_t count;
    const char* present;
    const char* absent;
  };
  for (const Case& c : {Case{Court::Civil, 17, "Finanzgerichtsbarkeit", "Nr. 8100"},
                        Case{Court::Labour, 12, "mindestens 31,00 Euro (bis 31.05.2025 29,00 Euro)",
                             "Finanzgerichtsbarkeit"}}) {
    ReportOptions options;
    options.reform = Reform::Of2025;
    options.court = c.court;
    options.shareWon = ShareWon{60, 100, 0};
    options.aroundTheLawsuit = true;
    options.endings[0] = true;
    options.appellant = 0;
    const std::string notes = notesOf(options);
    std::size_t number = 0;
    for (std::size_t at = notes.find('\n'); at != std::string::npos;
         at = notes.find('\n', at + 1)) {
      const std::string mark = (number + 1 < 10 ? " " : "") + std::to_string(number + 1) + ". ";
      if (notes.compare(at + 1, mark.size(), mark) == 0) ++number;
    }
    EXPECT_EQ(number, c.count);
    EXPECT_EQ(occurrences(notes, " " + std::to_string(c.count + 1) + ". "), 0u);
    EXPECT_NE(notes.find(c.present), std::string::npos);
    EXPECT_EQ(notes.find(c.absent), std::string::npos);
    options.outputMode = OutputMode::Html;
    EXPECT_EQ(occurrences(notesOf(options), "<a name=\"Mindest\">"), 1u);
  }
}

// A reform's notes state today's law: who must have a lawyer (§ 78 ZPO,
// § 67 VwGO) and how a payment order is applied for (§§ 702, 703c ZPO);
// the report of 2013 keeps its notes.
TEST(WriteNotes, TodaysLawInTheReformsNotes) {
  struct Case {
    Reform reform;
    OutputMode mode;
    std::vector<const char*> present, absent;
  };
  const Case cases[] = {
      {Reform::Of2025,
       OutputMode::Text,
       {"(\365 78 Abs. 1 ZPO)", "(\365 67 Abs. 4 VwGO)", "\365 703c ZPO"},
       {"Lehrer des Rechts", "Schreibwarenhandel"}},
      {Reform::Of2021,
       OutputMode::Html,
       {"(&sect;&nbsp;79 Abs.&nbsp;1 ZPO)", "(&sect;&nbsp;702 Abs.&nbsp;2 Satz&nbsp;2 ZPO)"},
       {"Lehrer des Rechts", "Schreibwarenhandel"}},
      {Reform::Of2013, OutputMode::Text, {"Lehrer des Rechts", "Schreibwarenhandel"}, {"703c"}},
  };
  for (const Case& c : cases) {
    ReportOptions options;
    options.reform = c.reform;
    const std::string notes = notesOf(options, c.mode);
    for (const char* text : c.present) EXPECT_NE(notes.find(text), std::string::npos) << text;
    for (const char* text : c.absent) EXPECT_EQ(notes.find(text), std::string::npos) << text;
  }
}

TEST(WriteNotes, HtmlWithTheCurrencyInFivePlaces) {
  const std::string notes = notesOf(htmlMode());
  EXPECT_EQ(notes, testing::readGolden("notes.html"));
  EXPECT_TRUE(notes.starts_with("\n<br>\n<div class=\"anmerkung\">\n"));
  EXPECT_TRUE(notes.ends_with("</ol>\n</div>\n\n"));
  EXPECT_EQ(occurrences(notes, "Euro"), 5u);

  ReportOptions euro = htmlMode();
  euro.euroSign = true;
  const std::string withSign = notesOf(euro);
  EXPECT_EQ(occurrences(withSign, "&#8364;"), 5u);
  EXPECT_EQ(occurrences(withSign, "Euro"), 0u);
  EXPECT_NE(withSign.find("betr&auml;gt 32,00 &#8364; (bis 31.07.2013 23,00 &#8364;)"),
            std::string::npos);
  for (char c : withSign) ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << "plain ASCII";
}

}  // namespace
}  // namespace zeb
