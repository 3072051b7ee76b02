#include "report/figures_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zeb {
namespace {

// A row that shows one value, and one that compares two.
FigureRow single(std::string label, Figure value) {
  return {"header.amount", std::move(label), 0, value, Decimal{0, 2}, 0, std::nullopt, -1, -1, {}};
}

FigureRow compared(Figure oldValue, Figure newValue, Comparison comparison) {
  return {"appeal.settlement.court_fees",
          "2 Gerichtsgebühren",
          1,
          oldValue,
          newValue,
          5000,
          comparison,
          0,
          1,
          Derivation{Steps{"a"}, Steps{"b", "c"}}};
}

// The document, written out by hand: the numbers of a reform as written
// from their cents, those of the report of 2013 as the double they read
// back as, strings escaped as JSON wants them and UTF-8 left as it is.
TEST(FiguresJson, WritesTheDocumentByTheLetter) {
  struct Case {
    const char* name;
    Figures figures;
    std::string json;
  };
  Figures reform;
  reform.amount = 5000;
  reform.oldColumn = "Kosten bis 31.05.2025";
  reform.newColumn = "Kosten ab 01.06.2025";
  reform.remarks = {"a \"cap\" \\ \t\x01"};
  reform.headings = {{1, "appeal", "Berufung", 1}, {2, "appeal.settlement", "Vergleich", 1}};
  reform.rows = {single("Streitwert", Decimal{5000'00, 2}),
                 compared(Decimal{322'00, 2}, Decimal{341'00, 2}, {6, 7, '+', Decimal{59, 1}}),
                 compared(Decimal{0, 2}, Decimal{5, 2}, {0, 0, '+', std::nullopt})};
  reform.withWays = false;
  Figures of2013;
  of2013.amount = -1000;
  of2013.rows = {single("Gerichtsgebühr", 0.1F),
                 compared(27.5F, std::nanf(""), {1, -2147483647 - 1, '-', 12.25F})};
  Figures usage;
  usage.status = 1;
  const Case cases[] = {
      {"usage", usage,
       R"({"status":1,"amount":null,"columns":null,"remarks":[],"headings":[],)"
       R"("rows":[]})"
       "\n"},
      {"reform", reform,
       R"({"status":0,"amount":5000,"columns":["Kosten bis 31.05.2025","Kosten ab 01.06.2025"],)"
       R"("remarks":["a \"cap\" \\ \u0009\u0001"],"headings":[)"
       R"({"key":"appeal","level":1,"label":"Berufung","row":1},)"
       R"({"key":"appeal.settlement","level":2,"label":"Vergleich","row":1}],"rows":[)"
       R"({"key":"header.amount","label":"Streitwert","note":null,"old":5000.00,"new":0.00,)"
       R"("basis":0,"oldPercent":null,"newPercent":null,"direction":null,"change":null,)"
       R"("derivation":null,"headings":[]},)"
       R"({"key":"appeal.settlement.court_fees","label":"2 Gerichtsgebühren","note":1,)"
       R"("old":322.00,"new":341.00,"basis":5000,"oldPercent":6,"newPercent":7,)"
       R"("direction":"+","change":5.9,"derivation":null,"headings":[0,1]},)"
       R"({"key":"appeal.settlement.court_fees","label":"2 Gerichtsgebühren","note":1,)"
       R"("old":0.00,"new":0.05,"basis":5000,"oldPercent":0,"newPercent":0,)"
       R"("direction":null,"change":null,"derivation":null,"headings":[0,1]}]})"
       "\n"},
      {"2013", of2013,
       R"({"status":0,"amount":-1000,"columns":["",""],"remarks":[],"headings":[],"rows":[)"
       R"({"key":"header.amount","label":"Gerichtsgebühr","note":null,)"
       R"("old":0.10000000149011612,"new":0.00,"basis":0,"oldPercent":null,"newPercent":null,)"
       R"("direction":null,"change":null,"derivation":{"old":[],"new":null},"headings":[]},)"
       R"({"key":"appeal.settlement.court_fees","label":"2 Gerichtsgebühren","note":1,)"
       R"("old":27.5,"new":null,"basis":5000,"oldPercent":1,"newPercent":-2147483648,)"
       R"("direction":"-","change":12.25,"derivation":{"old":["a"],"new":["b","c"]},)"
       R"("headings":[0,1]}]})"
       "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(figuresJson(c.figures), c.json);
  }
}

}  // namespace
}  // namespace zeb
