#include "report/rows.h"

#include <cstring>

#include "fees/extended.h"
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

}  // namespace

const char* inCurrentMode(Label label) { return html() ? label.html : label.text; }

void printColumnHeader() {
  if (html()) {
    emit(
        "<tr>\n<th>Position</th>\n<th colspan=\"2\">Kosten bis 31.07.2013</th>\n"
        "<th colspan=\"2\">Kosten ab 01.08.2013</th>\n<th>Ver&auml;nderung</th>\n</tr>\n\n");
    return;
  }
  emit("%s\n", kDoubleRule);
  emit("%*sKosten bis 31.07.2013\t\t\t\tKosten ab 01.08.2013\t\t\tVer\204nderung\n", -kLabelColumn,
       "Position");
}

void printRow(const char* label, float oldValue, float newValue, std::uint64_t percentBasis,
              std::int16_t labelWidthAdjustment) {
  RunState& run = runState();
  const double basis = static_cast<double>(percentBasis);
  if (basis == 0) {
    if (run.figures) {
      recordRow(*run.figures, label, oldValue, newValue, percentBasis, std::nullopt);
    } else if (html()) {
      emit(
          "<tr>\n<td>%s</td>\n<td class=\"betrag\">%9.2f&nbsp;%s</td>\n<td>&nbsp;</td>\n"
          "<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n",
          label, static_cast<double>(oldValue), run.htmlCurrency);
    } else {
      emit("%*s%11.2f %s\n", -kLabelColumn, label, static_cast<double>(oldValue), run.textCurrency);
    }
    return;
  }

  const Comparison c = compare(oldValue, newValue, basis);
  if (run.figures) {
    recordRow(*run.figures, label, oldValue, newValue, percentBasis, c);
  } else if (html()) {
    emit(
        "<tr>\n<td>%s</td>\n<td class=\"betrag alt\">%9.2f&nbsp;%s</td>\n"
        "<td class=\"prozent alt\">= %4i&nbsp;%% des Streitwertes</td>\n"
        "<td class=\"betrag\">%9.2f&nbsp;%s</td>\n"
        "<td class=\"prozent\">= %4i&nbsp;%% des Streitwertes</td>\n"
        "<td class=\"prozent\">%c %4.1f&nbsp;%%</td>\n</tr>\n\n",
        label, static_cast<double>(oldValue), run.htmlCurrency, c.oldPercent,
        static_cast<double>(newValue), run.htmlCurrency, c.newPercent, c.direction,
        static_cast<double>(c.change));
  } else {
    emit(
        "%*s%12.2f %s\t=%4i %% des Streitwertes\t%12.2f %s\t=%4i %% des Streitwertes    = %c "
        "%4.1f %%\n",
        -(kLabelColumn + labelWidthAdjustment), label, static_cast<double>(oldValue),
        run.textCurrency, c.oldPercent, static_cast<double>(newValue), run.textCurrency,
        c.newPercent, c.direction, static_cast<double>(c.change));
  }
}

void printHeading(int level, const char* label) {
  const bool subHeading = level == 2;
  if (std::optional<Figures>& figures = runState().figures) {
    recordHeading(*figures, level, label);
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

void printVariantHeading(char kind) {
  if (!runState().options.showSettlement) return;
  if (kind == 's') {
    printHeading(2, "Verfahren mit streitigem Urteil");
  } else if (kind == 'v') {
    printHeading(2, inCurrentMode({"Verfahren mit Proze\341vergleich",
                                   "Verfahren mit Proze&szlig;vergleich"}));
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
