#include "run/batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "report/code_page.h"

namespace zeb {
namespace {

struct Ran {
  int status;
  std::string out;  // UTF-8
  std::string err;  // in UTF-8 from code page 850
};

std::string contentsOf(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char block[4096];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
  std::fclose(file);
  return text;
}

// `zeb -stapel <words>` with `input` on standard input.
Ran batchOf(const std::string& input, std::vector<const char*> words = {}) {
  words.insert(words.begin(), {"zeb", "-stapel"});
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  const int status = runBatch(static_cast<int>(words.size()), words.data(), in, out, err);
  std::fclose(in);
  return {status, contentsOf(out), utf8FromCodePage850(contentsOf(err))};
}

// The lines of `text`, each ended by a line feed.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// By hand, 10.000 euros: court fees 3 x 266,00 = 798,00 until 31.05.2025 and
// 3 x 283,00 = 849,00 from 01.06.2025; under -2021 5.000 euros 3 x 146,00 =
// 438,00 and 3 x 161,00 = 483,00.
constexpr char kCourtFees10000[] = R"("first_instance.court_fees":[798.00,849.00])";

TEST(RunBatch, ReadsOneClaimALineWithItsOwnAndTheSharedWords) {
  const std::string tooLong(70'000, 'x');
  struct Case {
    const char* name;
    std::string input;
    std::vector<const char*> words;
    std::vector<std::string> starts;  // how each line of the output starts
    std::vector<std::string> holds;   // what some line holds
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"a claim",
       "10000 -2025 -k\n",
       {},
       {R"({"line":1,"status":0,"amount":10000,)"},
       {kCourtFees10000},
       0,
       ""},
      {"comments, blanks, tabs, CR LF, no last line feed",
       "# Forderungen\n\n   \n \t10000\t-2025  -k\r\n5000 -2021 -k",
       {},
       {R"({"line":4,"status":0,)", R"({"line":5,"status":0,"amount":5000,)"},
       {kCourtFees10000, R"("first_instance.court_fees":[438.00,483.00])"},
       0,
       ""},
      {"shared words",
       "10000\n",
       {"-2025", "-k"},
       {R"({"line":1,"status":0,)"},
       {kCourtFees10000},
       0,
       ""},
      {"a refused line stops nothing",
       "10000 -2025 -Q\n5000\n10000 -2025 -k\n",
       {},
       {R"({"line":1,"status":2,"error":"zeb: -Q: )",
        R"({"line":2,"status":2,"error":"zeb: Im Stapel )", R"({"line":3,"status":0,)"},
       {R"(\u000a Richtig: zeb 5000 -2025"})"},
       kClaimsRefused,
       "zeb: 1 Forderungen berechnet, 2 zurückgewiesen.\n"},
      {"a line longer than a block",
       tooLong + "\n10000 -2025 -k\n",
       {},
       {R"({"line":1,"status":2,"error":"zeb: Die Zeile ist länger)", R"({"line":2,"status":0,)"},
       {},
       kClaimsRefused,
       "zeb: 1 Forderungen berechnet, 1 zurückgewiesen.\n"},
      // law.md: the employee who wins bears its own lawyer, 1.683,85 /
      // 1.786,49; -arbeit computes with the columns of -2025 alone.
      {"the labour courts, claim by claim",
       "9000 -2025 -arbeit -k -O100\n9000 -2021 -arbeit -k\n",
       {},
       {R"({"line":1,"status":0,"amount":9000,)", R"({"line":2,"status":2,"error":"zeb: -arbeit )"},
       {R"("first_instance.claimant_total":[1683.85,1786.49])"},
       kClaimsRefused,
       "zeb: 1 Forderungen berechnet, 1 zurückgewiesen.\n"},
      // law.md's divorce: its value is the amount; an amount before it is
      // refused.
      {"divorces, claim by claim",
       "-scheidung -nettoK3000 -nettoB2000 -anrechte4\n5000 -scheidung -nettoK1 -nettoB1\n",
       {"-2025"},
       {R"({"line":1,"status":0,"amount":21000,)",
        R"({"line":2,"status":2,"error":"zeb: \"5000\")"},
       {R"("divorce.petitioner_total":[2851.25,3023.00],"divorce.respondent_total":[382.00,405.00])"},
       kClaimsRefused,
       "zeb: 1 Forderungen berechnet, 1 zurückgewiesen.\n"},
      // What Notepad saves: a byte order mark first.
      {"a byte order mark",
       "\357\273\27710000 -2025 -k\n",
       {},
       {R"({"line":1,"status":0,)"},
       {kCourtFees10000},
       0,
       ""},
      // A shared word says the claim's share again, otherwise; the same
      // share said twice is said once.
      {"a shared word against the line's own",
       "5000 -2025 -O50\n5000 -2025 -O70,00\n",
       {"-O70"},
       {R"({"line":1,"status":2,"error":"zeb: -O50 und -O70 hinter -stapel widersprechen sich:)",
        R"({"line":2,"status":0,)"},
       {},
       kClaimsRefused,
       "zeb: 1 Forderungen berechnet, 1 zurückgewiesen.\n"},
      // Above the cap the line says so, as -J does.
      {"above the cap",
       "40000000 -2025 -k\n",
       {},
       {R"({"line":1,"status":0,"amount":30000000,)"},
       {R"(,"remarks":["Der Streitwert zählt höchstens mit 30.000.000 Euro (§ 39 Abs. 2 GKG;)"},
       0,
       ""},
      {"a table",
       "10000 -2025 -O60\n",
       {"-csv", "first_instance.court_fees,header.amount"},
       {"\357\273\277line;status;law;first_instance.court_fees.old;first_instance.court_fees.new;"
        "header.amount;error",
        "1;0;2025;798,00;849,00;10000,00;"},
       {},
       0,
       ""},
      {"a key no report has",
       "10000 -2025\n",
       {"-csv", "first_instance.court_fee"},
       {"\357\273\277line;status;law;first_instance.court_fee.old;", "1;0;2025;;;"},
       {},
       0,
       "zeb: -csv: first_instance.court_fee steht in keinem Bericht des Stapels.\n"},
      {"two files",
       "",
       {"a.txt", "b.txt"},
       {},
       {},
       2,
       "zeb: -stapel liest eine Datei, nicht a.txt und b.txt.\n Richtig: zeb -stapel a.txt\n"},
      {"a key that is none", "", {"-csv", "Betrag"}, {}, {}, 2, "zeb: -csv Betrag: Schlüssel"},
  };
  for (const Case& c : cases) {
    const Ran ran = batchOf(c.input, c.words);
    const std::vector<std::string> lines = linesOf(ran.out);
    ASSERT_EQ(lines.size(), c.starts.size()) << c.name << "\n" << ran.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].substr(0, c.starts[i].size()), c.starts[i]) << c.name;
    }
    for (const std::string& piece : c.holds)
      EXPECT_NE(ran.out.find(piece), std::string::npos) << c.name;
    EXPECT_EQ(ran.status, c.status) << c.name;
    // The whole message, or its start where it goes on.
    if (c.err.empty() || c.err.back() == '\n') {
      EXPECT_EQ(ran.err, c.err) << c.name;
    } else {
      EXPECT_EQ(ran.err.substr(0, c.err.size()), c.err) << c.name;
    }
  }
}

}  // namespace
}  // namespace zeb
