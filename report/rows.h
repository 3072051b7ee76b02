// The comparison table: column header, report rows, section headings and the
// variant sub-headings, each written at once in the current output mode, or
// recorded as figures in a run that records them.
#pragma once
#include <cstdint>

#include "fees/cents.h"
#include "report/derivation.h"

namespace zeb {

// A caption in both renderings: code page 850 text, and HTML with entities.
struct Label {
  const char* text;
  const char* html;
};

// The form of `label` that the current output mode prints.
const char* inCurrentMode(Label label);

// The head row of the table: the column captions, "Kosten bis" the last day
// of the old column's edition and "Kosten ab" the first of the new one's.
void printColumnHeader();

// One row comparing the money values under the old and the new schedule,
// each with its whole per cent of `percentBasis` and the change in per cent.
// A `percentBasis` of 0 prints only `label` and `oldValue`. In the text
// comparison form the label column is 50 + `labelWidthAdjustment` wide.
// Under -W the `derivation` of the values follows the row; the figures
// keep it, and the row's `key` within its block ("court_fees").
void printRow(const char* label, float oldValue, float newValue, std::uint64_t percentBasis,
              std::int16_t labelWidthAdjustment, const Derivation* derivation = nullptr,
              const char* key = "");

// The same row for the exact values of a reform: the per cents and the
// change (in tenths of a per cent) rounded half up from the cents.
void printRow(const char* label, Cents oldValue, Cents newValue, std::uint64_t percentBasis,
              std::int16_t labelWidthAdjustment, const Derivation* derivation = nullptr,
              const char* key = "");

// The line under the amount that says that the fees are taken of at most
// 30 million euros.
void printValueCap();

// A heading row: level 2 a sub-heading, any other level a section heading.
// `label` comes without its colon; the figures keep the heading's `key`, a
// section's ("appeal") or a variant's within its section ("settlement").
void printHeading(int level, const char* label, const char* key = "");

// Under -V, the sub-heading of the judgement block ('s') or of the
// settlement block ('v'); otherwise nothing. Where `moreVariants` follow
// the judgement in its section, its sub-heading stands without -V too.
void printVariantHeading(char kind, bool moreVariants = false);

// q x 100 rounded half up to a whole number of per cent; -2147483648 when
// that is no signed 32-bit number.
std::int32_t roundPercent(double q);

}  // namespace zeb
