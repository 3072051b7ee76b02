// The comparison table written from the figures: column header, rows and
// their ways, headings, in code page 850 text or HTML, each piece put into
// a buffer. The bytes are those of the printf formats that describe
// them: the row "%-50s%12.2f %s\t=%4i %% des Streitwertes\t..." and so on.
#pragma once
#include "report/buffer.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// How the table is written: the rendering, the currency after each amount,
// the editions of the columns, and whether each row's way follows it (-W).
struct TableStyle {
  OutputMode mode;
  const char* currency;
  Reform reform;
  bool ways;
  const char* valueName =
      "Streitwert";     // what the per cents are of: the "Verfahrenswert" of a divorce
  bool byDays = false;  // the first column by the case's days
};

// The head row of the table: the column captions, "Kosten bis" the last day
// of the old column's edition and "Kosten ab" the first of the new one's.
void writeColumnHeader(Buffer& out, const TableStyle& style);

// One row comparing the money values under the old and the new schedule,
// each with its whole per cent of the percent basis and the change in per
// cent; a percent basis of 0 writes the label and the old value alone. In
// text the label column is 50 + the row's adjustment wide. Under -W the way
// to its values follows.
void writeRow(Buffer& out, const FigureRow& row, const TableStyle& style);

// The line under the amount that says that the fees are taken of at most
// 30 million euros.
void writeValueCap(Buffer& out, const TableStyle& style);

// A heading row: level 2 a sub-heading, any other level a section heading.
void writeHeading(Buffer& out, const FigureHeading& heading, OutputMode mode);

}  // namespace zeb
