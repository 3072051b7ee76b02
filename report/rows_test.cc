#include "report/rows.h"

#include <gtest/gtest.h>

#include <string>

#include "report/figures.h"

namespace zeb {
namespace {

constexpr TableStyle kText = {OutputMode::Text, "Euro", Reform::Of2013, false};
constexpr TableStyle kHtml = {OutputMode::Html, "Euro", Reform::Of2013, false};

// The row of `label` and its values as `style` writes it.
template <class Value>
std::string written(const TableStyle& style, const char* label, Value oldValue, Value newValue,
                    std::uint64_t basis, std::int16_t adjustment) {
  Figures figures;
  addRow(figures, "x", Label{label, label}, oldValue, newValue, basis, adjustment);
  Buffer out;
  writeRow(out, figures.rows[0], style);
  return out.str();
}

std::string headingOf(const TableStyle& style, int level, const char* label) {
  Figures figures;
  addHeading(figures, level, {label, label}, "x");
  Buffer out;
  writeHeading(out, figures.headings[0], style.mode);
  return out.str();
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

struct RowCase {
  const char* label;
  float oldValue, newValue;
  std::uint64_t basis;
  std::int16_t adjustment;
  std::string text;
};

TEST(WriteRow, TextForms) {
  const RowCase cases[] = {
      {"Streitwert:", 5000, 0, 0, 0, "Streitwert:" + blanks(39) + "    5000.00 Euro\n"},
      // The single-value form ignores the new value and the adjustment.
      {"Streitwert:", 0, 99, 0, 1, "Streitwert:" + blanks(39) + "       0.00 Euro\n"},
      {"Gerichtsgeb\201hr:", 121, 146, 5000, 0,
       "Gerichtsgeb\201hr:" + blanks(35) +
           "      121.00 Euro\t=   2 % des Streitwertes\t      146.00 Euro\t=   3 % des "
           "Streitwertes    = + 20.7 %\n"},
      {"Equal:", 121, 121, 1000, 0,
       "Equal:" + blanks(44) +
           "      121.00 Euro\t=  12 % des Streitwertes\t      121.00 Euro\t=  12 % des "
           "Streitwertes    = +  0.0 %\n"},
      {"Decrease:", 100, 90, 1000, 0,
       "Decrease:" + blanks(41) +
           "      100.00 Euro\t=  10 % des Streitwertes\t       90.00 Euro\t=   9 % des "
           "Streitwertes    = - 10.0 %\n"},
      {"Wider:", 100, 90, 1000, 1,
       "Wider:" + blanks(45) +
           "      100.00 Euro\t=  10 % des Streitwertes\t       90.00 Euro\t=   9 % des "
           "Streitwertes    = - 10.0 %\n"},
      {"Narrower:", 100, 90, 1000, -1,
       "Narrower:" + blanks(40) +
           "      100.00 Euro\t=  10 % des Streitwertes\t       90.00 Euro\t=   9 % des "
           "Streitwertes    = - 10.0 %\n"},
      // A label longer than its column pushes the rest of the line right.
      {"A label of more than fifty characters, printed whole:", 1, 2, 100, 0,
       "A label of more than fifty characters, printed whole:        1.00 Euro\t=   1 % des "
       "Streitwertes\t        2.00 Euro\t=   2 % des Streitwertes    = + 100.0 %\n"},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(written(kText, c.label, c.oldValue, c.newValue, c.basis, c.adjustment), c.text);
  }
}

TEST(WriteRow, HtmlForms) {
  EXPECT_EQ(written(kHtml, "Gerichtsgeb&uuml;hr:", 121.0f, 146.0f, 5000, 1),
            "<tr>\n<td>Gerichtsgeb&uuml;hr:</td>\n"
            "<td class=\"betrag alt\">   121.00&nbsp;Euro</td>\n"
            "<td class=\"prozent alt\">=    2&nbsp;% des Streitwertes</td>\n"
            "<td class=\"betrag\">   146.00&nbsp;Euro</td>\n"
            "<td class=\"prozent\">=    3&nbsp;% des Streitwertes</td>\n"
            "<td class=\"prozent\">+ 20.7&nbsp;%</td>\n</tr>\n\n");
  EXPECT_EQ(written(kHtml, "Streitwert:", 5000.0f, 0.0f, 0, 0),
            "<tr>\n<td>Streitwert:</td>\n<td class=\"betrag\">  5000.00&nbsp;Euro</td>\n"
            "<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n");
  const TableStyle euro = {OutputMode::Html, "&#8364;", Reform::Of2013, false};
  EXPECT_EQ(written(euro, "Streitwert:", -5.0f, 0.0f, 0, 0),
            "<tr>\n<td>Streitwert:</td>\n<td class=\"betrag\">    -5.00&nbsp;&#8364;</td>\n"
            "<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n");
}

// The exact values of a reform: per cent and change rounded half up from
// the cents. 483,00 of 5000 is 9,66 %, the change to 511,50 5,9006 %; 2,50
// of 100 is 2,5 %; 19,99 after 20,00 is 0,05 % less.
TEST(WriteRow, ExactValuesRoundHalfUp) {
  struct Case {
    std::int64_t oldCents, newCents;
    std::uint64_t basis;
    std::string text;
  };
  const Case cases[] = {
      {483'00, 511'50, 5000,
       "      483.00 Euro\t=  10 % des Streitwertes\t      511.50 Euro\t=  10 % des "
       "Streitwertes    = +  5.9 %\n"},
      {2'50, 2'50, 100,
       "        2.50 Euro\t=   3 % des Streitwertes\t        2.50 Euro\t=   3 % des "
       "Streitwertes    = +  0.0 %\n"},
      {20'00, 19'99, 100,
       "       20.00 Euro\t=  20 % des Streitwertes\t       19.99 Euro\t=  20 % des "
       "Streitwertes    = -  0.1 %\n"},
      {5000'00, 0, 0, "    5000.00 Euro\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(written(kText, "x:", Cents{c.oldCents}, Cents{c.newCents}, c.basis, 0),
              "x:" + blanks(48) + c.text);
  }
  EXPECT_EQ(written(kHtml, "x:", Cents{483'00}, Cents{511'50}, 5000, 0),
            "<tr>\n<td>x:</td>\n<td class=\"betrag alt\">   483.00&nbsp;Euro</td>\n"
            "<td class=\"prozent alt\">=   10&nbsp;% des Streitwertes</td>\n"
            "<td class=\"betrag\">   511.50&nbsp;Euro</td>\n"
            "<td class=\"prozent\">=   10&nbsp;% des Streitwertes</td>\n"
            "<td class=\"prozent\">+  5.9&nbsp;%</td>\n</tr>\n\n");
}

TEST(WriteRow, PercentBasisIsUnsigned) {
  // 2^64 - 1000 as a basis: every percentage rounds to 0, never negative.
  const std::string row = written(kText, "x", 1000.0f, 2000.0f, std::uint64_t{0} - 1000, 0);
  EXPECT_NE(row.find("=   0 % des Streitwertes\t     2000.00 Euro\t=   0 %"), std::string::npos)
      << row;
}

TEST(RoundPercent, HalfUpThroughDoublePrecision) {
  struct Case {
    double q;
    std::int32_t percent;
  };
  const Case cases[] = {
      {0.125, 13},
      {0.0242, 2},
      {0.0292, 3},
      {0.5, 50},
      {0, 0},
      {1.0, 100},
      {0.0149, 1},
      {0.994, 99},
      // Just below a half-way point, but the sum rounds up to it in double.
      {0.015, 2},
      {0.03, 3},
      {0.995, 100},
      {21.47, 2147},
      // Half up, then toward zero: -2.42 + 0.5 truncates to -1.
      {-0.004, 0},
      {-0.0242, -1},
      // No signed 32-bit number.
      {2.5e7, INT32_MIN},
      {1e300, INT32_MIN},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.q);
    EXPECT_EQ(roundPercent(c.q), c.percent);
  }
  EXPECT_EQ(roundPercent(std::numeric_limits<double>::quiet_NaN()), INT32_MIN);
  EXPECT_EQ(roundPercent(std::numeric_limits<double>::infinity()), INT32_MIN);
}

TEST(WriteHeading, TextRulesCentreTheLabel) {
  struct Case {
    int level;
    std::string label;
    std::size_t left, right;
    char rule;
  };
  const Case cases[] = {
      {1, "Mahnverfahren", 32, 33, '='},
      {1, "Gesamtkosten mehrerer Instanzen", 23, 24, '='},
      {2, "Verfahren mit streitigem Urteil", 23, 24, '-'},
      {2, "Verfahren mit Proze\341vergleich", 24, 25, '-'},
      {7, "", 39, 39, '='},
      {1, std::string(76, 'x'), 1, 1, '='},
      {1, std::string(77, 'x'), 0, 1, '='},
      {1, std::string(78, 'x'), 0, 0, '='},
      {1, std::string(82, 'x'), 0, 0, '='},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string line =
        std::string(c.left, c.rule) + " " + c.label + ": " + std::string(c.right, c.rule) + "\n";
    EXPECT_EQ(headingOf(kText, c.level, c.label.c_str()), line);
  }
}

TEST(WriteHeading, HtmlSpansSixColumns) {
  EXPECT_EQ(headingOf(kHtml, 1, "Mahnverfahren"),
            "\n<tr>\n<th class=\"ueberschrift\" colspan=\"6\">Mahnverfahren:</th>\n</tr>\n\n");
  EXPECT_EQ(headingOf(kHtml, 2, "Unter"),
            "\n<tr>\n<th class=\"unterueberschrift\" colspan=\"6\">Unter:</th>\n</tr>\n\n");
}

TEST(WriteColumnHeader, BothRenderings) {
  const auto header = [](const TableStyle& style) {
    Buffer out;
    writeColumnHeader(out, style);
    return out.str();
  };
  EXPECT_EQ(header(kText),
            std::string(81, '=') + "\nPosition" + blanks(42) +
                "Kosten bis 31.07.2013\t\t\t\tKosten ab 01.08.2013\t\t\tVer\204nderung\n");
  EXPECT_EQ(header({OutputMode::Text, "Euro", Reform::Of2021, false}),
            std::string(81, '=') + "\nPosition" + blanks(42) +
                "Kosten bis 31.12.2020\t\t\t\tKosten ab 01.01.2021\t\t\tVer\204nderung\n");
  EXPECT_EQ(header(kHtml),
            "<tr>\n<th>Position</th>\n<th colspan=\"2\">Kosten bis 31.07.2013</th>\n"
            "<th colspan=\"2\">Kosten ab 01.08.2013</th>\n<th>Ver&auml;nderung</th>\n</tr>\n\n");
}

}  // namespace
}  // namespace zeb
