#include "report/figures.h"

#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

#include "report/code_page.h"

namespace zeb {
namespace {

// A label and the note its mark points to: "0,5 Gerichtsgeb\201hren: 1)"
// is the label "0,5 Gerichtsgeb\201hren" with the mark of note 1.
struct SplitLabel {
  std::string_view label;
  int note = 0;
};

SplitLabel splitLabel(std::string_view text) {
  SplitLabel split{text};
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

// The judgement's sub-heading, whose rows keep the keys of their section.
bool isJudgment(const FigureHeading& heading) {
  const std::string_view key = heading.key;
  const std::string_view judgment = kJudgmentKey;
  return key.ends_with(judgment) && key.size() > judgment.size() &&
         key[key.size() - judgment.size() - 1] == '.';
}

}  // namespace

std::string decimalText(Decimal value) {
  std::uint64_t unit = 1;
  for (int i = 0; i < value.places; ++i) unit *= 10;
  // The size in unsigned arithmetic, where even the least number has one.
  const auto bits = static_cast<std::uint64_t>(value.units);
  const std::uint64_t size = value.units < 0 ? 0 - bits : bits;
  const std::string fraction = std::to_string(size % unit);
  std::string text = value.units < 0 ? "-" : "";
  text += std::to_string(size / unit);
  text += '.';
  text.append(static_cast<std::size_t>(value.places) - fraction.size(), '0');
  return text + fraction;
}

std::string figureText(const Figure& figure, int places) {
  if (const Decimal* exact = std::get_if<Decimal>(&figure)) return decimalText(*exact);
  const double value = std::get<float>(figure);
  // printf's "%.*f" rounds the exact binary value half to even. A single-
  // precision value times 10 or 100 is exact in double, so the whole number
  // nearest to that product, ties to even, has the same digits; printf
  // remains for the rest, and for a negative value that rounds to 0 ("-0.00").
  if (places == 1 || places == 2) {
    const double whole = std::rint(value * (places == 1 ? 10.0 : 100.0));
    if (std::fabs(whole) < 0x1p62 && !(whole == 0 && std::signbit(value))) {
      return decimalText({static_cast<std::int64_t>(whole), places});
    }
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

void recordRow(Figures& figures, const char* key, const char* textLabel, const Figure& oldValue,
               const Figure& newValue, std::uint64_t percentBasis,
               const std::optional<Comparison>& comparison, const Derivation* derivation) {
  // The row stands under the last section heading and, when a sub-heading
  // followed that, under the sub-heading too.
  int section = -1;
  int variant = -1;
  for (std::size_t i = figures.headings.size(); i-- > 0;) {
    if (figures.headings[i].level != 2) {
      section = static_cast<int>(i);
      break;
    }
    if (variant < 0) variant = static_cast<int>(i);
  }
  // Its path: the variant's, but for the judgement's, or the section's.
  const auto heading = [&](int i) -> const FigureHeading& {
    return figures.headings[static_cast<std::size_t>(i)];
  };
  std::string path = variant >= 0 && !isJudgment(heading(variant)) ? heading(variant).key
                     : section >= 0                                ? heading(section).key
                                                                   : kHeaderKey;
  path.append(".").append(key);
  const SplitLabel split = splitLabel(textLabel);
  figures.rows.push_back({std::move(path), utf8FromCodePage850(split.label), split.note, oldValue,
                          newValue, percentBasis, comparison, section, variant,
                          derivation != nullptr ? *derivation : Derivation{}});
}

void recordHeading(Figures& figures, int level, const char* key, const char* textLabel) {
  const bool variant = level == 2;
  // A variant's key within its section: that of the last section heading.
  std::string path;
  for (std::size_t i = figures.headings.size(); variant && i-- > 0;) {
    if (figures.headings[i].level == 1) {
      path = figures.headings[i].key + '.';
      break;
    }
  }
  figures.headings.push_back(
      {variant ? 2 : 1, path + key, utf8FromCodePage850(textLabel), figures.rows.size()});
}

}  // namespace zeb
