#include "report/writers.h"

#include "report/document.h"
#include "report/format.h"
#include "report/maker.h"
#include "report/notes.h"
#include "report/rows.h"

namespace zeb {
namespace {

// Some 200 bytes a row, 10 KB of notes: one allocation for most reports.
std::string reserved(const Figures& figures) {
  std::string out;
  out.reserve(16'384 + 256 * figures.rows.size());
  return out;
}

// The table: the column header, then each heading and row in their order,
// the line on the cap under the amount.
void writeTable(std::string& out, const Figures& figures, const TableStyle& style) {
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
  std::string text;
  appendFormatted(text,
                  "\n ************************\n ***       ZEB        ***\n *** %s ***\n"
                  " ************************\n\n",
                  kMakerNotice);
  return text;
}

std::string textReport(const Figures& figures, const ReportOptions& options) {
  std::string out = reserved(figures);
  out += banner();
  writeTable(out, figures, {OutputMode::Text, kEuroWord, figures.reform, options.showDerivations});
  if (options.showNotes) writeNotes(out, options, OutputMode::Text);
  return out;
}

std::string htmlDocument(const Figures& figures, const ReportOptions& options) {
  std::string out = reserved(figures);
  writeDocumentHead(out, figures.amount, options);
  writeTable(out, figures,
             {OutputMode::Html, htmlCurrency(options), figures.reform, options.showDerivations});
  writeTableEnd(out);
  if (options.showNotes) writeNotes(out, options, OutputMode::Html);
  writeDocumentClosing(out);
  return out;
}

std::string htmlProgress(const Figures& figures) {
  std::string text = banner();
  appendFormatted(text, " HTML-Ausgabe f\201r Streitwert %lli Euro wird erzeugt.\n\n",
                  static_cast<long long>(figures.amount));
  return text;
}

}  // namespace zeb
