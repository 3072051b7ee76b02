// The report as figures: its headings and rows as records instead of bytes,
// for renderings other than the text report and the HTML document.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "report/derivation.h"

namespace zeb {

// An exact decimal number of a reform: 1078.44 is {107844, 2}.
struct Decimal {
  std::int64_t units;
  int places;  // 1 or more
};

// `value` written with its places, as "%.*f" writes a number: "1078.44".
std::string decimalText(Decimal value);

// A number as a row shows it: a single-precision value of the report of
// 2013, or an exact decimal of a reform (cents, or tenths of a per cent).
using Figure = std::variant<float, Decimal>;

// `figure` as the report prints it, with `places` decimals for a
// single-precision value.
std::string figureText(const Figure& figure, int places);

// The keys of the report's parts, for those that read its figures: lower-
// case ASCII, the same in every edition and rendering. A section's key names
// it ("first_instance"), a variant's adds its own ("first_instance.
// settlement"), and a row's is its whole path ("first_instance.settlement.
// court_fees"). The rows before the first section stand under `kHeaderKey`;
// the judgement's rows keep the keys they have without -V.
inline constexpr char kHeaderKey[] = "header";
inline constexpr char kJudgmentKey[] = "judgment";

// A section heading (level 1) or a variant's sub-heading (level 2).
struct FigureHeading {
  int level;
  std::string key;       // "first_instance", "first_instance.settlement"
  std::string label;     // as the text report shows it, in UTF-8, without the colon
  std::size_t firstRow;  // the index in Figures::rows of the first row after it
};

// How a row sets its two values side by side.
struct Comparison {
  std::int32_t oldPercent;  // whole per cent of the percent basis
  std::int32_t newPercent;
  char direction;                // '+' when the new value is at least the old one, else '-'
  std::optional<Figure> change;  // the size of the change, in per cent; none from 0
};

// One row of the report.
struct FigureRow {
  std::string key;    // its whole path: "first_instance.court_fees"
  std::string label;  // as the text report shows it, in UTF-8, without padding, colon and mark
  int note;           // the number of the note that the label marks, 0 for none
  Figure oldValue;    // the values as the row prints them
  Figure newValue;
  std::uint64_t percentBasis;            // 0: the row shows the old value alone
  std::optional<Comparison> comparison;  // absent when the percent basis is 0
  int section;                           // the headings it stands under, indices
  int variant;                           // into Figures::headings; -1 for none
  Derivation derivation;                 // the way to each value
};

// The figures of one run.
struct Figures {
  bool withWays = true;     // each row has the way to its values
  int status = 0;           // the exit status
  std::int64_t amount = 0;  // the amount in dispute the report computes with
  std::string oldColumn;    // the captions of the two columns: "Kosten bis 31.07.2013"
  std::string newColumn;
  std::vector<std::string> remarks;  // lines of the table that are no row, in UTF-8
  std::vector<FigureHeading> headings;
  std::vector<FigureRow> rows;
};

// Adds the row that `printRow` is given, with the key of the row within its
// block (`court_fees`) and its text label in code page 850, to `figures`.
void recordRow(Figures& figures, const char* key, const char* textLabel, const Figure& oldValue,
               const Figure& newValue, std::uint64_t percentBasis,
               const std::optional<Comparison>& comparison, const Derivation* derivation);

// Adds the heading that `printHeading` is given, with its key (a section's,
// or a variant's within its section) and its text label in code page 850,
// to `figures`.
void recordHeading(Figures& figures, int level, const char* key, const char* textLabel);

}  // namespace zeb
