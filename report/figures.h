// The report as figures: its headings and rows as records, computed before
// a byte is written. The writers render them as the text report, the HTML
// document and JSON; the rows carry their labels in both renderings, and
// for readers of the figures their keys and labels in UTF-8.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "fees/cents.h"
#include "fees/fee_schedule.h"
#include "report/derivation.h"

namespace zeb {

// A caption in both renderings: code page 850 text, and HTML with entities.
struct Label {
  const char* text;
  const char* html;
};

// An exact decimal number of a reform: 1078.44 is {107844, 2}.
struct Decimal {
  std::int64_t units;
  int places;  // 1 or more
};

// `value` written with its places, as "%.*f" writes a number: "1078.44".
std::string decimalText(Decimal value);

// The same written into `text`, which has room for `kDecimalChars`
// characters; its end.
inline constexpr std::size_t kDecimalChars = 32;
char* writeDecimal(char* text, Decimal value);

// A number as a row shows it: a single-precision value of the report of
// 2013, or an exact decimal of a reform (cents, or tenths of a per cent).
using Figure = std::variant<float, Decimal>;

// `figure` as the report prints it, with `places` decimals for a
// single-precision value.
std::string figureText(const Figure& figure, int places);

// The same written into `text`, which has room for `kFigureChars`
// characters; its end.
inline constexpr std::size_t kFigureChars = 72;
char* writeFigure(char* text, const Figure& figure, int places);

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
  const char* keyPart;   // its own key: "first_instance", "settlement"
  Label shown;           // as the reports show it, without the colon
  std::size_t firstRow;  // the index in Figures::rows of the first row after it
  // For readers of the figures, made by nameFigures:
  std::string key;    // its path: "first_instance", "first_instance.settlement"
  std::string label;  // as the text report shows it, in UTF-8
};

// How a row sets its two values side by side.
struct Comparison {
  std::int32_t oldPercent;  // whole per cent of the percent basis
  std::int32_t newPercent;
  char direction;                // '+' when the new value is at least the old one, else '-'
  std::optional<Figure> change;  // the size of the change, in per cent; none from 0
};

// A row's label as the reports show it, with its colon and note mark: one of
// the program's captions, or one made for the row. Most rows have a caption:
// a row is moved and dropped for the price of two pointers.
struct RowLabel {
  Label shown{};
  std::unique_ptr<std::pair<std::string, std::string>> made;  // in text and HTML

  RowLabel() = default;
  RowLabel(Label label)
      : shown(label) {}  // NOLINT(google-explicit-constructor): a caption is a label
  RowLabel(std::string madeText, std::string madeHtml)
      : made(std::make_unique<std::pair<std::string, std::string>>(std::move(madeText),
                                                                   std::move(madeHtml))) {}
  RowLabel(const RowLabel& other)
      : shown(other.shown),
        made(other.made ? std::make_unique<std::pair<std::string, std::string>>(*other.made)
                        : nullptr) {}
  RowLabel& operator=(const RowLabel& other) {
    if (this != &other) *this = RowLabel(other);
    return *this;
  }
  RowLabel(RowLabel&&) noexcept = default;
  RowLabel& operator=(RowLabel&&) noexcept = default;
  ~RowLabel() = default;

  const char* inText() const { return made ? made->first.c_str() : shown.text; }
  const char* inHtml() const { return made ? made->second.c_str() : shown.html; }
};

// One row of the report.
struct FigureRow {
  const char* keyPart;  // its key within its block: "court_fees"
  RowLabel shown;
  std::int16_t labelWidthAdjustment;  // the text's label column is 50 + this wide
  Figure oldValue;                    // the values as the row prints them
  Figure newValue;
  std::uint64_t percentBasis;            // 0: the row shows the old value alone
  std::optional<Comparison> comparison;  // absent when the percent basis is 0
  int section;                           // the headings it stands under, indices
  int variant;                           // into Figures::headings; -1 for none
  Derivation derivation;                 // the way to each value, where recorded
  // For readers of the figures, made by nameFigures:
  std::string key;       // its whole path: "first_instance.court_fees"
  std::string label;     // as the text report shows it, in UTF-8, without padding, colon and mark
  int note = 0;          // the number of the note that the label marks, 0 for none
  bool perCent = false;  // its values are per cents (hundredths), not amounts
};

struct Figures;

// Takes a reform's rows as they are computed, where their reader needs no
// record of them (many claims in one run, without ways): the figures hand
// each row on instead of keeping it.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // A row of `figures`: its key within its block, the indices of the
  // headings it stands under (-1 for none), its values, and whether it shows
  // the old value alone.
  virtual void row(const Figures& figures, const char* key, int section, int variant,
                   const Figure& oldValue, const Figure& newValue, bool oldAlone) = 0;

 protected:
  RowSink() = default;
  RowSink(const RowSink&) = default;
  RowSink& operator=(const RowSink&) = default;
};

// The figures of one run.
struct Figures {
  bool withWays = true;            // each row has the way to its values
  bool withLabels = true;          // a row whose label names a share has it made; else its
                                   // caption alone (for readers of keys)
  RowSink* sink = nullptr;         // where set, a reform's rows go there, not into `rows`
  int status = 0;                  // the exit status
  std::int64_t amount = 0;         // the amount in dispute the report computes with
  Reform reform = Reform::Of2013;  // the editions of the two columns
  bool byDays = false;             // the first column takes each fee by the case's days
  bool valueCapped = false;        // a line under the amount says that it counts at most the cap
  const char* valueName = "Streitwert";  // what the amount is: a divorce's "Verfahrenswert"
  std::vector<FigureHeading> headings;
  std::vector<FigureRow> rows;
  // For readers of the figures, made by nameFigures:
  std::string oldColumn;  // the captions of the two columns: "Kosten bis 31.07.2013"
  std::string newColumn;
  std::vector<std::string> remarks;  // lines of the table that are no row, in UTF-8
};

// Adds a row of the report of 2013 with its `key` within its block, its
// `label`, its single-precision values and their way, if recorded. Its per
// cents of `percentBasis` and its change follow the report's arithmetic; a
// `percentBasis` of 0 shows the old value alone.
void addRow(Figures& figures, const char* key, RowLabel label, float oldValue, float newValue,
            std::uint64_t percentBasis, std::int16_t labelWidthAdjustment,
            Derivation* derivation = nullptr);

// The same for the exact values of a reform: the per cents and the change
// (in tenths of a per cent) rounded half up from the cents.
void addRow(Figures& figures, const char* key, RowLabel label, Cents oldValue, Cents newValue,
            std::uint64_t percentBasis, std::int16_t labelWidthAdjustment,
            Derivation* derivation = nullptr);

// Adds a row of a reform whose values are per cents, in hundredths of a
// per cent, with their way, if recorded: it shows both values and no per
// cents of the amount.
void addPercentRow(Figures& figures, const char* key, RowLabel label, std::int64_t oldHundredths,
                   std::int64_t newHundredths, Derivation* derivation = nullptr);

// Adds a heading: level 2 a variant's sub-heading within the last section,
// any other level a section heading. `label` comes without its colon; `key`
// is a section's ("appeal") or a variant's within its section
// ("settlement").
void addHeading(Figures& figures, int level, Label label, const char* key);

// The caption of a column: "Kosten bis 31.07.2013", "Kosten ab 01.08.2013";
// the first by the case's days ("Kosten nach den Daten des Falls").
std::string columnCaption(Reform reform, Schedule schedule, bool byDays = false);

// The words after "Rechenweg" that name a column in its way: " bis
// 31.05.2025", " ab 01.06.2025", " nach den Daten des Falls".
std::string columnWayName(Reform reform, Schedule schedule, bool byDays);

// The line under an amount above the cap, in code page 850 with `currency`.
std::string valueCapLine(const char* currency);

// Names the figures for their readers: each heading's and row's key and
// UTF-8 label, each row's note mark, the columns' captions and the remarks.
void nameFigures(Figures& figures);

// The paths of the headings of `figures`: a section's key, a variant's
// within its section ("first_instance.settlement").
std::vector<std::string> headingPaths(const Figures& figures);

// The path of the block that `row` stands in, by the `paths` of the
// headings: its variant's, but for the judgement's, or its section's.
std::string_view blockPath(const Figures& figures, const std::vector<std::string>& paths,
                           const FigureRow& row);

// A text row's label without its colon and its note mark, and the number of
// the note that the mark points to (0 for none): "0,5 Gerichtsgeb\201hren:
// 1)" is "0,5 Gerichtsgeb\201hren" with note 1.
struct MarkedLabel {
  std::string_view label;
  int note = 0;
};
MarkedLabel markedLabel(std::string_view text);

// q x 100 rounded half up to a whole number of per cent; -2147483648 when
// that is no signed 32-bit number.
std::int32_t roundPercent(double q);

}  // namespace zeb
