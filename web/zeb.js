// The page: a form in front of the engine (zeb_api.js). Every change of the
// form shows the matching report in the view chosen (figures, chart, HTML
// or text); the address holds the form's state, one history entry per
// settled report; saving, printing and the table take what is on screen.
"use strict";

// ---------------------------------------------------------------- bytes

// Code page 850, the bytes 0x80 to 0xFF: the text report's character set.
const kCodePage850 =
  "ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜø£Ø×ƒáíóúñÑªº¿®¬½¼¡«»░▒▓│┤ÁÂÀ©╣║╗╝¢¥┐" +
  "└┴┬├─┼ãÃ╚╔╩╦╠═╬¤ðÐÊËÈıÍÎÏ┘┌█▄¦Ì▀ÓßÔÒõÕµþÞÚÛÙýÝ¯´\u00ad±‗¾¶§÷¸°¨·¹³²■\u00a0";

const kCodePage850Characters = Array.from({ length: 256 }, (_, byte) =>
  byte < 0x80 ? String.fromCharCode(byte) : kCodePage850[byte - 0x80]);

function fromCodePage850(bytes) {
  const characters = new Array(bytes.length);
  for (let i = 0; i < bytes.length; ++i) characters[i] = kCodePage850Characters[bytes[i]];
  return characters.join("");
}

// The HTML report is plain ASCII.
function fromAscii(bytes) {
  let text = "";
  for (let i = 0; i < bytes.length; i += 8192) {
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  }
  return text;
}

// -------------------------------------------------------------- numbers

// `x` as printf's "%.<decimals>f" writes it: the exact binary value rounded
// half to even. toFixed rounds an exact half up, and writes 1e21 and more
// with an exponent; from 2^53 on every double is whole.
function printfFixed(x, decimals) {
  if (Math.abs(x) >= 2 ** 53) return BigInt(x).toString() + (decimals > 0 ? "." + "0".repeat(decimals) : "");
  const twice = x * 2 * 10 ** decimals; // exact for the single-precision values of a report
  if (!Number.isInteger(twice) || twice % 2 === 0) return x.toFixed(decimals);
  const below = Math.floor(twice / 2);
  return ((below % 2 === 0 ? below : below + 1) / 10 ** decimals).toFixed(decimals);
}

// "1.245,26": the figure as the report prints it, in German notation.
function germanNumber(x, decimals) {
  const [whole, fraction] = printfFixed(x, decimals).split(".");
  const sign = whole.startsWith("-") ? "-" : "";
  const grouped = whole.replace("-", "").replace(/\B(?=(\d{3})+$)/g, ".");
  return sign + grouped + (fraction === undefined ? "" : "," + fraction);
}

const euros = (x) => germanNumber(x, 2) + "\u00a0€";
const wholeEuros = (x) => germanNumber(x, 0) + "\u00a0€";

// The change as the report prints it: "+ 20,7 %".
const changeOf = (row) => row.direction + " " + germanNumber(row.change, 1) + "\u00a0%";

// ---------------------------------------------------------- the amount

// The largest amount of the report of 2013, which reads the amount as a
// signed 32-bit number; a reform takes any amount and counts at most 30
// million euros of it.
const kLargestAmount = 2147483647;

// The amount as a German writes it: whole euros, thousands grouped by "."
// or a blank, "€", "EUR" or "Euro" in any case before or after, a cent part
// of zero (",00", ",-"); full-width digits too. Returns {digits} (no
// leading zeros) or {error}. Every step is linear in the input's length.
// `law` is the value of the law chosen ("2013" has a largest amount).
function parseAmount(input, law = "2013") {
  let text = input.normalize("NFKC").replace(/\s+/g, " ").trim();
  if (text === "") return { error: "Bitte geben Sie einen Streitwert ein." };
  text = text.replace(/^(?:€|euro|eur) ?/i, "").replace(/ ?(?:€|euro|eur)$/i, "");
  const number = /^([+\-\u2212]?) ?(\d{1,3}(?:\.\d{3})+|\d{1,3}(?: \d{3})+|\d+)(?:,(\d{1,2}|-{1,2}))?$/.exec(text);
  if (number === null) {
    if (/[^\d .,+\-\u2212€]/.test(text)) {
      return { error: "Der Streitwert besteht aus Ziffern, etwa 5000 oder 5.000." };
    }
    return {
      error: "Bitte den Streitwert in ganzen Euro angeben; Punkte trennen nur Tausender (5.000), ein Komma Cent (5.000,00).",
    };
  }
  const [, sign, grouped, cents] = number;
  if (cents !== undefined && /[1-9]/.test(cents)) {
    return { error: "Bitte nur ganze Euro angeben: Cent rechnet das Programm nicht." };
  }
  const digits = grouped.replace(/[. ]/g, "").replace(/^0+(?=\d)/, "");
  if (digits === "0" || sign === "-" || sign === "\u2212") {
    return { error: "Der Streitwert muss mindestens 1 Euro betragen." };
  }
  if (law === "2013" && (digits.length > 10 || Number(digits) > kLargestAmount)) {
    return { error: "Der Streitwert darf höchstens 2.147.483.647 Euro betragen." };
  }
  return { digits };
}

// ----------------------------------------------------- form and address

// The form's state and the address fragment, both ways. Missing or unknown
// values take the defaults; a narrow screen starts with the figures.
const kProceedings = { alle: null, klage: "-k", berufung: "-b", revision: "-r", mahnverfahren: "-m" };
// The law: a reform's two editions side by side, or the report of 2013.
const kLaws = { 2025: "-2025", 2021: "-2021", 2013: null };
const kChoices = {
  recht: ["2025", "2021", "2013"],
  verfahren: Object.keys(kProceedings),
  vergleich: ["ja", "nein"],
  hinweise: ["ja", "nein"],
  euro: ["zeichen", "wort"],
  rechenweg: ["ja", "nein"],
  darstellung: ["uebersicht", "diagramm", "html", "text"],
};
const narrowScreen = window.matchMedia("(max-width: 700px)");
const defaults = () => ({
  recht: "2025",
  verfahren: "alle", vergleich: "nein", hinweise: "ja", euro: "wort", rechenweg: "nein",
  darstellung: narrowScreen.matches ? "uebersicht" : "html",
});

const byId = (id) => document.getElementById(id);
const page = {
  form: byId("formular"),
  amount: byId("streitwert"),
  amountError: byId("streitwert-fehler"),
  law: byId("recht"),
  lawNote: byId("rechtsstand"),
  proceedings: byId("verfahren"),
  settlement: byId("vergleich"),
  notes: byId("hinweise"),
  euroSign: byId("euro"),
  ways: byId("rechenweg"),
  views: document.querySelectorAll("input[name=darstellung]"),
  save: byId("speichern"),
  table: byId("tabelle"),
  print: byId("drucken"),
  output: byId("ausgabe"),
  status: byId("meldung"),
  overview: byId("uebersicht"),
  chart: byId("diagramm"),
  frame: null, // the HTML report's frame, made for the first HTML report
  textReport: byId("textbericht"),
  printCopy: byId("druckfassung"),
};

function stateFromForm() {
  return {
    streitwert: page.amount.value,
    recht: page.law.value,
    verfahren: page.proceedings.value,
    vergleich: page.settlement.checked ? "ja" : "nein",
    hinweise: page.notes.checked ? "ja" : "nein",
    euro: page.euroSign.checked ? "zeichen" : "wort",
    rechenweg: page.ways.checked ? "ja" : "nein",
    darstellung: Array.from(page.views).find((view) => view.checked)?.value ?? defaults().darstellung,
  };
}

function showInForm(state) {
  page.amount.value = state.streitwert;
  page.law.value = state.recht;
  page.proceedings.value = state.verfahren;
  page.settlement.checked = state.vergleich === "ja";
  page.notes.checked = state.hinweise === "ja";
  page.euroSign.checked = state.euro === "zeichen";
  page.ways.checked = state.rechenweg === "ja";
  for (const view of page.views) view.checked = view.value === state.darstellung;
}

// An address without the law is one written before the page knew the
// reforms: it keeps showing the report of 2013.
function stateFromFragment(fragment) {
  const values = new URLSearchParams(fragment.replace(/^#/, ""));
  const state = { streitwert: values.get("streitwert") ?? "" };
  const fallback = defaults();
  if (fragment.length > 1 && !values.has("recht")) fallback.recht = "2013";
  for (const [key, choices] of Object.entries(kChoices)) {
    const value = values.get(key);
    state[key] = choices.includes(value) ? value : fallback[key];
  }
  return state;
}

// The address of `state`: the amount's digits, or the text as typed while
// it is no amount, so that the address never shows another amount than the
// form. An empty form has no fragment.
function fragmentOf(state, digits) {
  if (state.streitwert.trim() === "") return "";
  const values = new URLSearchParams({ streitwert: digits ?? state.streitwert.trim() });
  for (const key of Object.keys(kChoices)) values.set(key, state[key]);
  return "#" + values.toString();
}

// The argument vector: the plain digits, then the chosen switches.
function argumentsOf(state, digits, html) {
  const words = [digits];
  if (kLaws[state.recht]) words.push(kLaws[state.recht]);
  if (kProceedings[state.verfahren]) words.push(kProceedings[state.verfahren]);
  if (state.vergleich === "ja") words.push("-V");
  if (state.hinweise === "nein") words.push("-A");
  if (state.euro === "zeichen") words.push("-E");
  if (state.rechenweg === "ja") words.push("-W");
  if (html) words.push("-h");
  return words;
}

// ---------------------------------------------------------------- views

const escapeHtml = (text) => text.replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);

// The way to a row's values: its steps under the date of each column, or
// alone for a row with one value.
function wayHtml(derivation, before, after) {
  const steps = (lines) => `<ul>${lines.map((line) => `<li>${escapeHtml(line)}</li>`).join("")}</ul>`;
  if (derivation.new === null) return steps(derivation.old);
  return `<p>${before}:</p>${steps(derivation.old)}<p>${after}:</p>${steps(derivation.new)}`;
}

// The ways of the figures on screen, by the row that shows them when opened.
const shownWays = new Map();

// "bis 31.05.2025" of a column's caption "Kosten bis 31.05.2025".
const dateOf = (caption) => caption.replace(/^Kosten /, "");

// The figures' rows in blocks: the base rows, then one block per section,
// a variant's sub-heading as an item of its own.
function blocksOf(figures) {
  const blocks = [{ title: "Streitwert und einfache Gebühren", items: [] }];
  figures.rows.forEach((row, i) => {
    for (const heading of figures.headings.filter((h) => h.row === i)) {
      if (heading.level === 1) blocks.push({ title: heading.label, items: [] });
      else blocks[blocks.length - 1].items.push({ variant: heading.label });
    }
    blocks[blocks.length - 1].items.push(row);
  });
  return blocks.filter((block) => block.items.length > 0);
}

// The figures view: a block per section, each row's label over its two
// amounts and the change. `mark(n)` is the footnote mark of note n.
function overviewHtml(figures, mark) {
  const [before, after] = figures.columns.map(dateOf);
  shownWays.clear();
  return blocksOf(figures).map((block, b) => {
    const id = "b" + b;
    const head = `<thead><tr><th scope="col" id="${id}a">${before}</th><th scope="col" id="${id}n">${after}</th>` +
      `<th scope="col" id="${id}v">Veränderung</th></tr></thead>`;
    const rows = block.items.map((item, i) => {
      if (item.variant) return `<tr class="variante"><th colspan="3" scope="colgroup">${escapeHtml(item.variant)}</th></tr>`;
      const row = `${id}r${i}`;
      const values = item.basis === 0 ? `<td colspan="3" class="einzeln" headers="${row}">${euros(item.old)}</td>`
        : `<td headers="${row} ${id}a">${euros(item.old)}</td><td headers="${row} ${id}n">${euros(item.new)}</td>` +
          `<td headers="${row} ${id}v">${changeOf(item)}</td>`;
      // The way to the values opens under them, closed at first.
      const toggle = `<button type="button" class="weg-knopf" aria-expanded="false" aria-controls="${row}w">Rechenweg</button>`;
      shownWays.set(`${row}w`, wayHtml(item.derivation, before, after));
      return `<tr class="position"><th colspan="3" id="${row}">${escapeHtml(item.label)}${item.note ? mark(item.note) : ""}${toggle}</th></tr>` +
        `<tr class="werte">${values}</tr><tr class="rechenweg" id="${row}w" hidden></tr>`;
    }).join("");
    // A line on the amount (its cap) stands under the first block.
    const remarks = b === 0 ? figures.remarks.map((remark) => `<p class="anmerkung-zeile">${escapeHtml(remark)}</p>`).join("") : "";
    return `<section class="block" aria-labelledby="${id}"><h2 id="${id}">${escapeHtml(block.title)}</h2>` +
      `<table class="zahlen">${head}<tbody>${rows}</tbody></table>${remarks}</section>`;
  }).join("");
}

function showOverview(state, digits) {
  const notes = state.hinweise === "ja" ? notesOf(state.euro, state.recht) : null;
  // The note on the payment order's minimum fee is the HTML report's "Mindest".
  const mark = notes ? (n) => `<sup><a href="#Mindest" class="fussnote" aria-label="Anmerkung ${n}">${n}</a></sup>`
    : (n) => `<sup>${n}</sup>`;
  page.overview.innerHTML = overviewHtml(zeb.figures(argumentsOf(state, digits, false)), mark);
  if (notes) {
    const details = document.createElement("details");
    details.className = "anmerkungen";
    details.innerHTML = "<summary>Anmerkungen</summary>";
    details.append(notes.cloneNode(true));
    page.overview.append(details);
  }
}

// The notes as the HTML report writes them, once per currency and law.
const notesCache = new Map();
function notesOf(euro, law) {
  const key = euro + law;
  if (!notesCache.has(key)) {
    const words = ["1", "-k", "-b", "-h"].concat(euro === "zeichen" ? ["-E"] : [], kLaws[law] ?? []);
    const report = new DOMParser().parseFromString(fromAscii(zeb.run(words).stdout), "text/html");
    notesCache.set(key, document.importNode(report.querySelector(".anmerkung"), true));
  }
  return notesCache.get(key);
}

// A link to a note, in the figures or in the HTML report: the note comes
// into view; the address stays the form's.
function followNote(event, documentOfLink, reveal) {
  const link = event.target.closest?.("a[href^='#']");
  if (!link) return;
  event.preventDefault();
  const name = link.getAttribute("href").slice(1);
  const note = documentOfLink.getElementById(name) ?? documentOfLink.getElementsByName(name)[0];
  if (note) reveal(note);
}

// A row's button opens and closes the way to its values.
page.overview.addEventListener("click", (event) => {
  const toggle = event.target.closest?.("button.weg-knopf");
  if (!toggle) return;
  const open = toggle.getAttribute("aria-expanded") !== "true";
  const row = byId(toggle.getAttribute("aria-controls"));
  // Made at its first opening: the figures come up without them.
  if (!row.hasChildNodes()) row.innerHTML = `<td colspan="3">${shownWays.get(row.id)}</td>`;
  toggle.setAttribute("aria-expanded", String(open));
  row.hidden = !open;
});

page.overview.addEventListener("click", (event) => followNote(event, document, (note) => {
  note.closest("details").open = true;
  const item = note.closest("li");
  item.tabIndex = -1;
  item.scrollIntoView({ block: "center" });
  item.focus({ preventScroll: true });
}));

// The chart: court and lawyer fee, the two editions of the law chosen,
// over amounts from 1 euro to well past the amount, both axes logarithmic.
const kChartSamples = 240;
const kSeries = [
  { name: "Gerichtsgebühr", fee: "court", schedule: "old", css: "gericht alt" },
  { name: "Gerichtsgebühr", fee: "court", schedule: "new", css: "gericht" },
  { name: "Anwaltsgebühr", fee: "lawyer", schedule: "old", css: "anwalt alt" },
  { name: "Anwaltsgebühr", fee: "lawyer", schedule: "new", css: "anwalt" },
];

// The rows of the single court and lawyer fee for `amount` under `law`:
// the base rows of the report, with both editions' fees and the change,
// and the dates of the editions ("bis 31.05.2025", "ab 01.06.2025").
function feesAt(amount, law) {
  const figures = zeb.figures([String(amount), "-k", "-b", "-A"].concat(kLaws[law] ?? []));
  const [old, now] = figures.columns.map(dateOf);
  return { amount, court: figures.rows[1], lawyer: figures.rows[2], dates: { old, new: now } };
}

const seriesName = (s, fees) => `${s.name} ${fees.dates[s.schedule]}`;

const chartCache = new Map();
function chartSamples(top, law) {
  const key = top + "/" + law;
  if (!chartCache.has(key)) {
    const samples = [];
    for (let i = 0; i <= kChartSamples; ++i) {
      const amount = Math.round(top ** (i / kChartSamples));
      if (samples.length === 0 || amount > samples[samples.length - 1].amount) samples.push(feesAt(amount, law));
    }
    chartCache.set(key, samples);
  }
  return chartCache.get(key);
}

const amountWords = (x) => x >= 1e9 ? germanNumber(x / 1e9, 0) + "\u00a0Mrd.\u00a0€"
  : x >= 1e6 ? germanNumber(x / 1e6, 0) + "\u00a0Mio.\u00a0€" : germanNumber(x, 0) + "\u00a0€";

let chart = null; // the chart on screen: its scales {x, y}
let chartWidth = 0; // the width it was drawn for

function showChart(digits, law) {
  // The fees of a reform stay those of 30 million euros above it.
  const amount = Math.min(Number(digits), kLargestAmount);
  const top = Math.min(10 ** (Math.ceil(Math.log10(amount + 1)) + 1), kLargestAmount);
  const samples = chartSamples(top, law);
  const name = (s) => seriesName(s, samples[0]);
  const feeTop = 10 ** Math.ceil(Math.log10(Math.max(...samples.map((p) => Math.max(p.court.new, p.lawyer.new, p.court.old, p.lawyer.old)))));
  const width = Math.max(280, Math.min(page.output.clientWidth || 640, 900));
  const height = Math.round(Math.min(Math.max(width * 0.6, 220), 420));
  const m = { left: width < 420 ? 58 : 70, right: 36, top: 12, bottom: 36 };
  const x = (a) => m.left + (Math.log10(a) / Math.log10(top)) * (width - m.left - m.right);
  const y = (f) => height - m.bottom - ((Math.log10(f) - 1) / (Math.log10(feeTop) - 1)) * (height - m.top - m.bottom);
  const decades = (from, to) => Array.from({ length: Math.floor(Math.log10(to)) - from + 1 }, (_, k) => 10 ** (from + k));
  const every = width < 500 ? 2 : 1;
  const xTicks = decades(0, top).map((a, k) => `<line class="gitter" x1="${x(a)}" x2="${x(a)}" y1="${m.top}" y2="${height - m.bottom}"/>` +
    (k % every === 0 ? `<text x="${x(a)}" y="${height - m.bottom + 16}" text-anchor="middle">${amountWords(a)}</text>` : "")).join("");
  const yTicks = decades(1, feeTop).map((f) => `<line class="gitter" x1="${m.left}" x2="${width - m.right}" y1="${y(f)}" y2="${y(f)}"/>` +
    `<text x="${m.left - 6}" y="${y(f) + 4}" text-anchor="end">${amountWords(f)}</text>`).join("");
  // Steps: a fee holds until the next sample's.
  const path = (s) => samples.map((p, k) => (k === 0 ? `M${x(p.amount).toFixed(1)},` : `H${x(p.amount).toFixed(1)}V`) +
    y(p[s.fee][s.schedule]).toFixed(1)).join("") + `H${width - m.right}`;
  const lines = kSeries.map((s) => `<path class="linie ${s.css}" d="${path(s)}"/>`).join("");
  const table = [...decades(0, top).filter((a) => a !== amount), amount].sort((a, b) => a - b).map((a) => feesAt(a, law));
  page.chart.innerHTML = `<figure>
<svg id="diagramm-bild" role="img" aria-labelledby="diagramm-titel" viewBox="0 0 ${width} ${height}" width="${width}" height="${height}">
<title id="diagramm-titel">Gerichts- und Anwaltsgebühr ${samples[0].dates.old} und ${samples[0].dates.new}, Streitwert von 1 bis ${amountWords(top)}, beide Achsen logarithmisch; markiert: ${amountWords(amount)}</title>
${yTicks}${xTicks}${lines}<line class="achse" x1="${m.left}" x2="${m.left}" y1="${m.top}" y2="${height - m.bottom}"/>
<line class="achse" x1="${m.left}" x2="${width - m.right}" y1="${height - m.bottom}" y2="${height - m.bottom}"/>
<line id="diagramm-marke" class="marke" y1="${m.top}" y2="${height - m.bottom}"/>
<line id="diagramm-zeiger" class="zeiger" y1="${m.top}" y2="${height - m.bottom}"/>
${kSeries.map((s, k) => `<circle id="diagramm-punkt-${k}" class="punkt ${s.css}" r="4"/>`).join("")}
</svg>
<figcaption><ul class="legende">${kSeries.map((s) => `<li><svg width="28" height="10" aria-hidden="true"><line class="linie ${s.css}" x1="0" x2="28" y1="5" y2="5"/></svg>${name(s)}</li>`).join("")}</ul></figcaption>
</figure>
<label for="diagramm-regler">Streitwert im Diagramm</label>
<input id="diagramm-regler" type="range" min="0" max="1000" step="1">
<p id="diagramm-werte" class="werte-am-zeiger" aria-live="polite"></p>
<details><summary>Werte als Tabelle</summary>
<table class="zahlen diagramm-tabelle"><thead><tr><th scope="col">Streitwert</th>${kSeries.map((s) => `<th scope="col">${name(s)}</th>`).join("")}</tr></thead>
<tbody>${table.map((p) => `<tr${p.amount === amount ? ' class="markiert"' : ""}><th scope="row">${wholeEuros(p.amount)}</th>${kSeries.map((s) => `<td>${euros(p[s.fee][s.schedule])}</td>`).join("")}</tr>`).join("")}</tbody></table>
</details>`;
  chart = { x, y, law };
  chartWidth = page.output.clientWidth;
  byId("diagramm-marke").setAttribute("x1", x(amount));
  byId("diagramm-marke").setAttribute("x2", x(amount));
  const slider = byId("diagramm-regler");
  const toSlider = (a) => Math.round((Math.log10(a) / Math.log10(top)) * 1000);
  const fromSlider = (v) => Math.max(1, Math.min(top, Math.round(top ** (v / 1000))));
  slider.value = toSlider(amount);
  slider.addEventListener("input", () => pointAt(fromSlider(Number(slider.value))));
  const svg = byId("diagramm-bild");
  const pointer = (event) => {
    const box = svg.getBoundingClientRect();
    const position = ((event.clientX - box.left) / box.width) * width;
    const share = (position - m.left) / (width - m.left - m.right);
    if (share < 0 || share > 1) return;
    const a = Math.max(1, Math.round(top ** share));
    slider.value = toSlider(a);
    pointAt(a);
  };
  svg.addEventListener("pointermove", pointer);
  svg.addEventListener("pointerdown", pointer);
  pointAt(amount);
}

// The values at `amount` in the chart: the pointer, its dots and the line
// under the chart.
function pointAt(amount) {
  const fees = feesAt(amount, chart.law);
  byId("diagramm-zeiger").setAttribute("x1", chart.x(amount));
  byId("diagramm-zeiger").setAttribute("x2", chart.x(amount));
  kSeries.forEach((s, k) => {
    const dot = byId("diagramm-punkt-" + k);
    dot.setAttribute("cx", chart.x(amount));
    dot.setAttribute("cy", chart.y(fees[s.fee][s.schedule]));
  });
  const slider = byId("diagramm-regler");
  slider.setAttribute("aria-valuetext", wholeEuros(amount));
  byId("diagramm-werte").textContent = `Bei ${wholeEuros(amount)}: Gerichtsgebühr ${euros(fees.court.old)} ${fees.dates.old}, ` +
    `${euros(fees.court.new)} ${fees.dates.new} (${changeOf(fees.court)}); Anwaltsgebühr ${euros(fees.lawyer.old)}, ` +
    `${euros(fees.lawyer.new)} (${changeOf(fees.lawyer)}).`;
}

// The HTML report in a frame of its own: a new frame for every report,
// since a frame that navigates again adds an entry to the window's history.
// It is as tall as its report, whatever the width, so that the page scrolls
// and not a box in it; wide tables still scroll sideways. A link in the
// report moves the page to its note.
function showFrame(html) {
  const frame = document.createElement("iframe");
  frame.id = "bericht";
  frame.title = "Bericht";
  if (page.frame) frame.style.height = page.frame.style.height;
  frame.srcdoc = html;
  frame.addEventListener("load", () => {
    const report = frame.contentDocument;
    if (!report || !report.documentElement) return;
    // The report's height, a sideways scrollbar's and the frame's borders.
    const fit = () => {
      const root = report.documentElement;
      const scrollbar = frame.contentWindow.innerHeight - root.clientHeight;
      const borders = frame.offsetHeight - frame.clientHeight;
      frame.style.height = Math.ceil(root.getBoundingClientRect().height) + scrollbar + borders + "px";
    };
    new frame.contentWindow.ResizeObserver(fit).observe(report.documentElement);
    report.addEventListener("click", (event) => followNote(event, report, (note) => {
      const top = frame.getBoundingClientRect().top + note.getBoundingClientRect().top;
      window.scrollTo({ top: window.scrollY + top - 16, behavior: "instant" });
    }));
  });
  if (page.frame) page.frame.replaceWith(frame);
  else page.output.insertBefore(frame, page.textReport);
  page.frame = frame;
}

function removeFrame() {
  page.frame?.remove();
  page.frame = null;
}

// Printing shows the report on screen alone (the style sheet's print
// rules); the text report prints across an A4 page turned sideways.
const pageFormat = document.head.appendChild(document.createElement("style"));

// What printing shows of an HTML report: the report's own table and notes
// with its style sheet, in the page itself, where printing runs over pages.
const printRoot = page.printCopy.attachShadow({ mode: "open" });

function showReport(state, digits) {
  const view = state.darstellung;
  page.output.dataset.ansicht = view;
  pageFormat.textContent = view === "text" ? "@page { size: A4 landscape; }" : "@page { size: A4; }";
  if (view !== "html") removeFrame();
  page.textReport.hidden = view !== "text";
  page.overview.hidden = view !== "uebersicht";
  page.chart.hidden = view !== "diagramm";
  if (view !== "html") printRoot.innerHTML = "";
  if (view === "html") {
    const html = fromAscii(zeb.run(argumentsOf(state, digits, true)).stdout);
    showFrame(html);
    printRoot.innerHTML = "<style>:host{display:block;font:10pt Arial,sans-serif;color:#000}<\/style>" + html;
  } else if (view === "text") {
    page.textReport.textContent = fromCodePage850(zeb.run(argumentsOf(state, digits, false)).stdout);
  } else if (view === "uebersicht") {
    showOverview(state, digits);
  } else {
    showChart(digits, state.recht);
  }
}

function clearReport() {
  current = null;
  removeFrame();
  for (const element of [page.textReport, page.overview, page.chart]) {
    element.hidden = true;
    element.textContent = "";
  }
  printRoot.innerHTML = "";
  page.status.textContent = "";
  for (const button of [page.save, page.table, page.print]) button.disabled = true;
}

// ------------------------------------------------------- the table (CSV)

// The report's rows for a spreadsheet: semicolons, decimal commas, UTF-8
// with a byte order mark, as German Excel and LibreOffice open it.
function csvOf(figures) {
  const field = (value) => (/[;"\r\n]/.test(value) ? '"' + value.replace(/"/g, '""') + '"' : value);
  const number = (x, decimals) => printfFixed(x, decimals).replace(".", ",");
  const [before, after] = figures.columns;
  const lines = [["Abschnitt", "Variante", "Position", before + " (Euro)", "% des Streitwertes",
    after + " (Euro)", "% des Streitwertes", "Veränderung (%)", "Rechenweg"]];
  for (const row of figures.rows) {
    const values = row.basis === 0 ? [number(row.old, 2), "", "", "", ""]
      : [number(row.old, 2), String(row.oldPercent), number(row.new, 2), String(row.newPercent),
        (row.direction === "-" ? "-" : "") + number(row.change, 1)];
    // The way to the values, a line a step, under the date of each column.
    const way = row.derivation.new === null ? row.derivation.old
      : [dateOf(before) + ":", ...row.derivation.old, dateOf(after) + ":", ...row.derivation.new];
    lines.push([row.headings[0] ?? "", row.headings[1] ?? "", row.label, ...values, way.join("\n")]);
  }
  return "\ufeff" + lines.map((line) => line.map(field).join(";")).join("\r\n") + "\r\n";
}

function download(name, type, content) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([content], { type }));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// ------------------------------------------------------------ the flow

let current = null; // the report on screen: {state, digits}
let shownFragment = null; // the address whose report is on screen
let entrySettled = true; // whether the history entry holds a settled report
let typing = null; // the timer of the report that follows typing
let pause = null; // the timer after which typing counts as settled
const kTypingDelay = 150;
const kPause = 1000;

function showError(message) {
  page.amountError.textContent = message;
  page.amount.setAttribute("aria-invalid", "true");
  clearReport();
}

function clearError() {
  page.amountError.textContent = "";
  page.amount.removeAttribute("aria-invalid");
}

function describe(state, digits) {
  const proceedings = page.proceedings.querySelector(`option[value=${state.verfahren}]`).textContent;
  const law = page.law.querySelector(`option[value="${state.recht}"]`).textContent;
  return `Bericht für ${wholeEuros(Number(digits))}, ${law}: ${proceedings}` +
    (state.vergleich === "ja" ? ", mit Prozeßvergleich" : "") + ".";
}

// The note on the law the page computes: the editions, their VAT, and which
// of them applies to a case.
const kLawNotes = {
  2025: { dates: ["31.05.2025", "01.06.2025"], act: "Kosten- und Betreuervergütungsrechtsänderungsgesetz 2025" },
  2021: { dates: ["31.12.2020", "01.01.2021"], act: "Kostenrechtsänderungsgesetz 2021" },
};

function showLawNote(law) {
  const reform = kLawNotes[law];
  page.lawNote.innerHTML = "<strong>Rechtsstand:</strong> " + (reform
    ? `Gerechnet wird mit den Gebührentabellen des GKG und des RVG in der bis ${reform.dates[0]} und der ab ` +
      `${reform.dates[1]} geltenden Fassung (${reform.act}) und mit 19&nbsp;% Umsatzsteuer. Welche Fassung ` +
      "für einen Fall gilt, richtet sich bei den Gerichtsgebühren nach dem Tag, an dem das Verfahren anhängig " +
      "wurde (§&nbsp;71 GKG), bei den Anwaltsgebühren nach dem Tag des Auftrags (§&nbsp;60 RVG)."
    : "Gerechnet wird mit den Gebührentabellen in der bis 31.07.2013 und der ab 01.08.2013 geltenden Fassung " +
      "und mit 16&nbsp;% Umsatzsteuer, wie das Programm ohne <code>-2021</code> oder <code>-2025</code> rechnet. " +
      "Die Gebühren wurden 2021 und 2025 geändert; das geltende Recht wählen Sie oben unter „Recht“.");
}

// Shows what `state` gives: its report, or the message for its amount.
// Returns the fragment of its address.
function render(state) {
  page.output.classList.remove("veraltet");
  page.output.removeAttribute("aria-busy");
  showLawNote(state.recht);
  const amount = parseAmount(state.streitwert, state.recht);
  if (amount.error) {
    if (state.streitwert.trim() === "") {
      clearError();
      clearReport();
    } else {
      showError(amount.error);
    }
    return fragmentOf(state, null);
  }
  clearError();
  showReport(state, amount.digits);
  current = { state, digits: amount.digits };
  for (const button of [page.save, page.table, page.print]) button.disabled = false;
  return fragmentOf(state, amount.digits);
}

// The address follows the form: a settled entry stays, and the next change
// begins an entry of its own; an entry still being typed is replaced.
function follow(fragment, settled) {
  if (fragment !== (location.hash === "#" ? "" : location.hash)) {
    const address = fragment === "" ? location.pathname + location.search : fragment;
    if (entrySettled) {
      history.pushState(null, "", address);
    } else {
      history.replaceState(null, "", address);
    }
  }
  shownFragment = location.hash;
  entrySettled = settled;
}

function announce() {
  page.status.textContent = current ? describe(current.state, current.digits) : "";
}

// The form changed: the report follows, at once or after a short delay
// while the amount is being typed.
function update(settled) {
  clearTimeout(typing);
  typing = null;
  follow(render(stateFromForm()), settled);
  if (settled) announce();
}

// Whatever the user does next takes the report that matches the form.
function settle() {
  clearTimeout(pause);
  if (typing !== null) update(true);
  else if (!entrySettled) {
    entrySettled = true;
    announce();
  }
}

function restoreFromAddress() {
  // A fragment without a key is no state of the form: a stray anchor.
  if (shownFragment === location.hash || (location.hash.length > 1 && !location.hash.includes("="))) return;
  clearTimeout(typing);
  clearTimeout(pause);
  typing = null;
  const state = stateFromFragment(location.hash);
  showInForm(state);
  render(state);
  shownFragment = location.hash;
  entrySettled = true;
  announce();
}

page.amount.addEventListener("input", () => {
  page.output.classList.add("veraltet");
  page.output.setAttribute("aria-busy", "true");
  clearTimeout(typing);
  clearTimeout(pause);
  typing = setTimeout(() => {
    update(false);
    pause = setTimeout(settle, kPause);
  }, kTypingDelay);
});
page.amount.addEventListener("blur", settle);

// A choice is settled when made.
for (const control of [page.law, page.proceedings, page.settlement, page.notes, page.euroSign, page.ways, ...page.views]) {
  control.addEventListener("change", () => {
    settle();
    update(true);
  });
}

page.form.addEventListener("submit", (event) => {
  event.preventDefault();
  settle();
  if (current === null) {
    // An empty field has no message while it is being typed; asked for a
    // report, it says what is missing.
    const { error } = parseAmount(page.amount.value, page.law.value);
    if (error) showError(error);
    page.amount.focus();
  } else if (narrowScreen.matches) {
    // On a phone the keyboard goes, and the first figures come into view.
    page.output.focus({ preventScroll: true });
    page.output.scrollIntoView({ block: "start" });
  }
});

page.save.addEventListener("click", () => {
  settle();
  if (current === null) return;
  download("zeb-" + current.digits + ".html", "text/html", zeb.run(argumentsOf(current.state, current.digits, true)).stdout);
});

page.table.addEventListener("click", () => {
  settle();
  if (current === null) return;
  download("zeb-" + current.digits + ".csv", "text/csv;charset=utf-8",
    csvOf(zeb.figures(argumentsOf(current.state, current.digits, false))));
});

window.addEventListener("beforeprint", settle);
page.print.addEventListener("click", () => {
  settle();
  if (current !== null) window.print();
});

// A chart fits its width: drawn again when the window's width changes.
new ResizeObserver(() => {
  if (current?.state.darstellung === "diagramm" && page.output.clientWidth !== chartWidth) {
    chartWidth = page.output.clientWidth;
    showChart(current.digits, current.state.recht);
  }
}).observe(page.output);

zeb.ready.then(
  () => {
    // Back, forward, or an address typed or followed.
    window.addEventListener("popstate", restoreFromAddress);
    window.addEventListener("hashchange", restoreFromAddress);
    restoreFromAddress();
  },
  (error) => showError("Der Rechenkern ließ sich nicht laden: " + error)
);
