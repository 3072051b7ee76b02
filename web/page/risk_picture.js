// The picture of who bears what ("Kostenrisiko"): for each way the report
// follows through the instances, the claimant's part of the costs beside
// the defendant's under both editions of the law, the amounts written on
// it. Figures in, HTML out.
import { euros } from "./numbers.js";
import { escapeHtml } from "./text.js";
import { dateOf } from "./ways.js";

// The instances by their heading's start, as a way through them names them.
const kInstances = [
  ["Erstinstanzliches", "Erste Instanz"],
  ["Berufungsverfahren", "Berufung"],
  ["Revisionsverfahren (soweit nicht", "Revision"],
  ["Revisionsverfahren (soweit die", "Revision vor dem BGH"],
];
// The ways over several instances, by the start of their rows' labels.
const kPaths = [
  ["trägt mit Berufung", "Mit Berufung"],
  ["trägt mit Berufung und Revision", "Mit Berufung und Revision"],
  ["trägt mit Berufung u. Revision v. d. BGH", "Mit Berufung und Revision vor dem BGH"],
];

// The ways of `figures` with each party's part: the first instance, then
// the ways over several instances; where the report has none of these (a
// section alone), the instance it shows. [{name, claimant, defendant}],
// the parts as rows of the figures.
function waysOfCosts(figures) {
  const rows = figures.rows;
  const ways = [];
  const paths = kPaths.map(([label, name]) => ({
    name,
    claimant: rows.find((row) => row.label === "Kläger " + label),
    defendant: rows.find((row) => row.label === "Beklagter " + label),
  })).filter((way) => way.claimant);
  rows.forEach((row, i) => {
    if (!row.label.startsWith("davon trägt der Kläger")) return;
    const name = kInstances.find(([start]) => row.headings[0]?.startsWith(start))?.[1];
    if (name === "Erste Instanz" || paths.length === 0) ways.push({ name, claimant: row, defendant: rows[i + 1] });
  });
  return [...ways, ...paths];
}

// The picture, or "" without a share won.
export function riskPictureHtml(figures) {
  const ways = waysOfCosts(figures);
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
  const label = (row) => row.label.replace(/^davon trägt der Kläger /, "");
  return `<figure class="kostenrisiko-bild" aria-labelledby="kostenrisiko-titel">` +
    `<figcaption id="kostenrisiko-titel">Wer trägt die Kosten: der Kläger trägt ${escapeHtml(label(figures.rows.find((row) =>
      row.label.startsWith("davon trägt der Kläger"))))} der Kosten jeder Instanz, der Beklagte den Rest ` +
    `<span class="legende-klaeger">Kläger</span> <span class="legende-beklagter">Beklagter</span></figcaption>` +
    `<ol>${parts}</ol></figure>`;
}
