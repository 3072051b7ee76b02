#include "run/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace zeb {
namespace {

TEST(ParseAmount, ReadsLikeAtoi64AndKeepsTheLow32Bits) {
  struct Case {
    const char* text;
    std::int64_t amount;
  };
  const Case cases[] = {
      {"5000", 5000},
      {"12abc", 12},
      {"+7", 7},
      {"-5", -5},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"+", 0},
      {"+-5", 0},
      {"--5", 0},
      {" \t\n\v\f\r42", 42},
      {"  -1000 ", -1000},
      {"4 2", 4},
      {"1e6", 1},
      {"1.000", 1},
      {"0x10", 0},
      {"\xA0"
       "5",
       0},  // no-break space is no white space here
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},
      {"-2147483648", -2147483647 - 1},
      {"-2147483649", 2147483647},
      {"3000000000", -1294967296},
      {"4294967296", 0},
      {"4294967297", 1},
      {"5000000000", 705032704},
      {"-4294967296", 0},
      {"0000000000000000000000000000005000", 5000},
      {"9223372036854775807", -1},  // 2^63 - 1
      {"-9223372036854775808", 0},  // -2^63
      // Beyond 64 bits the number is still taken modulo 2^32.
      {"18446744073709551616", 0},                        // 2^64
      {"18446744073709556616", 5000},                     // 2^64 + 5000
      {"340282366920938463463374607431768212456", 1000},  // 2^128 + 1000 (2^128 mod 2^32 = 0)
      {"-18446744073709551617", -1},                      // -(2^64 + 1)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseAmount(c.text), c.amount);
  }
}

// A reform's amount is digits only, at least 1; above the cap every value is
// the cap + 1, at any length.
TEST(ParseReformAmount, DigitsOnlyAtLeastOne) {
  struct Case {
    const char* text;
    std::optional<std::uint64_t> amount;
  };
  const Case cases[] = {
      {"5000", 5000},
      {"05000", 5000},
      {"1", 1},
      {"30000000", 30'000'000},
      {"30000001", 30'000'001},
      {"340282366920938463463374607431768212456", 30'000'001},
      {"0", std::nullopt},
      {"0000", std::nullopt},
      {"", std::nullopt},
      {"-5", std::nullopt},
      {"+5", std::nullopt},
      {" 5000", std::nullopt},
      {"5.000", std::nullopt},
      {"5,000", std::nullopt},
      {"5000x", std::nullopt},
      {"-2025", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseReformAmount(c.text), c.amount);
  }
}

// A share won is kept exactly as won of of, with the decimals it was written
// with; its refusals are the end-to-end tests'.
TEST(ParseShareWon, PerCentsAndFractionsExactly) {
  struct Case {
    const char* word;
    std::int64_t won, of;
    int decimals;
  };
  const Case cases[] = {
      {"-O60", 60, 100, 0},
      {"-O60%", 60, 100, 0},
      {"-O33,33", 3333, 10000, 2},
      {"-O33.33", 3333, 10000, 2},
      {"-O60,5%", 605, 1000, 1},
      {"-O0", 0, 100, 0},
      {"-O100,00", 10000, 10000, 2},
      {"-O000060", 60, 100, 0},
      {"-O3/4", 3, 4, -1},
      {"-O0/1", 0, 1, -1},
      {"-O999999/999999", 999999, 999999, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const std::optional<ShareWon> share = parseShareWon(c.word);
    ASSERT_TRUE(share.has_value());
    EXPECT_EQ(share->won, c.won);
    EXPECT_EQ(share->of, c.of);
    EXPECT_EQ(share->decimals, c.decimals);
  }
  for (const char* word :
       {"-O100,01", "-O0000060", "-O1/1000000", "-O60 %", "-O,5", "-O60,", "-o60"}) {
    EXPECT_FALSE(parseShareWon(word).has_value()) << word;
  }
}

ReportOptions optionsFor(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "zeb");
  return parseOptions(static_cast<int>(arguments.size()), arguments.data());
}

struct Sections {
  bool paymentOrder, firstInstance, appeal, revision;
};

TEST(ParseOptions, SectionSwitchesOnlyClear) {
  struct Case {
    std::vector<const char*> arguments;
    Sections sections;
  };
  const Case cases[] = {
      {{"5000"}, {true, true, true, true}},
      {{"5000", "-k"}, {false, true, false, false}},
      {{"5000", "-k", "-k"}, {false, true, false, false}},
      {{"5000", "-b"}, {false, false, true, false}},
      {{"5000", "-r"}, {false, false, false, true}},
      {{"5000", "-m"}, {true, false, false, false}},
      {{"5000", "-k", "-b"}, {false, false, false, false}},
      {{"5000", "-m", "-r"}, {false, false, false, false}},
      {{"-k", "5000"}, {false, true, false, false}},  // element 1 is scanned too
      {{"-k"}, {true, true, true, true}},             // a lone argument never is
      {{"5000", "-kb", "-K", "--help", "-H", "k", "-k "}, {true, true, true, true}},
  };
  for (const Case& c : cases) {
    const ReportOptions options = optionsFor(c.arguments);
    SCOPED_TRACE(c.arguments.size());
    EXPECT_EQ(options.showPaymentOrder, c.sections.paymentOrder);
    EXPECT_EQ(options.showFirstInstance, c.sections.firstInstance);
    EXPECT_EQ(options.showAppeal, c.sections.appeal);
    EXPECT_EQ(options.showRevision, c.sections.revision);
  }
}

TEST(ParseOptions, OtherSwitches) {
  const ReportOptions defaults = optionsFor({"5000"});
  EXPECT_TRUE(defaults.showNotes);
  EXPECT_FALSE(defaults.showSettlement);
  EXPECT_EQ(defaults.outputMode, OutputMode::Text);
  EXPECT_FALSE(defaults.euroSign);

  const ReportOptions all = optionsFor({"5000", "-V", "-A", "-h", "-E"});
  EXPECT_FALSE(all.showNotes);
  EXPECT_TRUE(all.showSettlement);
  EXPECT_EQ(all.outputMode, OutputMode::Html);
  EXPECT_TRUE(all.euroSign);

  EXPECT_EQ(optionsFor({"-h"}).outputMode, OutputMode::Text);
  EXPECT_EQ(optionsFor({"-h", "5000"}).outputMode, OutputMode::Html);
  EXPECT_FALSE(optionsFor({"5000", "-v", "-a", "-e"}).showSettlement);

  EXPECT_EQ(defaults.reform, Reform::Of2013);
  EXPECT_EQ(optionsFor({"5000", "-2021"}).reform, Reform::Of2021);
  EXPECT_EQ(optionsFor({"-2025", "5000"}).reform, Reform::Of2025);
  // The first counts; the command line refuses the second.
  EXPECT_EQ(optionsFor({"5000", "-2021", "-2025"}).reform, Reform::Of2021);
  EXPECT_EQ(optionsFor({"-2025"}).reform, Reform::Of2013);  // a lone argument
  EXPECT_EQ(optionsFor({"5000", "2025", "-2026", "--2025"}).reform, Reform::Of2013);

  // The endings, each once however often given, and only as whole words.
  EXPECT_FALSE(defaults.anyEnding());
  const ReportOptions ends = optionsFor({"5000", "-versaeumnis", "-ruecknahme", "-versaeumnis"});
  EXPECT_TRUE(ends.shows(Ending::Withdrawal));
  EXPECT_FALSE(ends.shows(Ending::Acknowledgement));
  EXPECT_TRUE(ends.shows(Ending::DefaultJudgment));
  EXPECT_FALSE(ends.aroundTheLawsuit);
  EXPECT_FALSE(optionsFor({"5000", "-Ruecknahme", "-rücknahme", "-anerkenntnis1"}).anyEnding());
}

// What a terminal user reads after a report of 2013: a first argument that
// is no number or was cut at a thousands separator, each with the right
// command, then today's law; nothing after a reform's report.
TEST(TerminalHints, SayWhatWasReadAndWhatWasMeant) {
  const std::string law =
      "zeb: Dieser Bericht rechnet nach dem Recht von 2013 mit 16 % Umsatzsteuer. Nach geltendem "
      "Recht: zeb ";
  const std::string noAmount =
      " ist kein Streitwert, der Bericht gilt 0 Euro. Der Streitwert "
      "steht an erster Stelle: zeb ";
  const std::string usage = "; zeb allein zeigt die Kurzanleitung.";
  const std::string cutAlone =
      " Euro gelesen: die Zahl endet am ersten Zeichen, das keine Ziffer ist.";
  const std::string cut = cutAlone + " Richtig: zeb ";
  const std::string ignored = " ist keine Angabe von ZEB und blieb ohne Wirkung";
  struct Case {
    std::vector<const char*> arguments;
    std::vector<std::string> hints;
  };
  const Case cases[] = {
      {{"10000"}, {law + "10000 -2025"}},
      // A word that the report ignored, and the word meant where ZEB can tell.
      {{"10000", "-V", "-x"}, {"zeb: \"-x\"" + ignored + ".", law + "10000 -2025 -V"}},
      {{"10000", "-anerkenntniss", "-k"},
       {"zeb: \"-anerkenntniss\"" + ignored + "; gemeint ist wohl -anerkenntnis.",
        law + "10000 -2025 -anerkenntnis -k"}},
      {{"--help"},
       {"zeb: \"--help\"" + noAmount + "<Streitwert>" + usage, law + "<Streitwert> -2025"}},
      {{"-h"},
       {"zeb: \"-h\"" + noAmount + "<Streitwert> -h" + usage, law + "<Streitwert> -2025 -h"}},
      {{"-V", "5000", "-k"},
       {"zeb: \"-V\"" + noAmount + "5000 -V -k" + usage, law + "5000 -2025 -V -k"}},
      {{"5.000", "-V"}, {"zeb: \"5.000\" wurde als 5" + cut + "5000 -V", law + "5000 -2025 -V"}},
      {{"1.250.000,00"},
       {"zeb: \"1.250.000,00\" wurde als 1" + cut + "1250000", law + "1250000 -2025"}},
      {{"5.000,00 \342\202\254"},
       {"zeb: \"5.000,00 EUR\" wurde als 5" + cut + "5000", law + "5000 -2025"}},
      {{"10 000"}, {"zeb: \"10 000\" wurde als 10" + cut + "10000", law + "10000 -2025"}},
      // Where ZEB cannot tell the amount meant, it offers none.
      {{"5,000.50"}, {"zeb: \"5,000.50\" wurde als 5" + cutAlone, law + "<Streitwert> -2025"}},
      {{"12.3456"}, {"zeb: \"12.3456\" wurde als 12" + cutAlone, law + "<Streitwert> -2025"}},
      {{"1e5"}, {"zeb: \"1e5\" wurde als 1" + cutAlone, law + "<Streitwert> -2025"}},
      // No thousands separator, or no amount a reform takes.
      {{"5.00"}, {law + "5 -2025"}},
      {{"-1000"}, {law + "<Streitwert> -2025"}},
      {{"10000", "-2025"}, {}},
      {{"10000", "-2021", "-V"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[0]);
    std::vector<const char*> arguments = c.arguments;
    arguments.insert(arguments.begin(), "zeb");
    const auto count = static_cast<int>(arguments.size());
    EXPECT_EQ(terminalHints(count, arguments.data(), parseOptions(count, arguments.data())),
              c.hints);
  }
}

// The words meant by words ZEB does not know, where it can tell (the
// refusals hold more); none where no word is near or two are as near.
TEST(MeantWord, AnotherCaseADashATypoOrALongerWord) {
  struct Case {
    const char* given;
    std::optional<std::string> meant;
  };
  // clang-format off
  const Case cases[] = {
      {"-anerkentnis", "-anerkenntnis"}, {"-versaeumins", "-versaeumnis"},  // a letter dropped, two swapped
      {"-r\303\274cknahme", "-ruecknahme"}, {"-Vers\344umnis", "-versaeumnis"},  // UTF-8, Latin-1
      {"\342\200\223mahn", "-mahn"}, {"-Gk1,5", "-GK1,5"}, {"-auftragebrK2", "-auftraggeberK2"},
      {"-beweisk1.500,00", "-beweisK1.500,00"}, {"-o60", "-O60"}, {"-060", "-O60"}, {"-v", "-V"},
      {"-x", std::nullopt}, {"-kb", std::nullopt}, {"foo", std::nullopt}, {"", std::nullopt},
      {"-2024", std::nullopt}, {"-ohne", std::nullopt}, {"-beweis1500", std::nullopt},  // two as near
      {"-gk3", std::nullopt},  // no rate
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    EXPECT_EQ(meantWord(c.given), c.meant);
  }
}

// A word's euros take the spellings of a German and of an English writer,
// those the page takes (tests/data/euro-spellings.txt).
TEST(ParseEuros, TheSpellingsThePageTakesToo) {
  std::ifstream file(ZEB_EURO_SPELLINGS);
  ASSERT_TRUE(file.is_open());
  int spellings = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    const std::string text = line.substr(0, line.find(' '));
    const std::string cents = line.substr(line.find(' ') + 1);
    SCOPED_TRACE(text);
    const std::optional<std::int64_t> parsed = parseEuros(text.c_str());
    EXPECT_EQ(parsed ? std::to_string(*parsed) : "-", cents);
    ++spellings;
  }
  EXPECT_GT(spellings, 10);
}

}  // namespace
}  // namespace zeb
