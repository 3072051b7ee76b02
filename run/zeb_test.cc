#include "run/zeb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
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

Figures figuresOf(std::vector<const char*> words, bool withWays = true) {
  words.insert(words.begin(), "zeb");
  return runZebFigures(static_cast<int>(words.size()), words.data(), withWays);
}

// The row of `key`, or none.
const FigureRow* rowOf(const Figures& figures, const char* key) {
  const auto row = std::find_if(figures.rows.begin(), figures.rows.end(),
                                [&](const FigureRow& r) { return r.key == key; });
  return row == figures.rows.end() ? nullptr : &*row;
}

// A row worked by hand: its command line, its key and label, and its
// values in cents under the law before and after.
struct WorkedRow {
  std::vector<const char*> words;
  const char* key;
  const char* label;
  std::int64_t old, now;
};

// The report of each command line has each row as worked by hand. From
// nothing there is no change to show; per cents and a value alone show none.
void expectWorkedRows(std::span<const WorkedRow> rows) {
  for (const WorkedRow& c : rows) {
    std::string line;
    for (const char* word : c.words) line += std::string(word) + " ";
    SCOPED_TRACE(line + c.key);
    const Figures figures = figuresOf(c.words);
    const FigureRow* row = rowOf(figures, c.key);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->label, c.label);
    EXPECT_EQ(figureText(row->oldValue, 2), decimalText({c.old, 2}));
    EXPECT_EQ(figureText(row->newValue, 2), decimalText({c.now, 2}));
    if (row->comparison) {
      EXPECT_EQ(row->comparison->change.has_value(), c.old != 0);
    }
  }
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
              std::to_string(c->newPercent);
      if (c->change) item += std::string("|") + c->direction + "|" + figureText(*c->change, 1);
    }
    items.push_back(item);
    if (i == 0) {
      for (const std::string& remark : figures.remarks) items.push_back("L " + remark);
    }
  }
  return items;
}

// The figures are the text report's, row for row and heading for heading,
// for every switch set that changes the rows; -h, -E and -A change nothing,
// nor does leaving out the ways.
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
      {},
      {"-k"},
      {"-b"},
      {"-r"},
      {"-m"},
      {"-V"},
      {"-k", "-V"},
      {"-b", "-V"},
      {"-r", "-V"},
      {"-m", "-V"},
      {"-k", "-b"},
      {"-2025"},
      {"-2021", "-V"},
      {"-2025", "-O33,33", "-V", "-ohneB"},
      {"-2021", "-GK", "-mahn", "-O1/3", "-V", "-auftraggeberB2", "-beweisK100"},
      {"-2025", "-ruecknahme", "-anerkenntnis", "-versaeumnis"},
      {"-2021", "-versaeumnis", "-O2/3", "-V", "-GB", "-mahn", "-ohneB", "-ruecknahme"}};
  for (const std::string& amount : amounts) {
    for (const std::vector<const char*>& switches : switchSets) {
      std::vector<const char*> words = {amount.c_str()};
      words.insert(words.end(), switches.begin(), switches.end());
      SCOPED_TRACE(amount + " " + (switches.empty() ? "" : switches[0]) + " " +
                   (switches.size() > 1 ? switches[1] : ""));
      const std::vector<std::string> expected = itemsOfText(reportOf(words));
      ASSERT_EQ(itemsOfFigures(figuresOf(words)), expected);
      words.insert(words.end(), {"-h", "-E", "-A"});
      const Figures withoutWays = figuresOf(words, false);
      ASSERT_EQ(itemsOfFigures(withoutWays), expected);
      for (const FigureRow& row : withoutWays.rows) ASSERT_TRUE(row.derivation[0].empty());
    }
  }
}

// The way to a value written out by hand: the gross lawyer fees of the
// first instance for 5000 euros from 01.06.2025 (fee 176,00 + 3 x 59,50),
// and in the report of 2013 the revision's process costs for 115000 euros,
// where single precision prints a cent less than exact decimals
// (5730 + 2 x 5733,648 = 17197,296).
TEST(RunZebFigures, DerivationsWorkedByHand) {
  const FigureRow gross = figuresOf({"5000", "-2025", "-k"}).rows[5];
  EXPECT_EQ(gross.label, "2,5 Anwaltsgebühren + Auslagenpauschale + MwSt");
  // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): long lines, joined
  EXPECT_EQ(gross.derivation[1],
            (Steps{"Anwaltsgebühr (§ 13 RVG, Anlage 2): bis 2.000 € 176,00 €, dazu 3 angefangene "
                   "1.000 € zu je 59,50 € = 354,50 €",
                   "Verfahrensgebühr 1,3 (VV RVG Nr. 3100) + Terminsgebühr 1,2 (Nr. 3104) = 2,5 × "
                   "354,50 € = 886,25 €",
                   "Auslagenpauschale 20 % von 886,25 € = 177,25 €, höchstens 20,00 € (Nr. 7002): "
                   "20,00 €",
                   "Umsatzsteuer 19 % von 906,25 € (Nr. 7008) = 172,19 €", "= 1.078,44 €"}));
  const FigureRow process = figuresOf({"115000", "-r"}).rows[6];
  EXPECT_EQ(process.label, "Prozeßkosten: Gerichtskosten + 2 * Anwaltskosten");
  EXPECT_EQ(process.derivation[1],
            (Steps{"Gerichtskosten 5.730,00 € + 2 × Anwaltskosten 5.733,65 € = 17.197,29 €",
                   "Einfache Genauigkeit: genau gerechnet 17.197,30 €, gedruckt 17.197,29 €"}));
}

// Every way, for random amounts under every law, ends with the value its
// row prints and names the rules of its kind of row.
TEST(RunZebFigures, EveryDerivationEndsWithItsValueAndNamesItsRules) {
  struct Rule {
    const char* key;  // a part of the keys of the rows it holds for
    std::vector<const char*> names;
  };
  // The first rule whose key part a row's key holds.
  const Rule rules[] = {
      {"to_distribute", {"§ 91 ZPO", "Gerichtskosten", "Anwaltskosten des Beklagten"}},
      {"_share", {"§ 92 Abs. 1 ZPO"}},
      {"_pays_", {"§ 106 ZPO", "§ 12 Abs. 1 GKG"}},
      {"_bears", {"§ 98 ZPO", "Gerichtskosten", "eigene Anwaltskosten"}},
      {"_with_", {"Anteil des"}},
      {"header.amount", {"Streitwert"}},
      {"lawyer_costs", {"§ 13 RVG, Anlage 2", "VV RVG Nr. 3", "Nr. 7002", "Nr. 7008"}},
      {"payment_order.court_fees", {"§ 34 GKG, Anlage 2", "KV GKG Nr. 1100"}},
      {"court_fees", {"§ 34 GKG, Anlage 2", "KV GKG Nr. 12"}},
      {"header.court_fee", {"§ 34 GKG, Anlage 2"}},
      {"lawyer_fees", {"§ 13 RVG, Anlage 2", "VV RVG Nr. 3"}},
      {"header.lawyer_fee", {"§ 13 RVG, Anlage 2"}},
      {"half_each", {"Hälfte der Prozesskosten"}},
      {"process_costs", {"Gerichtskosten", "Anwaltskosten"}},
      {"totals.with_", {"Prozesskosten"}},
  };
  std::mt19937 random(20250601);
  std::vector<std::string> amounts = {"1", "500", "16777217", "30000001", "2147483647", "-1000"};
  for (int i = 0; i < 40; ++i) amounts.push_back(std::to_string(random() % 2'000'000 + 1));
  const std::vector<std::vector<const char*>> laws = {
      {"-V"}, {"-2021"}, {"-2025"}, {"-2025", "-O60"}, {"-2021", "-O1/3", "-vorsteuerB", "-ohneK"}};
  for (const std::string& amount : amounts) {
    for (const std::vector<const char*>& law : laws) {
      std::vector<const char*> words = {amount.c_str(), "-V"};
      words.insert(words.end(), law.begin(), law.end());
      const Figures figures = figuresOf(words);
      if (figures.status != kReportWritten) continue;  // the reforms refuse an amount below 1
      for (const FigureRow& row : figures.rows) {
        SCOPED_TRACE(amount + " " + law.back() + " " + row.key);
        const Rule* rule = std::find_if(std::begin(rules), std::end(rules), [&](const Rule& r) {
          return row.key.find(r.key) != std::string::npos;
        });
        ASSERT_NE(rule, std::end(rules));
        for (std::size_t s = 0; s < (row.percentBasis == 0 ? 1 : 2); ++s) {
          const Steps& steps = row.derivation[s];
          ASSERT_FALSE(steps.empty());
          // "1.078,44 €" read back as printf writes it: "1078.44".
          std::string last =
              steps.back().substr(steps.back().rfind(' ', steps.back().size() - 5) + 1);
          last = last.substr(0, last.size() - std::string(" €").size());
          std::erase(last, '.');
          std::replace(last.begin(), last.end(), ',', '.');
          EXPECT_EQ(last, figureText(s == 0 ? row.oldValue : row.newValue, 2));
          std::string all;
          for (const std::string& step : steps) all += step + "\n";
          for (const char* name : rule->names) EXPECT_NE(all.find(name), std::string::npos) << name;
        }
      }
    }
  }
}

// Who bears the costs, worked by hand. The published example (10000 euros
// under the fees of 2021, the claimant wins 30 per cent): court fees
// 3 x 266,00 = 798,00, each side's lawyer (2,5 x 614,00 + 20,00) x 1,19 =
// 1.850,45; the claimant bears 70 % of 4.498,90 = 3.149,23, has paid 798,00
// + 1.850,45 = 2.648,45 and pays the defendant 500,78. From 01.06.2025:
// 3 x 283,00 = 849,00, (2,5 x 652,00 + 20,00) x 1,19 = 1.963,50. With 95
// per cent, 5 % of 4.498,90 is 224,945 and rounds up. With 3/4, a claimant
// who deducts input tax counts (2,5 x 614,00 + 20,00) = 1.555,00 and a
// defendant without a lawyer nothing. For 5000 euros from 01.06.2025 (the
// rows in ComputeBlock's examples): 40 % of 2.668,38 and of 3.091,98; the
// settlement's court fee 170,50 halved, and 3,5 x 354,50 + 20,00 + 19 %.
//
// How the first instance ends, for 10000 euros under the fees of 2021 and
// 2025 (1,0 fees: court 266,00 and 283,00, lawyer 614,00 and 652,00). A
// withdrawal: 1,0 court fee, each lawyer (1,3 x 614,00 + 20,00) x 1,19 =
// 973,66 and 1.032,44; the claimant bears all of 2.213,32 and 2.347,88,
// has paid 1,0 court fee and its lawyer, and pays the defendant's. An
// acknowledgement: 1,0 court fee and 2,5 lawyers' fees, the defendant bears
// all and pays the claimant 266,00 + 1.850,45. A default judgement: 3,0
// court fees and the claimant's 1,8: (1.105,20 + 20,00) x 1,19 = 1.338,99
// and (1.173,60 + 20,00) x 1,19 = 1.420,38, the defendant pays all. A
// claimant without a lawyer; a defendant with two clients, 1,6 instead of
// 1,3: (1.043,20 + 20,00) x 1,19, who deducts input tax and counts
// 1.063,20.
// After a business fee of 1,3 and a payment order (from 01.06.2025): the
// court fee 283,00 less 141,50; the claimant's 3100 less the 3305 of 652,00
// (which took all of the business fee's credit): 195,60 + 20,00 + 40,96;
// the defendant's less its 3307 of 326,00: 521,60 + 20,00 + 102,90. The
// costs to distribute count 1,0 court fee and each side's payment order
// without the credit (799,68 and 411,74): 283,00 + 2 x 1.056,24; the
// claimant has paid 283,00 + 1.056,24. No one refunds the claimant
// 1.032,44 + 295,36 + 256,56 - 1.056,24 = 528,12. The default judgement's
// claimant: 847,60 + 326,00 - 652,00 + 20,00 + 102,90 = 644,50.
TEST(RunZebFigures, CostRiskWorkedByHand) {
  const std::vector<const char*> o30 = {"10000", "-2025", "-O30", "-k"};
  const std::vector<const char*> o95 = {"10000", "-2025", "-O95", "-k"};
  const std::vector<const char*> o34 = {"10000", "-2025", "-O3/4", "-k", "-vorsteuerK", "-ohneB"};
  const std::vector<const char*> o60 = {"5000", "-2025", "-O60,00", "-V"};
  const std::vector<const char*> ends = {"10000", "-2025",         "-k",         "-versaeumnis",
                                         "-O60",  "-anerkenntnis", "-ruecknahme"};
  const std::vector<const char*> unaided = {
      "10000", "-2025", "-k", "-O60", "-ruecknahme", "-ohneK", "-vorsteuerB", "-auftraggeberB2"};
  const std::vector<const char*> chain = {"10000", "-2025", "-k",          "-O60",
                                          "-GK",   "-mahn", "-ruecknahme", "-versaeumnis"};
  // An appeal as a decision: law.md's worked case (the defendant appeals its
  // 6.000,00 and wins half), and the claimant appealing its 4.000,00 with a
  // quarter's success; the fees of 2021 and 2025 at 6.000 (182,00 and
  // 193,00 court, 390,00 and 414,00 lawyer) and at 4.000 (140,00, 148,00;
  // 278,00, 295,00). The claimant's: 7/10 won in the end, so 3/10 of
  // 4.776,00 and 3/4 of the appeal's 592,00 + 2 x 1.006,74; it keeps
  // 6.000,00 + 1.000,00 - 1.432,80 - 1.954,11. Withdrawn: 148,00 + 1,6 x
  // 295,00 + 20,00 + 19 % + 1,1 x 295,00 + 20,00 + 19 % = 1.143,44. From
  // 2.605,48 / (4.000 + 0,4 x 4.776,00 + 2.605,48) = 30,60 % on it pays.
  const std::vector<const char*> byDefendant = {"10000",     "-2025", "-O60", "-berufungB",
                                                "-erfolg50", "-k",    "-b"};
  const std::vector<const char*> byClaimant = {"10000", "-2025", "-O60", "-berufungK",
                                               "-erfolg1/4"};
  const std::vector<const char*> third = {"1000", "-2025", "-O1/3", "-berufungK"};
  // clang-format off
  const WorkedRow cases[] = {
      {o30, "first_instance.to_distribute", "Zu verteilende Kosten", 4498'90, 4776'00},
      {o30, "first_instance.claimant_share", "davon trägt der Kläger 70 %", 3149'23, 3343'20},
      {o30, "first_instance.defendant_share", "davon trägt der Beklagte 30 %", 1349'67, 1432'80},
      {o30, "first_instance.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 0, 0},
      {o30, "first_instance.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 500'78, 530'70},
      {o95, "first_instance.claimant_share", "davon trägt der Kläger 5 %", 224'95, 238'80},
      {o95, "first_instance.defendant_share", "davon trägt der Beklagte 95 %", 4273'95, 4537'20},
      {o95, "first_instance.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 2423'50, 2573'70},
      {o34, "first_instance.to_distribute", "Zu verteilende Kosten", 2353'00, 2499'00},
      // The process costs count the claimant's lawyer alone: 798,00 +
      // 1.850,45 / 849,00 + 1.963,50.
      {o34, "first_instance.process_costs", "Prozeßkosten ohne Anwalt des Beklagten", 2648'45, 2812'50},
      {o34, "first_instance.claimant_share", "davon trägt der Kläger 1/4", 588'25, 624'75},
      {o34, "first_instance.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 1764'75, 1874'25},
      {o60, "first_instance.settlement.claimant_bears", "Kosten aufgehoben: der Kläger trägt", 1495'41, 1585'54},
      {o60, "totals.claimant_with_appeal", "Kläger trägt mit Berufung", 2174'11, 2304'14},
      {o60, "totals.defendant_with_appeal", "Beklagter trägt mit Berufung", 3261'17, 3456'22},
      {ends, "first_instance.withdrawal.court_fees", "1 Gerichtsgebühr", 266'00, 283'00},
      {ends, "first_instance.withdrawal.claimant_lawyer_costs", "Anwaltskosten des Klägers", 973'66, 1032'44},
      {ends, "first_instance.withdrawal.process_costs", "Prozeßkosten: Gerichtskosten + beide Anwälte", 2213'32, 2347'88},
      {ends, "first_instance.withdrawal.claimant_share", "davon trägt der Kläger 100 %", 2213'32, 2347'88},
      {ends, "first_instance.withdrawal.defendant_share", "davon trägt der Beklagte 0 %", 0, 0},
      {ends, "first_instance.withdrawal.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 973'66, 1032'44},
      {ends, "first_instance.acknowledgement.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 1850'45, 1963'50},
      {ends, "first_instance.acknowledgement.to_distribute", "Zu verteilende Kosten", 3966'90, 4210'00},
      {ends, "first_instance.acknowledgement.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 2116'45, 2246'50},
      {ends, "first_instance.default_judgment.court_fees", "3 Gerichtsgebühren", 798'00, 849'00},
      {ends, "first_instance.default_judgment.claimant_lawyer_costs", "Anwaltskosten des Klägers", 1338'99, 1420'38},
      {ends, "first_instance.default_judgment.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 0, 0},
      {ends, "first_instance.default_judgment.defendant_share", "davon trägt der Beklagte 100 %", 2136'99, 2269'38},
      {ends, "first_instance.default_judgment.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 2136'99, 2269'38},
      // The judgement and the totals stay as they were: 40 % of 4.776,00.
      {ends, "first_instance.claimant_share", "davon trägt der Kläger 40 %", 1799'56, 1910'40},
      {unaided, "first_instance.withdrawal.claimant_lawyer_costs", "Anwaltskosten des Klägers", 0, 0},
      {unaided, "first_instance.withdrawal.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 1192'86, 1265'21},
      {unaided, "first_instance.withdrawal.to_distribute", "Zu verteilende Kosten", 1268'40, 1346'20},
      {unaided, "first_instance.withdrawal.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 1002'40, 1063'20},
      {chain, "first_instance.withdrawal.court_fees", "1 Gerichtsgebühr, abzüglich Mahnverfahren", 133'00, 141'50},
      {chain, "first_instance.withdrawal.claimant_lawyer_costs", "Anwaltskosten des Klägers", 243'00, 256'56},
      {chain, "first_instance.withdrawal.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 608'33, 644'50},
      {chain, "first_instance.withdrawal.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 997'46, 1056'24},
      {chain, "first_instance.withdrawal.claimant_not_refunded", "Nicht erstattet, trägt der Kläger selbst", 498'73, 528'12},
      {chain, "first_instance.default_judgment.court_fees", "3 Gerichtsgebühren, abzüglich Mahnverfahren", 665'00, 707'50},
      {chain, "first_instance.default_judgment.claimant_lawyer_costs", "Anwaltskosten des Klägers", 608'33, 644'50},
      {byDefendant, "appeal.amount", "Wert der Berufung", 6000'00, 0},
      {byDefendant, "appeal.court_fees", "4 Gerichtsgebühren", 728'00, 772'00},
      {byDefendant, "appeal.lawyer_costs", "2,8 Anwaltsgebühren + Auslagenpauschale + MwSt", 1323'28, 1403'25},
      {byDefendant, "appeal.claimant_share", "davon trägt der Kläger 50 %", 1687'28, 1789'25},
      {byDefendant, "appeal.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 364'00, 386'00},
      {byDefendant, "appeal.withdrawal.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 766'36, 812'06},
      {byDefendant, "appeal.withdrawal.claimant_lawyer_costs", "Anwaltskosten des Klägers", 534'31, 565'73},
      {byDefendant, "appeal.withdrawal.defendant_pays_claimant", "Ausgleich: der Beklagte zahlt dem Kläger", 534'31, 565'73},
      {byDefendant, "totals.claimant_with_appeal", "Kläger trägt mit Berufung", 4836'51, 5132'45},
      {byDefendant, "totals.defendant_with_appeal", "Beklagter trägt mit Berufung", 3036'95, 3222'05},
      {byDefendant, "appeal_decision.without_appeal", "Der Beklagte zahlt ohne Berufung insgesamt", 8699'34, 8865'60},
      {byDefendant, "appeal_decision.with_appeal", "Der Beklagte zahlt bei 50 % Erfolg", 6036'95, 6222'05},
      {byDefendant, "appeal_decision.withdrawn", "Der Beklagte zahlt nach Rücknahme insgesamt", 10182'01, 10436'39},
      {byDefendant, "appeal_decision.break_even", "Die Berufung lohnt sich ab einem Erfolg von", 27'95, 28'76},
      {byClaimant, "appeal.claimant_share", "davon trägt der Kläger 3/4", 1845'15, 1954'11},
      {byClaimant, "appeal.claimant_pays_defendant", "Ausgleich: der Kläger zahlt dem Beklagten", 335'05, 355'37},
      {byClaimant, "appeal.withdrawal.to_distribute", "Zu verteilende Kosten", 1080'81, 1143'44},
      {byClaimant, "totals.claimant_with_appeal", "Kläger trägt mit Berufung", 3194'82, 3386'91},
      {byClaimant, "appeal_decision.with_appeal", "Der Kläger behält bei 1/4 Erfolg", 3805'18, 3613'09},
      {byClaimant, "appeal_decision.withdrawn", "Der Kläger behält nach Rücknahme insgesamt", 3119'63, 2946'16},
      {byClaimant, "appeal_decision.break_even", "Die Berufung lohnt sich ab einem Erfolg von", 29'79, 30'60},
      // 2/3 of 1.000,00 is 666,666...: the value rounds up to the cent.
      {third, "appeal.amount", "Wert der Berufung", 666'67, 0},
  };
  // clang-format on
  expectWorkedRows(cases);
}

// The labour courts, worked by hand (the fees of 2021 / 2025). At 9.000
// euros the 1,0 fees are 245,00 / 260,50 court and 558,00 / 592,50 lawyer
// (law.md's dismissal at 3.000 gross a month): court fee 2,0, each lawyer
// 2,5 x 558,00 = 1.395,00 + 20,00 + 19 % = 1.683,85 / 1.786,49; the
// employee who wins bears its own lawyer, the employer its lawyer and the
// court fee; settled, no court fee and each its 3,5: 2.347,87 / 2.491,56.
// The payment order costs the enforcement order's 0,4 = 98,00 / 104,20,
// at 500 euros the minimums 29,00 / 31,00; after an objection nothing, and
// nothing to credit. The early endings: withdrawal and acknowledgement no
// court fee, each side its own 1,3 = 887,03 / 940,40 or 2,5; the default
// judgement 2,0 on the employer, the employee's 1,3 + 0,5 = 1.004,40 +
// 20,00 + 19 % = 1.219,04 / 1.292,94. The appeal 3,2 = 784,00 / 833,60,
// each lawyer 2,8 = 1.883,06 / 1.998,01, of 4.550,12 / 4.829,62 the
// employee bears 40 %: with 40 % of 490,00 / 521,00 and its lawyer in the
// first instance 3.699,90 / 3.926,74. The revision 4,0 = 980,00 / 1.042,00.
// Legal aid at 10.000 euros (court 266,00 / 283,00, lawyer 614,00 /
// 652,00, § 49: 339,00 / 374,00): the aided employee bears nothing, the
// employer 60 % of 532,00 / 566,00 and its 1.850,45 / 1.963,50; the state
// 40 % and the assigned lawyer's 2,5 x 339,00 + 20,00 + 19 % = 1.032,33 /
// 1.136,45. The employer appeals its 6.000 with half its success: the
// appeal costs 3,2 x 182,00 = 582,40 / 617,60 and 2 x 1.323,28 / 1.403,25;
// it pays 3.000,00 + 30 % of 532,00 / 566,00 + half the appeal + its own
// first-instance lawyer; withdrawn, 8.169,65 / 8.303,10 and 0,8 x 182,00 +
// 766,36 + 534,31 / 154,40 + 812,06 + 565,73; it pays from 3.228,96 /
// (6.000 + 0,6 x 532,00 + 3.228,96) = 33,82 % / 35,07 % on.
TEST(RunZebFigures, LabourCourtsWorkedByHand) {
  const std::vector<const char*> won = {"9000", "-2025", "-arbeit", "-O100", "-V", "-k"};
  const std::vector<const char*> ended = {"9000", "-2025",       "-arbeit",       "-O100",
                                          "-k",   "-ruecknahme", "-anerkenntnis", "-versaeumnis"};
  const std::vector<const char*> all = {"9000", "-2025", "-arbeit", "-O60"};
  const std::vector<const char*> order = {"500", "-2025", "-arbeit", "-m"};
  const std::vector<const char*> objected = {"9000", "-2025", "-arbeit", "-mahn", "-k"};
  const std::vector<const char*> aided = {"10000", "-2025", "-arbeit", "-O60", "-pkhK", "-k"};
  const std::vector<const char*> appeal = {"10000", "-2025",      "-arbeit",
                                           "-O60",  "-berufungB", "-erfolg50"};
  // clang-format off
  const WorkedRow cases[] = {
      {won, "first_instance.court_fees", "2 Gerichtsgebühren", 490'00, 521'00},
      {won, "first_instance.lawyer_costs", "2,5 Anwaltsgebühren + Auslagenpauschale + MwSt", 1683'85, 1786'49},
      {won, "first_instance.to_distribute", "Zu verteilende Gerichtskosten", 490'00, 521'00},
      {won, "first_instance.claimant_not_refunded", "Nicht erstattet (§ 12a ArbGG), Kläger trägt", 1683'85, 1786'49},
      {won, "first_instance.claimant_total", "Kläger trägt insgesamt", 1683'85, 1786'49},
      {won, "first_instance.defendant_total", "Beklagter trägt insgesamt", 2173'85, 2307'49},
      {won, "first_instance.settlement.court_fees", "Keine Gerichtsgebühr", 0, 0},
      {won, "first_instance.settlement.claimant_total", "Kläger trägt insgesamt", 2347'87, 2491'56},
      {won, "first_instance.settlement.defendant_total", "Beklagter trägt insgesamt", 2347'87, 2491'56},
      {order, "payment_order.court_fees", "0,4 Gerichtsgebühren", 29'00, 31'00},
      {objected, "payment_order.court_fees", "Keine Gerichtsgebühr (Mahnbescheid, Widerspruch)", 0, 0},
      {objected, "first_instance.court_fees", "2 Gerichtsgebühren", 490'00, 521'00},
      {ended, "first_instance.withdrawal.court_fees", "Keine Gerichtsgebühr", 0, 0},
      {ended, "first_instance.withdrawal.claimant_total", "Kläger trägt insgesamt", 887'03, 940'40},
      {ended, "first_instance.withdrawal.defendant_total", "Beklagter trägt insgesamt", 887'03, 940'40},
      {ended, "first_instance.acknowledgement.court_fees", "Keine Gerichtsgebühr", 0, 0},
      {ended, "first_instance.acknowledgement.defendant_total", "Beklagter trägt insgesamt", 1683'85, 1786'49},
      {ended, "first_instance.default_judgment.court_fees", "2 Gerichtsgebühren", 490'00, 521'00},
      {ended, "first_instance.default_judgment.claimant_total", "Kläger trägt insgesamt", 1219'04, 1292'94},
      {ended, "first_instance.default_judgment.defendant_total", "Beklagter trägt insgesamt", 490'00, 521'00},
      {all, "payment_order.court_fees", "0,4 Gerichtsgebühren", 98'00, 104'20},
      {all, "appeal.court_fees", "3,2 Gerichtsgebühren", 784'00, 833'60},
      {all, "appeal.to_distribute", "Zu verteilende Kosten", 4550'12, 4829'62},
      {all, "totals.claimant_with_appeal", "Kläger trägt mit Berufung", 3699'90, 3926'74},
      {all, "revision.court_fees", "4 Gerichtsgebühren", 980'00, 1042'00},
      {aided, "first_instance.claimant_total", "Kläger trägt insgesamt", 0, 0},
      {aided, "first_instance.defendant_total", "Beklagter trägt insgesamt", 2169'65, 2303'10},
      {aided, "first_instance.claimant_lawyer_receives", "Anwalt des Klägers erhält insgesamt", 1032'33, 1136'45},
      {aided, "first_instance.state_total", "Staatskasse trägt insgesamt", 1245'13, 1362'85},
      {appeal, "appeal.court_fees", "3,2 Gerichtsgebühren", 582'40, 617'60},
      {appeal, "appeal.withdrawal.court_fees", "0,8 Gerichtsgebühren", 145'60, 154'40},
      {appeal, "appeal_decision.without_appeal", "Der Beklagte zahlt ohne Berufung insgesamt", 8169'65, 8303'10},
      {appeal, "appeal_decision.with_appeal", "Der Beklagte zahlt bei 50 % Erfolg", 6624'53, 6845'35},
      {appeal, "appeal_decision.withdrawn", "Der Beklagte zahlt nach Rücknahme insgesamt", 9615'92, 9835'29},
      {appeal, "appeal_decision.break_even", "Die Berufung lohnt sich ab einem Erfolg von", 33'82, 35'07},
  };
  // clang-format on
  expectWorkedRows(cases);
  // Three courts, and no section of a lawyer admitted only at the highest.
  const Figures figures = figuresOf(all);
  std::vector<std::string> sections;
  for (const FigureHeading& heading : figures.headings) {
    if (heading.level == 1) sections.push_back(heading.label);
  }
  EXPECT_EQ(sections, (std::vector<std::string>{
                          "Mahnverfahren", "Erstinstanzliches Verfahren vor dem Arbeitsgericht",
                          "Berufungsverfahren vor dem Landesarbeitsgericht",
                          "Revisionsverfahren vor dem Bundesarbeitsgericht",
                          "Gesamtkosten mehrerer Instanzen"}));
}

// A divorce, by hand from the tables of 2021 / 2025 (court, lawyer, § 49
// RVG). law.md's case: 3 x 5.000 = 15.000, 4 rights x 10 % x 15.000 =
// 6.000, value 21.000: court 2 x 382,00 / 405,00, the lawyer 2,5 x 822,00 /
// 872,00 + 20,00 + 19 %; the advance 2 x 324,00 / 344,00 on 15.000 alone,
// 266,00 / 283,00 beyond the petitioner's half. Court practice: 9.000 - 3 x
// 2 x 250 + 5 % of (200.000 - 180.000) = 8.500, custody and contact 1.700
// each, value 11.900: court 2 x 295,00 / 313,50, each lawyer 2,5 x 666,00 /
// 707,00 + 20,00 + 19 %; the advance 2 x 245,00 / 260,50. Caps: 90.000 and
// custody at most 4.000 / 5.000. Minimums: 2.700 counts 3.000, the pension
// 1 x 270 counts 1.000: 2 x 140,00 / 148,00, the advance 2 x 119,00 /
// 125,50. Thirty rights on 15.000: 60.000, 2 x 733,00 / 778,00, the
// advance short of the half by 85,00 / 90,00. Withdrawn: 0,5 x 382,00 /
// 405,00 and two lawyers' 1,3 x 822,00 / 872,00 + 20,00 + 19 % on the
// petitioner. Aided: 2,5 x 399,00 / 434,00 + 20,00 + 19 % from the state.
TEST(RunZebFigures, DivorceWorkedByHand) {
  const std::vector<const char*> worked = {"-scheidung", "-2025", "-nettoK3000", "-nettoB2000",
                                           "-anrechte4"};
  const std::vector<const char*> practice = {"-scheidung",      "-2025",    "-nettoK2000",
                                             "-nettoB1.000,00", "-kinder2", "-vermoegen200000",
                                             "-sorge",          "-umgang",  "-anwaltB"};
  const std::vector<const char*> capped = {"-scheidung", "-2025", "-nettoK20000", "-nettoB10000",
                                           "-sorge"};
  const std::vector<const char*> least = {"-scheidung", "-2025", "-nettoK500", "-nettoB400",
                                          "-anrechte1"};
  const std::vector<const char*> rights = {"-scheidung", "-2025", "-nettoK3000", "-nettoB2000",
                                           "-anrechte30"};
  const std::vector<const char*> withdrawn = {
      "-scheidung", "-2025", "-nettoK3000", "-nettoB2000", "-anrechte4", "-anwaltB", "-ruecknahme"};
  const std::vector<const char*> aided = {"-scheidung",  "-2025",      "-nettoK3000",
                                          "-nettoB2000", "-anrechte4", "-pkhK"};
  // clang-format off
  const WorkedRow cases[] = {
      {worked, "divorce.value_divorce", "Wert der Scheidung (§ 43 FamGKG)", 15000'00, 15000'00},
      {worked, "divorce.value_pension", "Wert des Versorgungsausgleichs (§ 50 FamGKG)", 6000'00, 6000'00},
      {worked, "divorce.value", "Verfahrenswert (§ 44 Abs. 1 FamGKG)", 21000'00, 21000'00},
      {worked, "divorce.court_fees", "2 Gerichtsgebühren", 764'00, 810'00},
      {worked, "divorce.petitioner_lawyer_costs", "Anwaltskosten des Antragstellers", 2469'25, 2618'00},
      {worked, "divorce.petitioner_total", "Antragsteller trägt insgesamt", 2851'25, 3023'00},
      {worked, "divorce.respondent_total", "Antragsgegner trägt insgesamt", 382'00, 405'00},
      {worked, "divorce.advance", "Vorschuss des Antragstellers vor Zustellung", 648'00, 688'00},
      {worked, "divorce.respondent_pays_state", "Antragsgegner zahlt der Staatskasse nach", 116'00, 122'00},
      {worked, "divorce.respondent_pays_petitioner", "Antragsgegner erstattet dem Antragsteller", 266'00, 283'00},
      {practice, "divorce.value_divorce", "Wert der Scheidung (§ 43 FamGKG)", 8500'00, 8500'00},
      {practice, "divorce.value_custody", "Wert der elterlichen Sorge (§ 44 FamGKG)", 1700'00, 1700'00},
      {practice, "divorce.value_contact", "Wert des Umgangs (§ 44 FamGKG)", 1700'00, 1700'00},
      {practice, "divorce.court_fees", "2 Gerichtsgebühren", 590'00, 627'00},
      {practice, "divorce.respondent_lawyer_costs", "Anwaltskosten des Antragsgegners", 2005'15, 2127'13},
      {practice, "divorce.respondent_total", "Antragsgegner trägt insgesamt", 2300'15, 2440'63},
      {practice, "divorce.advance", "Vorschuss des Antragstellers vor Zustellung", 490'00, 521'00},
      {practice, "divorce.respondent_pays_state", "Antragsgegner zahlt der Staatskasse nach", 100'00, 106'00},
      {capped, "divorce.value_divorce", "Wert der Scheidung (§ 43 FamGKG)", 90000'00, 90000'00},
      {capped, "divorce.value_custody", "Wert der elterlichen Sorge (§ 44 FamGKG)", 4000'00, 5000'00},
      {capped, "divorce.court_fees", "2 Gerichtsgebühren", 1994'00, 2116'00},
      {least, "divorce.value_divorce", "Wert der Scheidung (§ 43 FamGKG)", 3000'00, 3000'00},
      {least, "divorce.value_pension", "Wert des Versorgungsausgleichs (§ 50 FamGKG)", 1000'00, 1000'00},
      {least, "divorce.petitioner_total", "Antragsteller trägt insgesamt", 990'85, 1049'43},
      {least, "divorce.advance", "Vorschuss des Antragstellers vor Zustellung", 238'00, 251'00},
      {least, "divorce.respondent_pays_state", "Antragsgegner zahlt der Staatskasse nach", 42'00, 45'00},
      {rights, "divorce.value", "Verfahrenswert (§ 44 Abs. 1 FamGKG)", 60000'00, 60000'00},
      {rights, "divorce.petitioner_pays_state", "Antragsteller zahlt der Staatskasse nach", 85'00, 90'00},
      {rights, "divorce.respondent_pays_state", "Antragsgegner zahlt der Staatskasse nach", 733'00, 778'00},
      {withdrawn, "divorce.withdrawal.court_fees", "0,5 Gerichtsgebühren", 191'00, 202'50},
      {withdrawn, "divorce.withdrawal.respondent_lawyer_costs", "Anwaltskosten des Antragsgegners", 1295'43, 1372'78},
      {withdrawn, "divorce.withdrawal.petitioner_total", "Antragsteller trägt insgesamt", 2781'86, 2948'06},
      {withdrawn, "divorce.withdrawal.respondent_total", "Antragsgegner trägt insgesamt", 0, 0},
      {withdrawn, "divorce.respondent_total", "Antragsgegner trägt insgesamt", 2851'25, 3023'00},
      {aided, "divorce.petitioner_lawyer_from_state", "Staatskasse zahlt Anwalt des Antragstellers", 1210'83, 1314'95},
      {aided, "divorce.petitioner_total", "Antragsteller trägt insgesamt", 0, 0},
      {aided, "divorce.state_total", "Staatskasse trägt insgesamt", 1592'83, 1719'95},
      {aided, "divorce.respondent_pays_state", "Antragsgegner zahlt der Staatskasse nach", 382'00, 405'00},
  };
  // clang-format on
  expectWorkedRows(cases);
  // An aided petitioner advances nothing.
  EXPECT_EQ(rowOf(figuresOf(aided, false), "divorce.advance"), nullptr);
}

// The case by its days, worked from the tables: law.md's case (10.000,
// pending 15.03.2024, both mandates in 2024, the defendant's appeal of its
// 6.000 filed 10.01.2026 failing, the claimant winning 60 %): the first
// instance under 2021, 3 x 266,00 and (2,5 x 614,00 + 20,00) x 1,19; the
// appeal under 2025, 4 x 193,00 and (2,8 x 414,00 + 20,00) x 1,19; the
// claimant bears 40 % of 4.498,90, the defendant 60 % of it and the
// appeal's 3.578,50. Beside it the column of 2025. A business fee of 1,3
// earned under 2021 is credited onto the lawsuit of 2025 at 0,65 x 614,00
// = 399,10: (1.630,00 - 399,10 + 20,00) x 1,19; of 2025 at 0,65 x 652,00.
// A defendant mandated after 31.05.2025 in a lawsuit pending before: its
// own bill under 2025, the claimant's and the court's under 2021.
TEST(RunZebFigures, TheCaseByItsDaysWorkedByHand) {
  const std::vector<const char*> worked = {"10000",
                                           "-2025",
                                           "-O60",
                                           "-berufungB",
                                           "-anhaengig15.03.2024",
                                           "-auftragK01.03.2024",
                                           "-auftragB01.04.2024",
                                           "-berufungAm10.01.2026"};
  const std::vector<const char*> credit = {
      "10000", "-2025", "-GK", "-anhaengig15.07.2025", "-vorgerichtK01.02.2025", "-k"};
  const std::vector<const char*> split = {"10000", "-2025", "-anhaengig20.05.2025",
                                          "-auftragB20.06.2025", "-k"};
  // A divorce pending 20.05.2025 whose petitioner mandated a lawyer on
  // 10.06.2025: court fee and advance under 2021 (2 x 382,00; 2 x 324,00 on
  // 15.000), the lawyer under 2025; the petitioner bears 2.618,00 + 382,00.
  const std::vector<const char*> divorce = {"-scheidung",         "-2025",
                                            "-nettoK3000",        "-nettoB2000",
                                            "-anrechte4",         "-anhaengig20.05.2025",
                                            "-auftragK10.06.2025"};
  // clang-format off
  const WorkedRow cases[] = {
      {worked, "first_instance.court_fees", "3 Gerichtsgebühren", 798'00, 849'00},
      {worked, "first_instance.lawyer_costs", "2,5 Anwaltsgebühren + Auslagenpauschale + MwSt", 1850'45, 1963'50},
      {worked, "appeal.court_fees", "4 Gerichtsgebühren", 772'00, 772'00},
      {worked, "appeal.lawyer_costs", "2,8 Anwaltsgebühren + Auslagenpauschale + MwSt", 1403'25, 1403'25},
      {worked, "totals.claimant_with_appeal", "Kläger trägt mit Berufung", 1799'56, 1910'40},
      {worked, "totals.defendant_with_appeal", "Beklagter trägt mit Berufung", 6277'84, 6444'10},
      {credit, "pre_trial.claimant_lawyer_costs", "Anwaltskosten des Klägers", 973'66, 1032'44},
      {credit, "first_instance.claimant_lawyer_costs", "Anwaltskosten des Klägers", 1488'57, 1459'18},
      {split, "first_instance.court_fees", "3 Gerichtsgebühren", 798'00, 849'00},
      {split, "first_instance.claimant_lawyer_costs", "Anwaltskosten des Klägers", 1850'45, 1963'50},
      {split, "first_instance.defendant_lawyer_costs", "Anwaltskosten des Beklagten", 1963'50, 1963'50},
      {divorce, "divorce.court_fees", "2 Gerichtsgebühren", 764'00, 810'00},
      {divorce, "divorce.petitioner_lawyer_costs", "Anwaltskosten des Antragstellers", 2618'00, 2618'00},
      {divorce, "divorce.petitioner_total", "Antragsteller trägt insgesamt", 3000'00, 3023'00},
      {divorce, "divorce.advance", "Vorschuss des Antragstellers vor Zustellung", 648'00, 688'00},
  };
  // clang-format on
  expectWorkedRows(cases);
  EXPECT_EQ(figuresOf(worked, false).oldColumn, "Kosten nach den Daten des Falls");
}

// The section of a refused application for legal aid is named for the side
// that applied; after the claimant's no lawsuit follows.
TEST(RunZebFigures, TheRefusedAidSectionNamesTheSideThatApplied) {
  struct Case {
    std::vector<const char*> words;
    const char* heading;
  };
  const Case cases[] = {
      {{"10000", "-2025", "-pkhK", "-k"}, "Prozesskostenhilfe des Klägers abgelehnt, keine Klage"},
      {{"10000", "-2025", "-pkhB", "-k"}, "Prozesskostenhilfe des Beklagten abgelehnt"},
      {{"10000", "-2025", "-pkhB", "-pkhK", "-O60"},
       "Prozesskostenhilfe beider Parteien abgelehnt, keine Klage"},
  };
  for (const Case& c : cases) {
    const Figures figures = figuresOf(c.words, false);
    const auto heading =
        std::find_if(figures.headings.begin(), figures.headings.end(),
                     [](const FigureHeading& h) { return h.key == "aid_refused"; });
    ASSERT_NE(heading, figures.headings.end()) << c.heading;
    EXPECT_EQ(heading->label, c.heading);
  }
}

// Around the lawsuit, worked by hand from 01.06.2025 for 10.000 euros (the
// 1,0 fees: court 283,00, lawyer 652,00). The crediting chain (law.md):
// business fee 1.032,44, payment order 295,36 (652,00 - 0,65 x 652,00 =
// 228,20 + 20,00 + 47,16), first instance 1.187,62 (847,60 - 652,00 + 782,40
// + 20,00 + 189,62), its court fees 849,00 - 141,50. Two clients raise 2,0
// to 2,3 but not the credit of 0,75: 1.043,20 - 489,00 + 782,40 + 20,00 +
// 257,75. The defendant's 3307 (326,00) takes all of the credit it can,
// the rest 97,80 goes onto its 3100: 20,00 + 3,80; 847,60 - 423,80 + 782,40
// + 20,00 + 232,98. Evidence of 1.500,00 advanced by the defendant: 849,00
// + 1.500,00 + 2 x 1.963,50 = 6.276,00, the claimant bears 40 % = 2.510,40
// and has paid 2.812,50. The settlement after the chain: half of 283,00 +
// 1.500,00, and the claimant's own 1.032,44 + 295,36 + 1.963,50 (3100 less
// 652,00, 3104, 1003: 1.630,00 + 20,00 + 313,50). What no one refunds:
// 1.032,44 + 295,36 + 1.187,62 - (799,68 + 1.187,62) = 528,12; the appeal
// 1.132,00 + 2 x 2.196,26, of which 40 % = 2.209,81. A claimant that sues
// without a lawyer keeps its business fee's bill, 1.032,44, all of it.
// The totals count what the parties bear: with an expert's 1.500,00, the
// first instance 849,00 + 1.500,00 + the claimant's 1.032,44 + 295,36 +
// 1.187,62 + the defendant's 411,74 + 1.575,56 = 6.851,72, and the appeal
// 5.524,52; at 70 % the claimant bears 30 % of 849,00 + 1.500,00 + 2 x
// 1.987,30 = 1.897,08, and 528,12 that no one refunds it.
// Legal aid (law.md's worked lines): each regular bill 1.963,50, the
// assigned lawyer's 374,00 x 2,5 = 935,00 + 20,00 + 177,65 = 1.136,45.
// Aided claimant at 60 %: the defendant bears 60 % of 3.927,00, less its
// own 1.963,50: 392,70 to the claimant's lawyer, who keeps it (his
// difference is 827,05) and receives 1.529,15; the state 339,60 of 849,00
// and 1.136,45. Losing all, the claimant pays the defendant 1.963,50.
// Aided defendant: the claimant's 509,40 comes back from the state, which
// bears 1.645,85. A settlement: 374,00 x 3,5 + 20,00 + 19 % = 1.581,51;
// the aided defendant owes half of 283,00, the claimant bears 2.739,38 +
// 141,50. The application refused: 652,00 + 20,00 + 127,68 = 799,68. At
// 4.000 euros the assigned lawyer gets the § 13 fee: 295,00 x 2,5 + 20,00
// + 19 % = 901,43.
TEST(RunZebFigures, AroundTheLawsuitWorkedByHand) {
  struct Case {
    std::vector<const char*> words;
    const char* key;
    std::int64_t now;
  };
  const std::vector<const char*> chain = {"10000", "-2025", "-GK", "-mahn", "-k"};
  const std::vector<const char*> settled = {"10000", "-2025", "-GK",  "-mahn",
                                            "-k",    "-V",    "-O60", "-beweisB1500"};
  const std::vector<const char*> expert = {"10000", "-2025",        "-GK",
                                           "-mahn", "-beweisK1500", "-O70"};
  const std::vector<const char*> aidK = {"10000", "-2025", "-pkhK", "-O60", "-k"};
  const std::vector<const char*> aidB = {"10000", "-2025", "-pkhB", "-O60", "-k", "-V"};
  // clang-format off
  const Case cases[] = {
      {chain, "pre_trial.claimant_lawyer_costs", 1032'44},
      {chain, "payment_order.claimant_lawyer_costs", 295'36},
      {chain, "first_instance.claimant_lawyer_costs", 1187'62},
      {chain, "first_instance.court_fees", 707'50},
      {{"10000", "-2025", "-GK2", "-auftraggeberK2", "-k"}, "first_instance.claimant_lawyer_costs", 1614'35},
      {{"10000", "-2025", "-GB", "-mahn", "-k"}, "payment_order.defendant_lawyer_costs", 23'80},
      {{"10000", "-2025", "-GB", "-mahn", "-k"}, "first_instance.defendant_lawyer_costs", 1459'18},
      {{"10000", "-2025", "-beweisB1500", "-O60", "-k"}, "first_instance.to_distribute", 6276'00},
      {{"10000", "-2025", "-beweisB1500", "-O60", "-k"}, "first_instance.defendant_pays_claimant", 302'10},
      {settled, "first_instance.evidence", 1500'00},
      {settled, "first_instance.settlement.claimant_bears", 891'50 + 1032'44 + 295'36 + 1963'50},
      {settled, "first_instance.claimant_not_refunded", 528'12},
      {{"10000", "-2025", "-GK", "-O60"}, "totals.claimant_with_appeal", 1910'40 + 528'12 + 2209'81},
      {{"10000", "-2025", "-O60", "-ohneK", "-GK", "-k"}, "first_instance.claimant_not_refunded", 1032'44},
      {expert, "totals.with_appeal", 6851'72 + 5524'52},
      {expert, "first_instance.claimant_total", 1897'08 + 528'12},
      {aidK, "first_instance.claimant_lawyer_from_state", 1136'45},
      {aidK, "first_instance.defendant_pays_claimant", 392'70},
      {aidK, "first_instance.claimant_lawyer_receives", 1529'15},
      {aidK, "first_instance.claimant_total", 0},
      {aidK, "first_instance.defendant_total", 1963'50 + 509'40 + 392'70},
      {aidK, "first_instance.state_total", 339'60 + 1136'45},
      {aidK, "aid_refused.claimant_lawyer_costs", 799'68},
      {{"10000", "-2025", "-pkhK", "-O0", "-k"}, "first_instance.claimant_total", 1963'50},
      {aidB, "first_instance.defendant_pays_claimant", 392'70},
      {aidB, "first_instance.court_refund_to_claimant", 509'40},
      {aidB, "first_instance.state_total", 509'40 + 1136'45},
      {aidB, "first_instance.settlement.defendant_lawyer_from_state", 1581'51},
      {aidB, "first_instance.settlement.defendant_total", 141'50},
      {aidB, "first_instance.settlement.claimant_total", 2739'38 + 141'50},
      {{"4000", "-2025", "-pkhK", "-k"}, "first_instance.claimant_lawyer_from_state", 901'43},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const Figures figures = figuresOf(c.words, false);
    const FigureRow* row = rowOf(figures, c.key);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(figureText(row->newValue, 2), decimalText({c.now, 2}));
  }
}

// The keys of the rows of `figures` and of its headings, each followed by
// a blank.
std::pair<std::string, std::string> keysOf(const Figures& figures) {
  std::pair<std::string, std::string> keys;
  for (const FigureRow& row : figures.rows) keys.first += row.key + " ";
  for (const FigureHeading& heading : figures.headings) keys.second += heading.key + " ";
  return keys;
}

// The keys of the rows and headings, as those who read the figures ask for
// them: every section, variant and row of the report by its name.
TEST(RunZebFigures, KeysNameEveryRowAndHeading) {
  const auto under = [](const std::string& path, std::initializer_list<const char*> names) {
    std::string keys;
    for (const char* name : names) keys += path + "." + name + " ";
    return keys;
  };
  const auto block = [&](const std::string& path) {
    return under(path, {"court_fees", "lawyer_fees", "lawyer_costs", "process_costs"});
  };
  const auto blockAndShares = [&](const std::string& path) {
    return block(path) + under(path, {"to_distribute", "claimant_share", "defendant_share"});
  };
  const std::string base = under("header", {"amount", "court_fee", "lawyer_fee"});
  const std::string first =
      blockAndShares("first_instance") +
      under("first_instance", {"defendant_pays_claimant", "claimant_pays_defendant"});
  const std::string totals =
      under("totals", {"with_appeal", "with_revision", "with_bgh_revision", "claimant_with_appeal",
                       "defendant_with_appeal", "claimant_with_revision", "defendant_with_revision",
                       "claimant_with_bgh_revision", "defendant_with_bgh_revision"});
  const std::pair<std::string, std::string> cases[] = {
      {base + first + block("first_instance.settlement") +
           under("first_instance.settlement", {"half_each", "claimant_bears", "defendant_bears"}),
       "first_instance first_instance.judgment first_instance.settlement "},
      {base + "payment_order.court_fees " + first + blockAndShares("appeal") +
           blockAndShares("revision") + blockAndShares("revision_bgh") + totals,
       "payment_order first_instance appeal revision revision_bgh totals "},
  };
  EXPECT_EQ(keysOf(figuresOf({"5000", "-2025", "-k", "-V", "-O60"}, false)), cases[0]);
  EXPECT_EQ(keysOf(figuresOf({"5000", "-2021", "-O3/4"}, false)), cases[1]);
  // The endings follow the judgement, which has its sub-heading without -V
  // too; their rows are each party's bill.
  const auto ending = [&](const std::string& path) {
    return under(path, {"court_fees", "claimant_lawyer_costs", "defendant_lawyer_costs",
                        "process_costs", "to_distribute", "claimant_share", "defendant_share",
                        "defendant_pays_claimant", "claimant_pays_defendant"});
  };

  EXPECT_EQ(
      keysOf(figuresOf({"5000", "-2025", "-k", "-O60", "-versaeumnis", "-ruecknahme"}, false)),
      std::make_pair(base + first + ending("first_instance.withdrawal") +
                         ending("first_instance.default_judgment"),
                     std::string("first_instance first_instance.judgment "
                                 "first_instance.withdrawal "
                                 "first_instance.default_judgment ")));
}

// A key is the same in every edition, and the judgement's rows keep theirs
// when -V adds the settlement.
TEST(RunZebFigures, KeysAreTheSameInEveryEditionAndWithoutTheSettlement) {
  for (const std::vector<const char*>& sections :
       std::vector<std::vector<const char*>>{{}, {"-k"}, {"-b"}, {"-r"}, {"-m"}, {"-k", "-b"}}) {
    std::vector<const char*> words = {"30000001"};
    words.insert(words.end(), sections.begin(), sections.end());
    SCOPED_TRACE(sections.empty() ? "" : sections[0]);
    const std::string keys = keysOf(figuresOf(words, false)).first;
    for (const char* edition : {"-2021", "-2025"}) {
      words.push_back(edition);
      EXPECT_EQ(keysOf(figuresOf(words, false)).first, keys);
      words.pop_back();
    }
    words.push_back("-V");
    std::string withSettlement;
    for (const FigureRow& row : figuresOf(words, false).rows) {
      if (row.key.find(".settlement.") == std::string::npos) withSettlement += row.key + " ";
    }
    EXPECT_EQ(withSettlement, keys);
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
