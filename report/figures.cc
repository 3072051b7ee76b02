#include "report/figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "fees/extended.h"
#include "report/code_page.h"

namespace zeb {
namespace {

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
// cent; each rounded half up. From an old value of 0 (a share of the costs)
// or below there is no change to show.
Comparison compare(Cents oldValue, Cents newValue, std::uint64_t basis) {
  const auto amount = static_cast<std::int64_t>(basis);
  const char direction = newValue >= oldValue ? '+' : '-';
  const std::int64_t difference =
      direction == '+' ? newValue.count - oldValue.count : oldValue.count - newValue.count;
  // What a party keeps may be below 0: its per cent is rounded as its size.
  const auto percent = [amount](Cents value) {
    const std::int64_t size = divideHalfUp(value.count < 0 ? -value.count : value.count, amount);
    return static_cast<std::int32_t>(value.count < 0 ? -size : size);
  };
  Comparison c = {percent(oldValue), percent(newValue), direction, std::nullopt};
  if (oldValue.count > 0) c.change = Decimal{divideHalfUp(difference * 1000, oldValue.count), 1};
  return c;
}

// The headings a new row stands under: the last section heading and, when
// a sub-heading followed that, the sub-heading too.
std::pair<int, int> headingsOfNextRow(const Figures& figures) {
  int variant = -1;
  for (std::size_t i = figures.headings.size(); i-- > 0;) {
    if (figures.headings[i].level != 2) return {static_cast<int>(i), variant};
    if (variant < 0) variant = static_cast<int>(i);
  }
  return {-1, variant};
}

void add(Figures& figures, const char* key, RowLabel&& label, std::int16_t adjustment,
         Figure oldValue, Figure newValue, std::uint64_t basis,
         const std::optional<Comparison>& comparison, Derivation* derivation) {
  const auto [section, variant] = headingsOfNextRow(figures);
  // Made in place: a row is some 300 bytes.
  FigureRow& row = figures.rows.emplace_back();
  row.keyPart = key;
  row.shown = std::move(label);
  row.labelWidthAdjustment = adjustment;
  row.oldValue = oldValue;
  row.newValue = newValue;
  row.percentBasis = basis;
  row.comparison = comparison;
  row.section = section;
  row.variant = variant;
  if (derivation != nullptr) row.derivation = std::move(*derivation);
}

}  // namespace

char* writeDecimal(char* text, Decimal value) {
  // The size in unsigned arithmetic, where even the least number has one.
  const auto bits = static_cast<std::uint64_t>(value.units);
  std::uint64_t size = value.units < 0 ? 0 - bits : bits;
  // The digits from the last: the places, the point, at least one more.
  char digits[32];
  char* start = digits + sizeof digits;
  for (int place = 0; place < value.places; ++place) {
    *--start = static_cast<char>('0' + size % 10);
    size /= 10;
  }
  *--start = '.';
  do {
    *--start = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size != 0);
  if (value.units < 0) *--start = '-';
  const auto length = static_cast<std::size_t>(digits + sizeof digits - start);
  std::memcpy(text, start, length);
  return text + length;
}

std::string decimalText(Decimal value) {
  char text[kDecimalChars];
  return {text, writeDecimal(text, value)};
}

char* writeFigure(char* text, const Figure& figure, int places) {
  if (const Decimal* exact = std::get_if<Decimal>(&figure)) return writeDecimal(text, *exact);
  const double value = std::get<float>(figure);
  // printf's "%.*f" rounds the exact binary value half to even. A single-
  // precision value times 10 or 100 is exact in double, so the whole number
  // nearest to that product, ties to even, has the same digits; printf
  // remains for the rest, and for a negative value that rounds to 0 ("-0.00").
  if (places == 1 || places == 2) {
    const double whole = std::rint(value * (places == 1 ? 10.0 : 100.0));
    if (std::fabs(whole) < 0x1p62 && !(whole == 0 && std::signbit(value))) {
      return writeDecimal(text, {static_cast<std::int64_t>(whole), places});
    }
  }
  // A single-precision value has at most 39 digits before its point.
  const int length = std::snprintf(text, kFigureChars, "%.*f", places, value);
  return text + std::clamp(length, 0, static_cast<int>(kFigureChars) - 1);
}

std::string figureText(const Figure& figure, int places) {
  char text[kFigureChars];
  return {text, writeFigure(text, figure, places)};
}

void addRow(Figures& figures, const char* key, RowLabel label, float oldValue, float newValue,
            std::uint64_t percentBasis, std::int16_t labelWidthAdjustment, Derivation* derivation) {
  const auto basis = static_cast<double>(percentBasis);
  const std::optional<Comparison> comparison =
      basis == 0 ? std::nullopt : std::optional(compare(oldValue, newValue, basis));
  add(figures, key, std::move(label), labelWidthAdjustment, oldValue, newValue, percentBasis,
      comparison, derivation);
}

void addRow(Figures& figures, const char* key, RowLabel label, Cents oldValue, Cents newValue,
            std::uint64_t percentBasis, std::int16_t labelWidthAdjustment, Derivation* derivation) {
  if (figures.sink != nullptr && derivation == nullptr) {
    const auto [section, variant] = headingsOfNextRow(figures);
    figures.sink->row(figures, key, section, variant, Decimal{oldValue.count, 2},
                      Decimal{newValue.count, 2}, percentBasis == 0);
    return;
  }
  const std::optional<Comparison> comparison =
      percentBasis == 0 ? std::nullopt : std::optional(compare(oldValue, newValue, percentBasis));
  add(figures, key, std::move(label), labelWidthAdjustment, Decimal{oldValue.count, 2},
      Decimal{newValue.count, 2}, percentBasis, comparison, derivation);
}

void addPercentRow(Figures& figures, const char* key, RowLabel label, std::int64_t oldHundredths,
                   std::int64_t newHundredths, Derivation* derivation) {
  if (figures.sink != nullptr && derivation == nullptr) {
    const auto [section, variant] = headingsOfNextRow(figures);
    figures.sink->row(figures, key, section, variant, Decimal{oldHundredths, 2},
                      Decimal{newHundredths, 2}, false);
    return;
  }
  // Both values stand; the percent basis of 1 says so, and no per cents of
  // the amount follow them.
  add(figures, key, std::move(label), 0, Decimal{oldHundredths, 2}, Decimal{newHundredths, 2}, 1,
      std::nullopt, derivation);
  figures.rows.back().perCent = true;
}

void addHeading(Figures& figures, int level, Label label, const char* key) {
  figures.headings.push_back({level == 2 ? 2 : 1, key, label, figures.rows.size(), {}, {}});
}

std::string columnCaption(Reform reform, Schedule schedule, bool byDays) {
  return "Kosten" + columnWayName(reform, schedule, byDays);
}

std::string columnWayName(Reform reform, Schedule schedule, bool byDays) {
  if (byDays && schedule == Schedule::Old) return " nach den Daten des Falls";
  const Edition& edition = editionOf(reform, schedule);
  return schedule == Schedule::Old ? std::string(" bis ") + edition.inForceUntil
                                   : std::string(" ab ") + edition.inForceFrom;
}

std::string valueCapLine(const char* currency) {
  return std::string("Der Streitwert z\204hlt h\224chstens mit 30.000.000 ") + currency +
         " (\365 39 Abs. 2 GKG; \365 22 Abs. 2 RVG f\201r einen Auftraggeber in derselben "
         "Angelegenheit).";
}

MarkedLabel markedLabel(std::string_view text) {
  MarkedLabel split{text};
  if (text.ends_with(')')) {
    std::size_t digits = text.size() - 1;
    while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9') --digits;
    if (digits < text.size() - 1 && digits > 0 && text[digits - 1] == ' ') {
      for (std::size_t i = digits; i < text.size() - 1; ++i) {
        split.note = split.note * 10 + (text[i] - '0');
      }
      split.label = text.substr(0, digits - 1);
    }
  }
  if (split.label.ends_with(':')) split.label.remove_suffix(1);
  return split;
}

std::vector<std::string> headingPaths(const Figures& figures) {
  std::vector<std::string> paths;
  paths.reserve(figures.headings.size());
  std::string_view section;
  for (const FigureHeading& heading : figures.headings) {
    if (heading.level == 1) section = heading.keyPart;
    paths.push_back(heading.level == 2 ? std::string(section) + '.' + heading.keyPart
                                       : std::string(heading.keyPart));
  }
  return paths;
}

std::string_view blockPath(const Figures& figures, const std::vector<std::string>& paths,
                           const FigureRow& row) {
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  // The judgement's rows keep the keys of their section.
  if (row.variant >= 0 &&
      std::string_view(figures.headings[at(row.variant)].keyPart) != kJudgmentKey) {
    return paths[at(row.variant)];
  }
  return row.section >= 0 ? std::string_view(paths[at(row.section)]) : kHeaderKey;
}

void nameFigures(Figures& figures) {
  figures.oldColumn = columnCaption(figures.reform, Schedule::Old, figures.byDays);
  figures.newColumn = columnCaption(figures.reform, Schedule::New, figures.byDays);
  figures.remarks.clear();
  if (figures.valueCapped) figures.remarks.push_back(utf8FromCodePage850(valueCapLine("Euro")));
  const std::vector<std::string> paths = headingPaths(figures);
  for (std::size_t i = 0; i < figures.headings.size(); ++i) {
    figures.headings[i].key = paths[i];
    figures.headings[i].label = utf8FromCodePage850(figures.headings[i].shown.text);
  }
  for (FigureRow& row : figures.rows) {
    row.key = std::string(blockPath(figures, paths, row)) + '.' + row.keyPart;
    const MarkedLabel split = markedLabel(row.shown.inText());
    row.label = utf8FromCodePage850(split.label);
    row.note = split.note;
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
