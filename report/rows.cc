#include "report/rows.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "fees/extended.h"
#include "report/code_page.h"
#include "report/figures.h"
#include "report/output.h"
#include "report/report_options.h"

namespace zeb {
namespace {

bool html() { return runState().options.outputMode == OutputMode::Html; }

constexpr int kLabelColumn = 50;

// Runs of rule characters, as long as the column header's rule.
constexpr char kDoubleRule[] =
    "=================================================================================";
constexpr char kSingleRule[] =
    "---------------------------------------------------------------------------------";
constexpr int kRuleLength = sizeof kDoubleRule - 1;
static_assert(kRuleLength == 81 && sizeof kSingleRule == sizeof kDoubleRule);

// The layout of a row in both renderings, with the conversions of its
// amounts and of its change as parameters: printf's fixed point for the
// single-precision values of the report of 2013, the decimal text of the
// exact values of a reform.
// clang-format off
// NOLINTBEGIN(bugprone-macro-parentheses): the parameters are literals to join
#define SINGLE_TEXT(AMOUNT) "%*s" AMOUNT " %s\n"
#define SINGLE_HTML(AMOUNT)                                                                        \
  "<tr>\n<td>%s</td>\n<td class=\"betrag\">" AMOUNT "&nbsp;%s</td>\n"                              \
  "<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n"
#define COMPARED_TEXT(AMOUNT)                                                                      \
  "%*s" AMOUNT " %s\t=%4i %% des Streitwertes\t" AMOUNT " %s\t=%4i %% des Streitwertes"
#define COMPARISON_TEXT(AMOUNT, CHANGE) COMPARED_TEXT(AMOUNT) "    = %c " CHANGE " %%\n"
#define COMPARED_HTML(AMOUNT)                                                                      \
  "<tr>\n<td>%s</td>\n<td class=\"betrag alt\">" AMOUNT "&nbsp;%s</td>\n"                          \
  "<td class=\"prozent alt\">= %4i&nbsp;%% des Streitwertes</td>\n"                                \
  "<td class=\"betrag\">" AMOUNT "&nbsp;%s</td>\n"                                                 \
  "<td class=\"prozent\">= %4i&nbsp;%% des Streitwertes</td>\n"
#define COMPARISON_HTML(AMOUNT, CHANGE)                                                            \
  COMPARED_HTML(AMOUNT) "<td class=\"prozent\">%c " CHANGE "&nbsp;%%</td>\n</tr>\n\n"
// A row whose old value is 0 has no change to show.
#define UNCHANGED_TEXT(AMOUNT) COMPARED_TEXT(AMOUNT) "\n"
#define UNCHANGED_HTML(AMOUNT) COMPARED_HTML(AMOUNT) "<td>&nbsp;</td>\n</tr>\n\n"
// NOLINTEND(bugprone-macro-parentheses)

// The line under an amount above the cap, in both renderings, with the
// currency.
#define VALUE_CAP_TEXT                                                                             \
  "Der Streitwert z\204hlt h\224chstens mit 30.000.000 %s (\365 39 Abs. 2 GKG; \365 22 "           \
  "Abs. 2 RVG f\201r einen Auftraggeber in derselben Angelegenheit)."
#define VALUE_CAP_HTML                                                                             \
  "Der Streitwert z&auml;hlt h&ouml;chstens mit 30.000.000&nbsp;%s (&sect;&nbsp;39 "               \
  "Abs.&nbsp;2 GKG; &sect;&nbsp;22 Abs.&nbsp;2 RVG f&uuml;r einen Auftraggeber in derselben "      \
  "Angelegenheit)."
// clang-format on

// A run of `count` rule characters; none for a count of 0 or less.
int ruleRun(long count) { return static_cast<int>(count <= 0 ? 0 : count); }

// The percentages of both values and the change between them, for a
// percent basis that is not 0.
Comparison compare(float oldValue, float newValue, double basis) {
  // The change: new / old - 1 in per cent, its sign shown apart, its size
  // rounded once to single precision. A NaN compares false and shows "-".
  const char direction = newValue >= oldValue ? '+' : '-';
  const Extended ratio = Extended{newValue} / Extended{oldValue};
  const float change = toSingle((ratio - 1) * Extended(direction == '+' ? 100 : -100));
  return {roundPercent(toDouble(Extended{oldValue} / Extended{basis})),
          roundPercent(toDouble(Extended{newValue} / Extended{basis})), direction, change};
}

// The same from the exact values: a value of c cents is c / basis per cent
// of the amount, and the change is |new - old| x 1000 / old tenths of a per
// cent; each rounded half up. No value of a reform is below 0; from an old
// value of 0 (a share of the costs) there is no change to show.
Comparison compare(Cents oldValue, Cents newValue, std::uint64_t basis) {
  const auto amount = static_cast<std::int64_t>(basis);
  const char direction = newValue >= oldValue ? '+' : '-';
  const std::int64_t difference =
      direction == '+' ? newValue.count - oldValue.count : oldValue.count - newValue.count;
  Comparison c = {static_cast<std::int32_t>(divideHalfUp(oldValue.count, amount)),
                  static_cast<std::int32_t>(divideHalfUp(newValue.count, amount)), direction,
                  std::nullopt};
  if (oldValue.count > 0) c.change = Decimal{divideHalfUp(difference * 1000, oldValue.count), 1};
  return c;
}

// Under -W, the way to a row's values after the row: in text its steps
// indented under a line for each column, in HTML a row of the table that
// spans it. A row with one value shows its first column alone.
void printDerivation(const Derivation* derivation, bool singleValue) {
  const RunState& run = runState();
  if (!run.options.showDerivations || derivation == nullptr || run.figures) return;
  const Reform reform = run.options.reform;
  const std::string columns[2] = {
      singleValue ? std::string()
                  : std::string(" bis ") + editionOf(reform, Schedule::Old).inForceUntil,
      std::string(" ab ") + editionOf(reform, Schedule::New).inForceFrom};
  const std::size_t shown = singleValue ? 1 : 2;
  if (html()) {
    std::string cell;
    for (std::size_t s = 0; s < shown; ++s) {
      cell += "<dt>Rechenweg" + columns[s] + ":</dt>\n<dd>";
      for (std::size_t i = 0; i < (*derivation)[s].size(); ++i) {
        cell += (i > 0 ? "<br>\n" : "") + htmlFromUtf8((*derivation)[s][i], run.htmlCurrency);
      }
      cell += "</dd>\n";
    }
    emit("<tr class=\"rechenweg\">\n<td colspan=\"6\"><dl>\n%s</dl></td>\n</tr>\n\n", cell.c_str());
    return;
  }
  for (std::size_t s = 0; s < shown; ++s) {
    emit("    Rechenweg%s:\n", columns[s].c_str());
    for (const std::string& line : (*derivation)[s]) {
      emit("        %s\n", codePage850FromUtf8(line, run.textCurrency).c_str());
    }
  }
}

}  // namespace

const char* inCurrentMode(Label label) { return html() ? label.html : label.text; }

void printColumnHeader() {
  const Reform reform = runState().options.reform;
  const char* until = editionOf(reform, Schedule::Old).inForceUntil;
  const char* from = editionOf(reform, Schedule::New).inForceFrom;
  if (std::optional<Figures>& figures = runState().figures) {
    figures->oldColumn = std::string("Kosten bis ") + until;
    figures->newColumn = std::string("Kosten ab ") + from;
  } else if (html()) {
    emit(
        "<tr>\n<th>Position</th>\n<th colspan=\"2\">Kosten bis %s</th>\n"
        "<th colspan=\"2\">Kosten ab %s</th>\n<th>Ver&auml;nderung</th>\n</tr>\n\n",
        until, from);
  } else {
    emit("%s\n", kDoubleRule);
    emit("%*sKosten bis %s\t\t\t\tKosten ab %s\t\t\tVer\204nderung\n", -kLabelColumn, "Position",
         until, from);
  }
}

void printRow(const char* label, float oldValue, float newValue, std::uint64_t percentBasis,
              std::int16_t labelWidthAdjustment, const Derivation* derivation, const char* key) {
  RunState& run = runState();
  const double basis = static_cast<double>(percentBasis);
  if (basis == 0) {
    if (run.figures) {
      recordRow(*run.figures, key, label, oldValue, newValue, percentBasis, std::nullopt,
                derivation);
    } else if (html()) {
      emit(SINGLE_HTML("%9.2f"), label, static_cast<double>(oldValue), run.htmlCurrency);
    } else {
      emit(SINGLE_TEXT("%11.2f"), -kLabelColumn, label, static_cast<double>(oldValue),
           run.textCurrency);
    }
    printDerivation(derivation, true);
    return;
  }

  const Comparison c = compare(oldValue, newValue, basis);
  const auto change = static_cast<double>(std::get<float>(*c.change));
  if (run.figures) {
    recordRow(*run.figures, key, label, oldValue, newValue, percentBasis, c, derivation);
  } else if (html()) {
    emit(COMPARISON_HTML("%9.2f", "%4.1f"), label, static_cast<double>(oldValue), run.htmlCurrency,
         c.oldPercent, static_cast<double>(newValue), run.htmlCurrency, c.newPercent, c.direction,
         change);
  } else {
    emit(COMPARISON_TEXT("%12.2f", "%4.1f"), -(kLabelColumn + labelWidthAdjustment), label,
         static_cast<double>(oldValue), run.textCurrency, c.oldPercent,
         static_cast<double>(newValue), run.textCurrency, c.newPercent, c.direction, change);
  }
  printDerivation(derivation, false);
}

void printRow(const char* label, Cents oldValue, Cents newValue, std::uint64_t percentBasis,
              std::int16_t labelWidthAdjustment, const Derivation* derivation, const char* key) {
  RunState& run = runState();
  const Decimal oldFigure{oldValue.count, 2};
  const Decimal newFigure{newValue.count, 2};
  const std::string oldText = decimalText(oldFigure);
  if (percentBasis == 0) {
    if (run.figures) {
      recordRow(*run.figures, key, label, oldFigure, newFigure, percentBasis, std::nullopt,
                derivation);
    } else if (html()) {
      emit(SINGLE_HTML("%9s"), label, oldText.c_str(), run.htmlCurrency);
    } else {
      emit(SINGLE_TEXT("%11s"), -kLabelColumn, label, oldText.c_str(), run.textCurrency);
    }
    printDerivation(derivation, true);
    return;
  }

  const Comparison c = compare(oldValue, newValue, percentBasis);
  const std::string newText = decimalText(newFigure);
  if (run.figures) {
    recordRow(*run.figures, key, label, oldFigure, newFigure, percentBasis, c, derivation);
  } else if (!c.change) {
    if (html()) {
      emit(UNCHANGED_HTML("%9s"), label, oldText.c_str(), run.htmlCurrency, c.oldPercent,
           newText.c_str(), run.htmlCurrency, c.newPercent);
    } else {
      emit(UNCHANGED_TEXT("%12s"), -(kLabelColumn + labelWidthAdjustment), label, oldText.c_str(),
           run.textCurrency, c.oldPercent, newText.c_str(), run.textCurrency, c.newPercent);
    }
  } else if (html()) {
    const std::string change = figureText(*c.change, 1);
    emit(COMPARISON_HTML("%9s", "%4s"), label, oldText.c_str(), run.htmlCurrency, c.oldPercent,
         newText.c_str(), run.htmlCurrency, c.newPercent, c.direction, change.c_str());
  } else {
    const std::string change = figureText(*c.change, 1);
    emit(COMPARISON_TEXT("%12s", "%4s"), -(kLabelColumn + labelWidthAdjustment), label,
         oldText.c_str(), run.textCurrency, c.oldPercent, newText.c_str(), run.textCurrency,
         c.newPercent, c.direction, change.c_str());
  }
  printDerivation(derivation, false);
}

void printValueCap() {
  RunState& run = runState();
  if (run.figures) {
    char line[256];
    std::snprintf(line, sizeof line, VALUE_CAP_TEXT, run.textCurrency);
    run.figures->remarks.push_back(utf8FromCodePage850(line));
  } else if (html()) {
    emit("<tr>\n<td colspan=\"6\">" VALUE_CAP_HTML "</td>\n</tr>\n\n", run.htmlCurrency);
  } else {
    emit(VALUE_CAP_TEXT "\n", run.textCurrency);
  }
}

void printHeading(int level, const char* label, const char* key) {
  const bool subHeading = level == 2;
  if (std::optional<Figures>& figures = runState().figures) {
    recordHeading(*figures, level, key, label);
  } else if (html()) {
    emit("\n<tr>\n<th class=\"%sueberschrift\" colspan=\"6\">%s:</th>\n</tr>\n\n",
         subHeading ? "unter" : "", label);
  } else {
    // Centred in 80 columns: the right run takes the odd character. Labels of
    // 78 characters and more get no rule at all.
    const char* rule = subHeading ? kSingleRule : kDoubleRule;
    const long length = static_cast<long>(std::strlen(label));
    const long left = (80 - length) / 2 - 1;
    const long right = 78 - length - left;
    emit("%.*s %s: %.*s\n", ruleRun(left), rule, label, ruleRun(right), rule);
  }
}

void printVariantHeading(char kind, bool moreVariants) {
  const bool settlement = runState().options.showSettlement;
  if (kind == 's' && (settlement || moreVariants)) {
    printHeading(2, "Verfahren mit streitigem Urteil", kJudgmentKey);
  } else if (kind == 'v' && settlement) {
    printHeading(
        2,
        inCurrentMode({"Verfahren mit Proze\341vergleich", "Verfahren mit Proze&szlig;vergleich"}),
        "settlement");
  }
}

std::int32_t roundPercent(double q) {
  const Extended t = Extended{q} * 100;
  if (t == truncated(t) && t >= Extended(-0x1p31) && t <= Extended(0x1p31 - 1)) {
    return static_cast<std::int32_t>(truncatedToInt64(t));
  }
  // Half up through double precision: a product just below a half-way point
  // reaches it when the sum rounds up to it.
  const double sum = toDouble(t + Extended(0.5));
  if (!(sum > -2147483649.0 && sum < 2147483648.0)) return INT32_MIN;
  return static_cast<std::int32_t>(sum);
}

}  // namespace zeb
