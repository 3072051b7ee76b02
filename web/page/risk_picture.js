// The picture of who bears what ("Kostenrisiko"): for each way the report
// follows through the instances, the claimant's part of the costs beside
// the defendant's under both editions of the law, the amounts written on
// it. Figures in, HTML out; the rows are found by their keys.
import { costWays, endingWays, partRows } from "./keys.js";
import { euros } from "./numbers.js";
import { escapeHtml } from "./text.js";
import { dateOf } from "./ways.js";

// The picture, or "" without a share won. `won` is the share the claimant
// wins as the form shows it ("60 %", "3/4").
export function riskPictureHtml(figures, won) {
  // Each party's part, in the first instance with what no one refunds it.
  const part = (key) => {
    const rows = partRows(figures, key);
    const sum = (column) => Math.round(100 * rows.reduce((cents, row) => cents + row[column], 0)) / 100;
    return { old: sum("old"), new: sum("new") };
  };
  // The first instance's early endings beside its judgement.
  const all = costWays(figures);
  const afterFirst = all.findIndex((way) => way.claimant.startsWith("first_instance.")) + 1;
  const endings = afterFirst > 0 ? endingWays(figures) : [];
  all.splice(afterFirst, 0, ...endings);
  const ways = all.map((way) => ({ name: way.name, claimant: part(way.claimant), defendant: part(way.defendant) }));
  if (ways.length === 0) return "";
  const dates = figures.columns.map(dateOf);
  const top = Math.max(...ways.flatMap((way) => [way.claimant.old + way.defendant.old, way.claimant.new + way.defendant.new]));
  const bar = (claimant, defendant) => `<div class="balken" aria-hidden="true">` +
    `<span class="klaeger" style="width:${(100 * claimant / top).toFixed(2)}%"></span>` +
    `<span class="beklagter" style="width:${(100 * defendant / top).toFixed(2)}%"></span></div>`;
  const parts = ways.map((way) => `<li><h3>${escapeHtml(way.name)}</h3>` + ["old", "new"].map((column, c) =>
    `<p class="teile">${dates[c]}: <span class="klaeger">Kläger ${euros(way.claimant[column])}</span>, ` +
    `<span class="beklagter">Beklagter ${euros(way.defendant[column])}</span></p>` +
    bar(way.claimant[column], way.defendant[column])).join("") + "</li>").join("");
  return `<figure class="kostenrisiko-bild" aria-labelledby="kostenrisiko-titel">` +
    `<figcaption id="kostenrisiko-titel">Wer trägt die Kosten, wenn der Kläger zu ${escapeHtml(won)} obsiegt: ` +
    `jede Instanz nach diesem Anteil` + (endings.length ? ", die Enden der ersten Instanz nach ihrer Regel " : " ") +
    `<span class="legende-klaeger">Kläger</span> <span class="legende-beklagter">Beklagter</span></figcaption>` +
    `<ol>${parts}</ol></figure>`;
}
