// The report as figures: its headings and rows as records instead of bytes,
// for renderings other than the text report and the HTML document.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeb {

// A section heading (level 1) or a variant's sub-heading (level 2).
struct FigureHeading {
  int level;
  std::string label;     // as the text report shows it, in UTF-8, without the colon
  std::size_t firstRow;  // the index in Figures::rows of the first row after it
};

// How a row sets its two values side by side.
struct Comparison {
  std::int32_t oldPercent;  // whole per cent of the percent basis
  std::int32_t newPercent;
  char direction;  // '+' when the new value is at least the old one, else '-'
  float change;    // the size of the change, in per cent
};

// One row of the report.
struct FigureRow {
  std::string label;  // as the text report shows it, in UTF-8, without padding, colon and mark
  int note;           // the number of the note that the label marks, 0 for none
  float oldValue;     // the values as the row prints them
  float newValue;
  std::uint64_t percentBasis;            // 0: the row shows the old value alone
  std::optional<Comparison> comparison;  // absent when the percent basis is 0
  int section;                           // the headings it stands under, indices
  int variant;                           // into Figures::headings; -1 for none
};

// The figures of one run.
struct Figures {
  int status = 0;           // the exit status
  std::int64_t amount = 0;  // the amount in dispute, after its reduction to 32 bits
  std::vector<FigureHeading> headings;
  std::vector<FigureRow> rows;
};

// Adds the row that `printRow` is given, with its text label in code page
// 850, to `figures`.
void recordRow(Figures& figures, const char* textLabel, float oldValue, float newValue,
               std::uint64_t percentBasis, const std::optional<Comparison>& comparison);

// Adds the heading that `printHeading` is given, with its text label in code
// page 850, to `figures`.
void recordHeading(Figures& figures, int level, const char* textLabel);

}  // namespace zeb
