// The report's rows for a spreadsheet: semicolons, decimal commas, UTF-8
// with a byte order mark, as German Excel and LibreOffice open it.
import { printfFixed } from "./numbers.js";
import { dateOf } from "./ways.js";

const field = (value) => (/[;"\r\n]/.test(value) ? '"' + value.replace(/"/g, '""') + '"' : value);
const number = (x, decimals) => printfFixed(x, decimals).replace(".", ",");

// The table of `figures` (zeb.figures): a line a row, with the way to its
// values, a line a step under the date of each column, and last the row's
// key, which stays when a label is reworded.
// The percentages are of the amount in dispute, or of a divorce's value.
export function csvOf(figures) {
  const [before, after] = figures.columns;
  const percent = figures.rows.some((row) => row.key.startsWith("divorce.")) ? "% des Verfahrenswertes" : "% des Streitwertes";
  const lines = [["Abschnitt", "Variante", "Position", before + " (Euro)", percent,
    after + " (Euro)", percent, "Veränderung (%)", "Rechenweg", "Schlüssel"]];
  for (const row of figures.rows) {
    const change = () => (row.change === null ? "" : (row.direction === "-" ? "-" : "") + number(row.change, 1));
    const values = row.basis === 0 ? [number(row.old, 2), "", "", "", ""]
      : [number(row.old, 2), String(row.oldPercent), number(row.new, 2), String(row.newPercent), change()];
    const way = row.derivation.new === null ? row.derivation.old
      : [dateOf(before) + ":", ...row.derivation.old, dateOf(after) + ":", ...row.derivation.new];
    lines.push([row.headings[0] ?? "", row.headings[1] ?? "", row.label, ...values, way.join("\n"), row.key]);
  }
  return "\ufeff" + lines.map((line) => line.map(field).join(";")).join("\r\n") + "\r\n";
}
