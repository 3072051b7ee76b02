// End-to-end: the built program, its bytes on both streams and its status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/run_binary.h"

namespace zeb::testing {
namespace {

const std::string kBanner =
    "\n ************************\n ***       ZEB        ***\n *** ZEB-Projekt 2026 ***\n"
    " ************************\n\n";

const std::string kColumnHeader =
    std::string(81, '=') + "\nPosition" + std::string(42, ' ') +
    "Kosten bis 31.07.2013\t\t\t\tKosten ab 01.08.2013\t\t\tVer\204nderung\n";

ProcessResult zeb(std::vector<std::string> arguments, Sink out = Sink::Captured) {
  arguments.insert(arguments.begin(), "zeb");
  return runProgram(arguments, out);
}

TEST(Usage, NoArgumentShowsTheUsageScreen) {
  const ProcessResult run = zeb({});
  EXPECT_EQ(run.out, readGolden("usage.txt"));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 1);
}

TEST(Usage, ShowsTheInvocationNameAsGiven) {
  const ProcessResult run = runProgram({"/opt/bin/zeb-8"});
  EXPECT_NE(run.out.find("\n Syntax: /opt/bin/zeb-8 <Streitwert> [Optionen]\n\n"),
            std::string::npos);
  EXPECT_EQ(run.status, 1);
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// The three base rows, written out: each label padded to its 50 columns,
// the amounts and percentages worked by hand.
const std::string k5000Rows =
    "Streitwert:" + blanks(39) + "    5000.00 Euro\n" + "Gerichtsgeb\201hr:" + blanks(35) +
    "      121.00 Euro\t=   2 % des Streitwertes\t      146.00 Euro\t=   3 % des Streitwertes"
    "    = + 20.7 %\n" +
    "Anwaltsgeb\201hr:" + blanks(36) +
    "      301.00 Euro\t=   6 % des Streitwertes\t      303.00 Euro\t=   6 % des Streitwertes"
    "    = +  0.7 %\n";

// A percent basis of 0: only the old values.
const std::string kZeroRows = "Streitwert:" + blanks(39) + "       0.00 Euro\n" +
                              "Gerichtsgeb\201hr:" + blanks(35) + "      25.00 Euro\n" +
                              "Anwaltsgeb\201hr:" + blanks(36) + "      25.00 Euro\n";

TEST(BaseRows, SingleFeesOfBothSchedules) {
  struct Case {
    std::string amount, rows;
  };
  const Case cases[] = {
      {"5000", k5000Rows},
      {"1000", "Streitwert:" + blanks(39) + "    1000.00 Euro\n" +
                   "Gerichtsgeb\201hr:" + blanks(35) +
                   "       55.00 Euro\t=   6 % des Streitwertes\t       53.00 Euro\t=   5 % des "
                   "Streitwertes    = -  3.6 %\n" +
                   "Anwaltsgeb\201hr:" + blanks(36) +
                   "       85.00 Euro\t=   9 % des Streitwertes\t       80.00 Euro\t=   8 % des "
                   "Streitwertes    = -  5.9 %\n"},
      {"0", kZeroRows},
      // The amount is handed over in single precision: 2^31, wider than its
      // column. The fees are below 0.5 per cent of it; 7732736 / 6443956 =
      // 1.19999...
      {"2147483647",
       "Streitwert:" + blanks(39) + "2147483648.00 Euro\n" + "Gerichtsgeb\201hr:" + blanks(35) +
           "  6443956.00 Euro\t=   0 % des Streitwertes\t  7732736.00 Euro\t=   0 % des "
           "Streitwertes    = + 20.0 %\n" +
           "Anwaltsgeb\201hr:" + blanks(36) +
           "  6443996.00 Euro\t=   0 % des Streitwertes\t  6444213.00 Euro\t=   0 % des "
           "Streitwertes    = +  0.0 %\n"},
      // 2^32 wraps to 0, 3000000000 to -1294967296 (see the amount tests).
      {"4294967296", kZeroRows},
      {"  +5000abc", k5000Rows},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    const ProcessResult run = zeb({c.amount, "-k", "-b", "-A"});
    EXPECT_EQ(run.out, kBanner + kColumnHeader + c.rows);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

// Argument forms that must give exactly the report of another form.
TEST(CommandLine, EquivalentArgumentForms) {
  struct Case {
    std::vector<std::string> arguments, sameAs;
  };
  const Case cases[] = {
      {{"5000", "-E"}, {"5000"}},
      {{"5000", "-H"}, {"5000"}},
      {{"5000", "-kb"}, {"5000"}},
      {{"5000", "--help"}, {"5000"}},
      {{"5000", "-anerkenntniss", "--mahn", "-gk", "-Auftraggeberk2"}, {"5000"}},
      {{"10000", "-2025", "-k", "-beweisK1.500,00"}, {"10000", "-2025", "-k", "-beweisK1500.00"}},
      {{"5000", "-k", "-k"}, {"5000", "-k"}},
      {{"5000", "-b", "-k"}, {"5000", "-k", "-b"}},
      {{"5000", "-m", "-r"}, {"5000", "-k", "-b"}},
      {{"-h"}, {"0"}},
      {{"-h", "5000"}, {"0", "-h"}},
      {{"-k", "5000"}, {"0", "-k"}},
      {{"12abc"}, {"12"}},
      {{"+7"}, {"7"}},
      {{"abc"}, {"0"}},
      {{"4294967296"}, {"0"}},
      {{"5000", "-V", "-A", "-E"}, {"5000", "-E", "-A", "-V"}},
      {{"-J"}, {"0"}},
      {{"5000", "-2025", "-J", "-E", "-A"}, {"5000", "-2025", "-J"}},
      // A word given twice with the same value counts once.
      {{"5000", "-2025", "-O70", "-2025", "-O70,00"}, {"5000", "-2025", "-O70"}},
      {{"5000", "-2025", "-GK", "-O60", "-GK1,3"}, {"5000", "-2025", "-GK", "-O60"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[0] + " " + (c.arguments.size() > 1 ? c.arguments[1] : ""));
    const ProcessResult run = zeb(c.arguments);
    const ProcessResult expected = zeb(c.sameAs);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, expected.err);
    EXPECT_EQ(run.status, 0);
  }
}

// Which blocks each switch set prints, by their heading lines.
TEST(CommandLine, SectionSwitchesChooseTheBlocks) {
  const std::string paymentOrder = " Mahnverfahren: ";
  const std::string firstInstance = " Erstinstanzliches Verfahren";
  const std::string appeal = " Berufungsverfahren in Zivilsachen";
  const std::string revision = " Revisionsverfahren (soweit nicht";
  const std::string bghRevision = " Revisionsverfahren (soweit die";
  const std::string totals = " Gesamtkosten mehrerer Instanzen: ";
  const std::string notes = "\nAnmerkungen:\n";
  struct Case {
    std::string switches;
    std::vector<std::string> present, absent;
  };
  const Case cases[] = {
      {"", {paymentOrder, firstInstance, appeal, revision, bghRevision, totals, notes}, {}},
      {"-k", {firstInstance, notes}, {paymentOrder, appeal, revision, totals}},
      {"-b", {appeal, notes}, {paymentOrder, firstInstance, revision, totals}},
      {"-r", {revision, bghRevision, notes}, {paymentOrder, firstInstance, appeal, totals}},
      {"-m", {paymentOrder, notes}, {firstInstance, appeal, revision, totals}},
      {"-A", {paymentOrder, totals}, {notes}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.switches);
    const ProcessResult run = c.switches.empty() ? zeb({"5000"}) : zeb({"5000", c.switches});
    for (const std::string& text : c.present)
      EXPECT_NE(run.out.find(text), std::string::npos) << text;
    for (const std::string& text : c.absent)
      EXPECT_EQ(run.out.find(text), std::string::npos) << text;
  }
}

// Whole reports, reviewed against the worked examples and the statutes.
TEST(Report, GoldenReports) {
  struct Case {
    std::vector<std::string> arguments;
    std::string golden;
  };
  const Case cases[] = {
      {{"1000", "-V"}, "1000-V.txt"},
      {{"5000"}, "5000.txt"},
      {{"0"}, "0.txt"},
      {{"-1000", "-A"}, "minus1000-A.txt"},
      {{"2147483647", "-V", "-A"}, "2147483647-V-A.txt"},
      {{"115000", "-r", "-A"}, "115000-r-A.txt"},
      {{"5000", "-2025", "-V"}, "5000-2025-V.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    const ProcessResult run = zeb(c.arguments);
    EXPECT_EQ(run.out, readGolden(c.golden));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
  }
}

const std::string kProgress5000 = " HTML-Ausgabe f\201r Streitwert 5000 Euro wird erzeugt.\n\n";

// HTML documents: the banner and the progress line go to standard error.
TEST(Report, GoldenHtmlDocuments) {
  struct Case {
    std::vector<std::string> arguments;
    std::string golden, err;
  };
  const Case cases[] = {
      {{"5000", "-h"}, "5000-h.html", kBanner + kProgress5000},
      {{"-1000", "-h", "-E", "-V"},
       "minus1000-h-E-V.html",
       kBanner + " HTML-Ausgabe f\201r Streitwert -1000 Euro wird erzeugt.\n\n"},
      {{"5000", "-2021", "-h", "-E"}, "5000-2021-h-E.html", kBanner + kProgress5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    const ProcessResult run = zeb(c.arguments);
    EXPECT_EQ(run.out, readGolden(c.golden));
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, 0);
  }
}

// Where the table ends and what follows it.
TEST(Report, EndingsWithAndWithoutNotes) {
  struct Case {
    std::vector<std::string> arguments;
    std::string lastLines;
  };
  const Case cases[] = {
      {{"5000", "-h", "-A"}, "</tr>\n\n</table>\n\n\n</body>\n</html>\n\n"},
      {{"5000", "-h"}, "</li>\n</ol>\n</div>\n\n\n</body>\n</html>\n\n"},
      {{"5000", "-h", "-k", "-b", "-A"},
       "<td class=\"prozent\">+  0.7&nbsp;%</td>\n</tr>\n\n</table>\n\n\n</body>\n</html>\n\n"},
      // First instance, old: 3 x 121 + 2 x (2.5 x 301 + 20) x 1.16 = 2155.20;
      // new: 3 x 146 + 2 x (2.5 x 303 + 20) x 1.16 = 2241.80, 4.0 per cent more.
      {{"5000", "-k", "-A"},
       "Proze\341kosten: Gerichtskosten + 2 * Anwaltskosten:      2155.20 Euro\t=  43 % des "
       "Streitwertes\t     2241.80 Euro\t=  45 % des Streitwertes    = +  4.0 %\n"},
      {{"5000", "-k"},
       "\n13. Bei Streitwerten \201ber 2,1 Mrd. Euro liefert das Programm nicht die "
       "gew\201nschten Ergebnisse.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastLines);
    const std::string out = zeb(c.arguments).out;
    EXPECT_TRUE(out.ends_with(c.lastLines)) << out.substr(out.size() - 300);
  }
  EXPECT_NE(zeb({"5000", "-h"}).out.find("</table>\n\n\n<br>\n<div class=\"anmerkung\">\n"),
            std::string::npos);
}

// A command line that can give no report is refused with the reason and
// the command as it should be, nothing on standard output, status 2: a
// reform's amount that is digits only, a share won that is none, a share in
// the report of 2013, a party's switch without a share.
TEST(Reform, CommandLinesWithoutAReportAreRefused) {
  const std::string amount =
      "\" ist kein Streitwert. Der Streitwert steht an erster Stelle und besteht nur aus "
      "Ziffern:\n ganze Euro, mindestens 1, ohne Punkt und Komma (5000, nicht 5.000).\n";
  const std::string share =
      "\" ist kein Anteil. Hinter -O steht, zu welchem Anteil der Kl\204ger obsiegt:\n Prozent von "
      "0 bis 100 mit h\224chstens zwei Nachkommastellen (-O60, -O60%, -O33,33) oder ein Bruch mit "
      "h\224chstens sechs Ziffern je Zahl (-O3/4).\n";
  const std::string in2013 =
      " gilt nur mit -2021 oder -2025: wer die Kosten tr\204gt, rechnet ZEB nach den Geb\201hren "
      "ab 2021 in Cent.\n";
  const std::string alone =
      " gilt nur mit -O, dem Anteil, zu dem der Kl\204ger obsiegt (etwa -O60).\n";
  const std::string around2013 =
      " gilt nur mit -2021 oder -2025: die Kosten um den Prozess rechnet ZEB nach den Geb\201hren "
      "ab 2021 in Cent.\n";
  const std::string ending2013 =
      " gilt nur mit -2021 oder -2025: wie der Prozess endet, rechnet ZEB nach den Geb\201hren ab "
      "2021 in Cent.\n";
  const std::string aid2025 =
      " gilt nur mit -2025: die Geb\201hren des beigeordneten Anwalts (\365 49 RVG) rechnet ZEB "
      "nach den Fassungen von 2021 und 2025, den Spalten von -2025.\n";
  const std::string labour2025 =
      " gilt nur mit -2025: die Geb\201hren der Arbeitsgerichte (KV GKG Teil 8) rechnet ZEB nach "
      "den Fassungen von 2021 und 2025, den Spalten von -2025.\n";
  const std::string rate =
      "Hinter -GK und -GB steht der Satz der Gesch\204ftsgeb\201hr (Nr. 2300 VV RVG) von 0,5 bis "
      "2,5 in Zehnteln (-GK1,5); -GK allein ist 1,3.\n";
  const std::string clients =
      "Hinter -auftraggeberK und -auftraggeberB steht, f\201r wie viele Personen der Anwalt "
      "t\204tig ist: 1 bis 99 (-auftraggeberK2).\n";
  const std::string euros =
      "Hinter -beweisK und -beweisB stehen die Kosten f\201r Zeugen und Sachverst\204ndige in "
      "Euro, h\224chstens neun Ziffern und zwei Nachkommastellen (-beweisK1500, "
      "-beweisK1.500,50 oder -beweisK1500.50).\n";
  const std::string jsonAndHtml =
      "-h gilt nicht mit -J: -J schreibt statt des Berichts seine Zahlen als JSON, -h den Bericht "
      "als HTML-Dokument.\n";
  const std::string meant = ": unbekannte Angabe; gemeint ist wohl ";
  const std::string twice = " widersprechen sich: ";
  const std::string once = " steht nur einmal im Befehl.\n";
  const std::string onceEach = " stehen nur einmal im Befehl.\n";
  const std::string unknown = ": unbekannte Angabe; zeb allein zeigt alle Angaben.\n";
  const std::string noEffect =
      " \204ndert nichts: ohne Anwalt in erster Instanz (-ohneK) und ohne Gesch\204ftsgeb\201hr "
      "(-GK)\n hat der Kl\204ger in diesem Bericht keinen Anwalt, dessen Geb\201hren mehrere "
      "Auftraggeber erh\224hen (Nr. 1008 VV RVG).\n";
  struct Case {
    std::vector<std::string> arguments;
    std::string message, command;
  };
  const Case cases[] = {
      {{"-2025", "5000"}, "\"-2025" + amount, "5000 -2025"},
      {{"-2021", "-V", "7000", "-h", "Euro"}, "\"-2021" + amount, "7000 -2021 -V -h"},
      {{"5.000", "-2025"}, "\"5.000" + amount, "5000 -2025"},
      {{"1e5", "-2025"}, "\"1e5" + amount, "<Streitwert> -2025"},
      {{"0", "-2025"}, "\"0" + amount, "<Streitwert> -2025"},
      {{"", "-2021"}, "\"" + amount, "<Streitwert> -2021"},
      {{"5000\342\202\254", "-2025"}, "\"5000EUR" + amount, "5000 -2025"},
      {{"-O60", "10000", "-2025"}, "\"-O60" + amount, "10000 -O60 -2025"},
      {{"10000", "-2025", "-O"}, "\"-O" + share, "10000 -2025 -O<Prozent>"},
      {{"10000", "-2025", "-O101", "-V"}, "\"-O101" + share, "10000 -2025 -O<Prozent> -V"},
      {{"10000", "-2025", "-O-5"}, "\"-O-5" + share, "10000 -2025 -O<Prozent>"},
      {{"10000", "-2025", "-O3/0"}, "\"-O3/0" + share, "10000 -2025 -O<Prozent>"},
      {{"10000", "-2025", "-O4/3"}, "\"-O4/3" + share, "10000 -2025 -O<Prozent>"},
      {{"10000", "-2025", "-Oabc"}, "\"-Oabc" + share, "10000 -2025 -O<Prozent>"},
      {{"10000", "-2021", "-O1,234"}, "\"-O1,234" + share, "10000 -2021 -O<Prozent>"},
      {{"10000", "-2025", "-O1/99999999999999999999"},
       "\"-O1/99999999999999999999" + share,
       "10000 -2025 -O<Prozent>"},
      {{"5.000", "-O60%%"}, "\"-O60%%" + share, "5000 -2025 -O<Prozent>"},
      {{"10000", "-O60"}, "-O60" + in2013, "10000 -2025 -O60"},
      {{"10000", "-V", "-O3/4", "-k"}, "-O3/4" + in2013, "10000 -2025 -V -O3/4 -k"},
      {{"10000", "-2025", "-ohneK"}, "-ohneK" + alone, "10000 -2025 -O<Prozent> -ohneK"},
      {{"10000", "-vorsteuerB", "-ohneB"},
       "-vorsteuerB" + alone,
       "10000 -2025 -O<Prozent> -vorsteuerB -ohneB"},
      // A share written apart from its -O is the share meant.
      {{"5000", "-2025", "-O", "60"}, "\"-O" + share, "5000 -2025 -O60"},
      {{"-2025", "-O", "33,33", "5000"}, "\"-O" + share, "5000 -2025 -O33,33"},
      {{"5000", "-2025", "-O", "abc"}, "\"-O" + share, "5000 -2025 -O<Prozent>"},
      // -J with -h, and -h left out of the right command wherever -J stands.
      {{"5000", "-J", "-h"}, jsonAndHtml, "5000 -J"},
      {{"5000", "-2025", "-h", "-E", "-O60", "-J", "-h"}, jsonAndHtml, "5000 -2025 -E -O60 -J"},
      {{"-2025", "5000", "-J", "-h"}, "\"-2025" + amount, "5000 -2025 -J"},
      {{"5000", "-O", "3/4", "-J", "-h"}, "\"-O" + share, "5000 -2025 -O3/4 -J"},
      // The words around the lawsuit: with a reform alone, and each value.
      {{"10000", "-GK", "-V"}, "-GK" + around2013, "10000 -2025 -GK -V"},
      {{"10000", "-mahn", "-beweisB10"}, "-mahn" + around2013, "10000 -2025 -mahn -beweisB10"},
      {{"10000", "-2025", "-GK3"},
       "\"-GK3\" ist kein Geb\201hrensatz. " + rate,
       "10000 -2025 -GK<Satz>"},
      {{"10000", "-2025", "-GB1,35"},
       "\"-GB1,35\" ist kein Geb\201hrensatz. " + rate,
       "10000 -2025 -GB<Satz>"},
      {{"10000", "-2021", "-auftraggeberB100"},
       "\"-auftraggeberB100\" ist keine Anzahl. " + clients,
       "10000 -2021 -auftraggeberB<Anzahl>"},
      {{"10000", "-2025", "-beweisK1,234", "-GK"},
       "\"-beweisK1,234\" ist kein Betrag. " + euros,
       "10000 -2025 -beweisK<Euro> -GK"},
      // The endings: with a reform alone; a share in 2013 is named first.
      {{"10000", "-k", "-ruecknahme"}, "-ruecknahme" + ending2013, "10000 -2025 -k -ruecknahme"},
      {{"10000", "-versaeumnis", "-anerkenntnis", "-V"},
       "-versaeumnis" + ending2013,
       "10000 -2025 -versaeumnis -anerkenntnis -V"},
      {{"10000", "-anerkenntnis", "-O60"}, "-O60" + in2013, "10000 -2025 -anerkenntnis -O60"},
      {{"10000", "-anerkenntnis", "-mahn"},
       "-mahn" + around2013,
       "10000 -2025 -anerkenntnis -mahn"},
      {{"-ruecknahme", "10000", "-2025"}, "\"-ruecknahme" + amount, "10000 -ruecknahme -2025"},
      // A reform knows every word: one it does not, with the word meant.
      {{"10000", "-2025", "-anerkenntniss"},
       "-anerkenntniss" + meant + "-anerkenntnis.\n",
       "10000 -2025 -anerkenntnis"},
      {{"10000", "-2025", "-mahnverfahren", "-x", "-k"},
       "-mahnverfahren" + meant + "-mahn.\n",
       "10000 -2025 -mahn -k"},
      {{"10000", "-2021", "--mahn"}, "--mahn" + meant + "-mahn.\n", "10000 -2021 -mahn"},
      {{"10000", "-2025", "-gk", "-Auftraggeberk2"},
       "-gk" + meant + "-GK.\n",
       "10000 -2025 -GK -auftraggeberK2"},
      {{"10000", "-2025", "-x", "-Ohnek"}, "-x" + unknown, "10000 -2025 -ohneK"},
      {{"10000", "-2025", "-Ohnek", "-O60"},
       "-Ohnek" + meant + "-ohneK.\n",
       "10000 -2025 -ohneK -O60"},
      {{"10000", "-2025", "5000"}, "5000" + unknown, "10000 -2025"},
      // A word near a law is the mistake where the report needs a law; a
      // word without its dash is the word with it; the right command says
      // each word once.
      {{"12500", "-2O25", "-O70"}, "-2O25" + meant + "-2025.\n", "12500 -2025 -O70"},
      {{"12500", "-O70", "--2025"}, "--2025" + meant + "-2025.\n", "12500 -O70 -2025"},
      {{"12500", "-2o21", "-GK"}, "-2o21" + meant + "-2021.\n", "12500 -2021 -GK"},
      {{"12500", "O70", "-2025"}, "O70" + meant + "-O70.\n", "12500 -O70 -2025"},
      {{"5000", "-2025", "-k", "-Q", "-k"}, "-Q" + unknown, "5000 -2025 -k"},
      // A word that says again, otherwise, what an earlier one said.
      {{"5000", "-2025", "-O70", "-O30"},
       "-O70 und -O30" + twice + "der Anteil, zu dem der Kl\204ger obsiegt," + once,
       "5000 -2025 -O70"},
      {{"5000", "-2025", "-V", "-2021"},
       "-2025 und -2021" + twice + "das Recht" + once,
       "5000 -2025 -V"},
      {{"5000", "-2021", "-GB", "-O60", "-GB1,5"},
       "-GB und -GB1,5" + twice + "die Gesch\204ftsgeb\201hr des Beklagten" + once,
       "5000 -2021 -GB -O60"},
      {{"5000", "-2025", "-beweisK100", "-beweisK100,01"},
       "-beweisK100 und -beweisK100,01" + twice +
           "die Kosten f\201r Zeugen und Sachverst\204ndige des Kl\204gers" + onceEach,
       "5000 -2025 -beweisK100"},
      // Several clients of a party that has no lawyer in the report.
      {{"10000", "-2025", "-O60", "-ohneK", "-auftraggeberK2", "-k"},
       "-auftraggeberK2" + noEffect,
       "10000 -2025 -O60 -ohneK -k"},
      // Legal aid: the § 49 lists of 2021 and 2025 are -2025's columns; an
      // aided party has a lawyer; what is not computed with it.
      {{"10000", "-pkhK"}, "-pkhK" + aid2025, "10000 -2025 -pkhK"},
      {{"10000", "-2021", "-pkhB", "-O60", "-2021"}, "-pkhB" + aid2025, "10000 -2025 -pkhB -O60"},
      {{"10000", "-2025", "-pkhK", "-O60", "-ohneK"},
       "-ohneK gilt nicht mit -pkhK: mit Prozesskostenhilfe hat die Partei einen Anwalt.\n",
       "10000 -2025 -pkhK -O60"},
      {{"10000", "-2025", "-mahn", "-pkhB"},
       "-mahn gilt nicht mit -pkhB: Prozesskostenhilfe nach einem Mahnverfahren rechnet ZEB "
       "nicht.\n",
       "10000 -2025 -pkhB"},
      {{"10000", "-2025", "-pkhK", "-GK1,5", "-GB"},
       "-GK1,5 gilt nicht mit -pkhK: die Gesch\204ftsgeb\201hr der Partei mit Prozesskostenhilfe "
       "rechnet ZEB nicht.\n",
       "10000 -2025 -pkhK -GB"},
      // The labour courts: Teil 8 KV GKG of 2021 and 2025 are -2025's
      // columns; the report of 2013 refuses the word too.
      {{"9000", "-arbeit", "-k"}, "-arbeit" + labour2025, "9000 -2025 -arbeit -k"},
      {{"9000", "-2021", "-arbeit", "-V"}, "-arbeit" + labour2025, "9000 -2025 -arbeit -V"},
      {{"9000", "-2025", "-arbeit", "-O60", "-pkhK", "-berufungK"},
       "-pkhK gilt nicht mit -berufungK: Prozesskostenhilfe rechnet ZEB bei der Berufung als "
       "Entscheidung nicht.\n",
       "9000 -2025 -arbeit -O60 -berufungK"},
      // An appeal as a decision: a reform and a share, one appellant that
      // lost something, the first instance and the appeal alone.
      {{"10000", "-berufungB"},
       "-berufungB gilt nur mit -2021 oder -2025 und -O, dem Anteil, zu dem der Kl\204ger in "
       "erster Instanz obsiegt (etwa -2025 -O60).\n",
       "10000 -2025 -O<Prozent> -berufungB"},
      {{"10000", "-2025", "-O60", "-berufungB", "-erfolg1,234"},
       "\"-erfolg1,234\" ist kein Anteil. Hinter -erfolg steht, zu welchem Anteil die Berufung "
       "Erfolg hat:\n Prozent von 0 bis 100 mit h\224chstens zwei Nachkommastellen (-erfolg50, "
       "-erfolg33,33) oder ein Bruch mit h\224chstens sechs Ziffern je Zahl (-erfolg1/3).\n",
       "10000 -2025 -O60 -berufungB -erfolg<Prozent>"},
      {{"10000", "-2025", "-O0", "-erfolg50"},
       "-erfolg50 gilt nur mit -berufungK oder -berufungB: der Erfolg der Berufung, die der "
       "Kl\204ger oder der Beklagte einlegt.\n",
       "10000 -2025 -O0 -berufungK -erfolg50"},
      {{"10000", "-2025", "-O60", "-berufungK", "-berufungB"},
       "-berufungB gilt nicht mit -berufungK: Berufungen beider Parteien rechnet ZEB nicht (ihre "
       "Werte werden zusammengerechnet, \365 45 Abs. 2 GKG).\n",
       "10000 -2025 -O60 -berufungK"},
      {{"10000", "-2025", "-O60", "-berufungB", "-r"},
       "-r gilt nicht mit -berufungB: der Bericht zur Berufung zeigt die erste Instanz und die "
       "Berufung.\n",
       "10000 -2025 -O60 -berufungB"},
      {{"10000", "-2025", "-pkhK", "-O60", "-berufungK"},
       "-pkhK gilt nicht mit -berufungK: Prozesskostenhilfe rechnet ZEB bei der Berufung als "
       "Entscheidung nicht.\n",
       "10000 -2025 -O60 -berufungK"},
      // A divorce: no amount, -2025, the incomes of both, none of the
      // lawsuit's words; its own words with it alone.
      {{"5000", "-scheidung", "-2025", "-nettoK3000", "-nettoB2000"},
       "\"5000\": eine Scheidung hat keinen Streitwert; ihren Wert rechnet ZEB aus dem "
       "Nettoeinkommen beider Ehegatten (-nettoK, -nettoB).\n",
       "-scheidung -2025 -nettoK3000 -nettoB2000"},
      {{"-scheidung", "-2021", "-nettoK3000", "-nettoB2000"},
       "-scheidung gilt nur mit -2025: die Geb\201hren des FamGKG rechnet ZEB nach den Fassungen "
       "von 2021 und 2025, den Spalten von -2025.\n",
       "-scheidung -2025 -nettoK3000 -nettoB2000"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-O60"},
       "-O60 gilt nicht mit -scheidung: in einer Scheidung gewinnt niemand, die Kosten werden "
       "gegeneinander aufgehoben (\365 150 Abs. 1 FamFG).\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-arbeit", "-2025", "-scheidung", "-nettoK3000", "-nettoB0"},
       "-arbeit gilt nicht mit -scheidung: die Scheidung ist ein Verfahren vor dem "
       "Familiengericht.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-mahn"},
       "-mahn gilt nicht mit -scheidung: die Kosten um den Prozess rechnet ZEB bei einer "
       "Scheidung nicht.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-berufungB"},
       "-berufungB gilt nicht mit -scheidung: das Rechtsmittel gegen den Scheidungsbeschluss "
       "rechnet ZEB nicht.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-V", "-k"},
       "-V gilt nicht mit -scheidung: einen Vergleich \201ber Folgesachen rechnet ZEB nicht.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-ohneK"},
       "-ohneK gilt nicht mit -scheidung: in einer Scheidung hat diese Angabe keine Bedeutung.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-sorge", "-nettoK3000"},
       "-scheidung braucht das Nettoeinkommen beider Ehegatten im Monat: -nettoK f\201r den "
       "Antragsteller, -nettoB f\201r den Antragsgegner (-nettoK0 f\201r keines).\n",
       "-scheidung -2025 -sorge -nettoK3000 -nettoB<Euro>"},
      {{"-scheidung", "-2025", "-nettoK-3000", "-nettoB0"},
       "\"-nettoK-3000\" ist kein Betrag. Hinter -nettoK und -nettoB steht das Nettoeinkommen "
       "eines Ehegatten im Monat in Euro, h\224chstens neun Ziffern und zwei Nachkommastellen "
       "(-nettoK3000, -nettoK2.500,50).\n",
       "-scheidung -2025 -nettoK<Euro> -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-anrechte31"},
       "\"-anrechte31\" ist keine Anzahl. Hinter -anrechte steht, wie viele Anrechte beide "
       "Ehegatten zusammen im Versorgungsausgleich haben: 0 bis 30 (-anrechte4).\n",
       "-scheidung -2025 -nettoK3000 -nettoB0 -anrechte<Anzahl>"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-nettoK2000"},
       "-nettoK3000 und -nettoK2000" + twice + "das Nettoeinkommen des Antragstellers" + once,
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-sorgen"},
       "-sorgen" + meant + "-sorge.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0 -sorge"},
      {{"10000", "-2025", "-sorge"},
       "-sorge gilt nur mit -scheidung, dem Bericht einer Scheidung mit Folgesachen.\n",
       "10000 -2025"},
      // The case by its days: -2025, the pending day, days in their order
      // from 01.01.2021 on.
      {{"10000", "-2021", "-anhaengig15.03.2024"},
       "-anhaengig15.03.2024 gilt nur mit -2025: die Daten des Falls w\204hlen zwischen den "
       "Fassungen von 2021 und 2025, den Spalten von -2025.\n",
       "10000 -2025 -anhaengig15.03.2024"},
      {{"10000", "-2025", "-auftragB01.04.2024"},
       "-auftragB01.04.2024 braucht -anhaengig: der Tag, an dem die Klage anh\204ngig wurde (nach "
       "einem Mahnverfahren: der Antrag auf den Mahnbescheid),\n entscheidet \201ber die "
       "Gerichtsgeb\201hren und gilt f\201r jeden Auftrag, dessen Tag fehlt.\n",
       "10000 -2025 -anhaengig<TT.MM.JJJJ> -auftragB01.04.2024"},
      {{"10000", "-2025", "-anhaengig29.02.2023"},
       "\"-anhaengig29.02.2023\" ist kein Tag. Hinter -anhaengig, -auftragK, -auftragB, "
       "-vorgerichtK, -vorgerichtB, -berufungAm und -revisionAm steht ein Tag als TT.MM.JJJJ "
       "(-anhaengig15.03.2024).\n",
       "10000 -2025 -anhaengig<TT.MM.JJJJ>"},
      {{"10000", "-2025", "-anhaengig29.02.2024", "-auftragK31.12.2020"},
       "-auftragK31.12.2020: ZEB kennt die Geb\201hren ab 01.01.2021; das Recht davor rechnet "
       "dieser Bericht nicht.\n",
       "10000 -2025 -anhaengig29.02.2024 -auftragK<TT.MM.JJJJ>"},
      {{"10000", "-2025", "-O60", "-anhaengig15.03.2024", "-berufungAm14.03.2024", "-berufungB"},
       "-berufungAm14.03.2024 liegt vor -anhaengig15.03.2024: die Berufung folgt der Klage.\n",
       "10000 -2025 -O60 -anhaengig15.03.2024 -berufungAm<TT.MM.JJJJ> -berufungB"},
      {{"10000", "-2025", "-anhaengig15.03.2024", "-revisionAm01.03.2024"},
       "-revisionAm01.03.2024 liegt vor -anhaengig15.03.2024: die Revision folgt der Berufung.\n",
       "10000 -2025 -anhaengig15.03.2024 -revisionAm<TT.MM.JJJJ>"},
      {{"10000", "-2025", "-GK", "-vorgerichtK02.03.2024", "-auftragK01.03.2024",
        "-anhaengig15.03.2024"},
       "-vorgerichtK02.03.2024 liegt nach -auftragK01.03.2024: der Auftrag vor dem Prozess geht "
       "dem Auftrag f\201r die Klage voraus.\n",
       "10000 -2025 -GK -vorgerichtK<TT.MM.JJJJ> -auftragK01.03.2024 -anhaengig15.03.2024"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-berufungAm15.03.2024"},
       "-berufungAm15.03.2024 gilt nicht mit -scheidung: das Rechtsmittel gegen den "
       "Scheidungsbeschluss rechnet ZEB nicht.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0"},
      {{"-scheidung", "-2025", "-nettoK3000", "-nettoB0", "-auftragK15.03.2024"},
       "-auftragK15.03.2024 braucht -anhaengig: der Tag, an dem das Verfahren anh\204ngig wurde,\n"
       " entscheidet \201ber die Gerichtsgeb\201hren und gilt f\201r jeden Auftrag, dessen Tag "
       "fehlt.\n",
       "-scheidung -2025 -nettoK3000 -nettoB0 -anhaengig<TT.MM.JJJJ> -auftragK15.03.2024"},
      {{"10000", "-2025", "-O100", "-berufungK", "-erfolg5"},
       "-berufungK gilt nicht mit -O100: der Kl\204ger hat in erster Instanz nichts verloren, das "
       "er mit der Berufung angreifen k\224nnte.\n",
       "10000 -2025 -O100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ProcessResult run = zeb(c.arguments);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zeb: " + c.message + " Richtig: zeb " + c.command + "\n");
    EXPECT_EQ(run.status, 2);
  }
}

// Above 30 million euros the fees are those of 30 million, with a line on
// the cap; the report of 2013 knows no cap.
TEST(Reform, TheValueIsCappedAtThirtyMillion) {
  const std::string capped = zeb({"30000001", "-2025", "-V"}).out;
  const std::string line =
      "Der Streitwert z\204hlt h\224chstens mit 30.000.000 Euro (\365 39 Abs. 2 GKG; \365 22 Abs. "
      "2 "
      "RVG f\201r einen Auftraggeber in derselben Angelegenheit).\n";
  const std::size_t at = capped.find(line);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(capped.substr(0, at) + capped.substr(at + line.size()),
            zeb({"30000000", "-2025", "-V"}).out);
  EXPECT_EQ(zeb({"99999999999999999999999", "-2025", "-V"}).out, capped);
  EXPECT_EQ(zeb({"30000001", "-V"}).out.find("30.000.000"), std::string::npos);
}

// -W prints the way to each value under its row, in code page 850 with
// the currency of the rendering; without it every golden report above holds.
TEST(Derivations, PrintedUnderTheirRowsUnderW) {
  const std::string text = zeb({"5000", "-2025", "-W", "-k", "-A"}).out;
  EXPECT_NE(
      text.find("    = +  6.0 %\n    Rechenweg bis 31.05.2025:\n        Anwaltsgeb\201hr (\365 13 "
                "RVG, Anlage 2): bis 2.000 Euro 166,00 Euro, dazu 3 angefangene 1.000 Euro zu "
                "je 56,00 Euro = 334,00 Euro\n"),
      std::string::npos);
  EXPECT_NE(text.find("\n        Umsatzsteuer 19 % von 906,25 Euro (Nr. 7008) = 172,19 Euro\n"
                      "        = 1.078,44 Euro\n"),
            std::string::npos);
  EXPECT_NE(zeb({"5000", "-W", "-k", "-A"})
                .out.find("\nStreitwert:" + blanks(39) +
                          "    5000.00 Euro\n    Rechenweg:\n        Streitwert: 5.000,00 Euro\n"),
            std::string::npos);
  EXPECT_NE(
      zeb({"5000", "-2021", "-W", "-h", "-E", "-m", "-A"})
          .out.find("<tr class=\"rechenweg\">\n<td colspan=\"6\"><dl>\n<dt>Rechenweg bis "
                    "31.12.2020:</dt>\n<dd>Gerichtsgeb&uuml;hr (&sect; 34 GKG, Anlage 2): bis "
                    "2.000 &#8364; 89,00 &#8364;, dazu 3 angefangene 1.000 &#8364; zu je "
                    "19,00 &#8364; = 146,00 &#8364;<br>\n0,5 Geb&uuml;hr (KV GKG Nr. 1100) "
                    "&times; 146,00 &#8364; = 73,00 &#8364;, mindestens 32,00 &#8364;: 73,00 "
                    "&#8364;</dd>\n"),
      std::string::npos);
}

// A report lost on the way out is a failure, not a success.
TEST(WriteError, ReportedWithStatusTwo) {
  struct Case {
    std::vector<std::string> arguments;
    Sink out;
    std::string reason;
  };
  const Case cases[] = {
      {{"zeb", "5000"}, Sink::DevFull, "No space left on device"},
      {{"zeb", "5000", "-h"}, Sink::DevFull, "No space left on device"},
      {{"zeb", "5000", "-k", "-b", "-A"}, Sink::DevFull, "No space left on device"},
      {{"zeb"}, Sink::DevFull, "No space left on device"},
      {{"zeb", "5000"}, Sink::Closed, "Bad file descriptor"},
      {{"zeb", "5000", "-J"}, Sink::DevFull, "No space left on device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.size());
    const ProcessResult run = runProgram(c.arguments, c.out);
    const std::string banner =
        c.arguments.size() > 2 && c.arguments[2] == "-h"
            ? kBanner + " HTML-Ausgabe f\201r Streitwert 5000 Euro wird erzeugt.\n\n"
            : "";
    EXPECT_EQ(run.err, banner + "zeb: write error: " + c.reason + "\n");
    EXPECT_EQ(run.status, 2);
  }
  // A reader that has gone is no news to the user: no message.
  const ProcessResult stopped = runProgram({"zeb", "5000"}, Sink::BrokenPipe);
  EXPECT_EQ(stopped.err, "");
  EXPECT_EQ(stopped.status, 2);
  EXPECT_EQ(runProgram({"zeb", "5000"}, Sink::Closed, true).status, 2);
  EXPECT_EQ(runProgram({"zeb", "5000", "-h"}, Sink::DevFull, true).status, 2);
}

}  // namespace
}  // namespace zeb::testing
