#include "report/writers.h"

#include "report/buffer.h"
#include "report/document.h"
#include "report/maker.h"
#include "report/notes.h"
#include "report/rows.h"

namespace zeb {
namespace {

// Some 200 bytes a row and 10 KB of notes: one block for most reports.
Buffer bufferFor(const Figures& figures) { return Buffer(16'384 + 256 * figures.rows.size()); }

void putBanner(Buffer& out) {
  out.put("\n ************************\n ***       ZEB        ***\n *** ");
  out.put(kMakerNotice);
  out.put(" ***\n ************************\n\n");
}

// The table: the column header, then each heading and row in their order,
// the line on the cap under the amount.
void writeTable(Buffer& out, const Figures& figures, const TableStyle& style) {
  writeColumnHeader(out, style);
  auto heading = figures.headings.begin();
  for (std::size_t i = 0; i < figures.rows.size(); ++i) {
    for (; heading != figures.headings.end() && heading->firstRow == i; ++heading) {
      writeHeading(out, *heading, style.mode);
    }
    writeRow(out, figures.rows[i], style);
    if (i == 0 && figures.valueCapped) writeValueCap(out, style);
  }
  for (; heading != figures.headings.end(); ++heading) writeHeading(out, *heading, style.mode);
}

}  // namespace

std::string banner() {
  Buffer out(128);
  putBanner(out);
  return out.str();
}

Buffer textReport(const Figures& figures, const ReportOptions& options) {
  Buffer out = bufferFor(figures);
  putBanner(out);
  writeTable(out, figures,
             {OutputMode::Text, kEuroWord, figures.reform, options.showDerivations,
              figures.valueName, figures.byDays});
  if (options.showNotes) writeNotes(out, options, OutputMode::Text);
  return out;
}

Buffer htmlDocument(const Figures& figures, const ReportOptions& options) {
  Buffer out = bufferFor(figures);
  writeDocumentHead(out, figures.amount, options, figures.valueName);
  writeTable(out, figures,
             {OutputMode::Html, htmlCurrency(options), figures.reform, options.showDerivations,
              figures.valueName, figures.byDays});
  writeTableEnd(out);
  if (options.showNotes) writeNotes(out, options, OutputMode::Html);
  writeDocumentClosing(out);
  return out;
}

std::string htmlProgress(const Figures& figures) {
  Buffer out(256);
  putBanner(out);
  out.put(" HTML-Ausgabe f\201r ");
  out.put(std::string_view(figures.valueName));
  out.put(' ');
  out.integer(figures.amount);
  out.put(" Euro wird erzeugt.\n\n");
  return out.str();
}

}  // namespace zeb
