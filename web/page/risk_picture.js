// The picture of who bears what ("Kostenrisiko"): for each way the report
// follows through the instances, the claimant's part of the costs beside
// the defendant's, and the state's where a party has legal aid, under both
// editions of the law, the amounts written on it. Figures in, HTML out; the rows are found by their keys.
import { costWays, endingWays, partRows, stateRows } from "./keys.js";
import { euros } from "./numbers.js";
import { escapeHtml } from "./text.js";
import { dateOf } from "./ways.js";

// The picture, or "" without a share won. `won` is the share the claimant
// wins as the form shows it ("60 %", "3/4").
export function riskPictureHtml(figures, won) {
  // Each party's part, in the first instance with what no one refunds it;
  // the state's.
  const sum = (rows, column) => Math.round(100 * rows.reduce((cents, row) => cents + row[column], 0)) / 100;
  const part = (rows) => (rows.length ? { old: sum(rows, "old"), new: sum(rows, "new") } : null);
  // The first instance's early endings beside its judgement.
  const all = costWays(figures);
  const afterFirst = all.findIndex((way) => way.claimant.startsWith("first_instance.")) + 1;
  const endings = afterFirst > 0 ? endingWays(figures) : [];
  all.splice(afterFirst, 0, ...endings);
  const ways = all.map((way) => ({ name: way.name, claimant: part(partRows(figures, way.claimant)),
    defendant: part(partRows(figures, way.defendant)), state: part(stateRows(figures, way)) }));
  if (ways.length === 0) return "";
  const withState = ways.some((way) => way.state);
  const payers = [["claimant", "klaeger", "Kläger"], ["defendant", "beklagter", "Beklagter"], ["state", "staat", "Staatskasse"]]
    .slice(0, withState ? 3 : 2);
  const dates = figures.columns.map(dateOf);
  const top = Math.max(...ways.flatMap((way) => ["old", "new"].map((column) =>
    payers.reduce((sum, [payer]) => sum + (way[payer]?.[column] ?? 0), 0))));
  const bar = (way, column) => `<div class="balken" aria-hidden="true">` + payers.map(([payer, style]) =>
    `<span class="${style}" style="width:${(100 * (way[payer]?.[column] ?? 0) / top).toFixed(2)}%"></span>`).join("") + "</div>";
  const parts = ways.map((way) => `<li><h3>${escapeHtml(way.name)}</h3>` + ["old", "new"].map((column, c) =>
    `<p class="teile">${dates[c]}: ` + payers.filter(([payer]) => way[payer]).map(([payer, style, name]) =>
      `<span class="${style}">${name} ${euros(way[payer][column])}</span>`).join(", ") + "</p>" + bar(way, column)).join("") +
    "</li>").join("");
  return `<figure class="kostenrisiko-bild" aria-labelledby="kostenrisiko-titel">` +
    `<figcaption id="kostenrisiko-titel">Wer trägt die Kosten, wenn der Kläger zu ${escapeHtml(won)} obsiegt: ` +
    `jede Instanz nach diesem Anteil` + (endings.length ? ", die Enden der ersten Instanz nach ihrer Regel " : " ") +
    payers.map(([, style, name]) => `<span class="legende-${style}">${name}</span>`).join(" ") + `</figcaption>` +
    `<ol>${parts}</ol></figure>`;
}
