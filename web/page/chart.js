// The chart ("Diagramm"): the court and the lawyer fee of both editions of
// the law chosen, over amounts from 1 euro to well past the amount, both
// axes logarithmic, with a pointer that reads the values at any amount.
import { kLaws } from "./laws.js";
import { kLargestAmount } from "./amount.js";
import { rowOf } from "./keys.js";
import { amountWords, changeOf, euros, wholeEuros } from "./numbers.js";
import { dateOf } from "./ways.js";

const kSamples = 240;
const kSeries = [
  { name: "Gerichtsgebühr", fee: "court", schedule: "old", css: "gericht alt" },
  { name: "Gerichtsgebühr", fee: "court", schedule: "new", css: "gericht" },
  { name: "Anwaltsgebühr", fee: "lawyer", schedule: "old", css: "anwalt alt" },
  { name: "Anwaltsgebühr", fee: "lawyer", schedule: "new", css: "anwalt" },
];

// The chart in `container`, `width()` wide, with the engine `zeb`.
export function createChart(container, zeb, width) {
  // The rows of the single court and lawyer fee for `amount` under `law`:
  // the base rows of the report, with both editions' fees and the change,
  // and the dates of the editions ("bis 31.05.2025", "ab 01.06.2025").
  function feesAt(amount, law) {
    const figures = zeb.figures([String(amount), "-k", "-b", "-A"].concat(kLaws[law] ?? []), { ways: false });
    const [old, now] = figures.columns.map(dateOf);
    return { amount, court: rowOf(figures, "header.court_fee"), lawyer: rowOf(figures, "header.lawyer_fee"), dates: { old, new: now } };
  }

  const cache = new Map();
  function samples(top, law) {
    const key = top + "/" + law;
    if (!cache.has(key)) {
      const points = [];
      for (let i = 0; i <= kSamples; ++i) {
        const amount = Math.round(top ** (i / kSamples));
        if (points.length === 0 || amount > points[points.length - 1].amount) points.push(feesAt(amount, law));
      }
      cache.set(key, points);
    }
    return cache.get(key);
  }

  let drawn = null; // the chart on screen: its scales, law and width

  // The values at `amount`: the pointer, its dots and the line under the chart.
  function pointAt(amount) {
    const fees = feesAt(amount, drawn.law);
    const byId = (id) => container.querySelector("#" + id);
    for (const end of ["x1", "x2"]) byId("diagramm-zeiger").setAttribute(end, drawn.x(amount));
    kSeries.forEach((s, k) => {
      const dot = byId("diagramm-punkt-" + k);
      dot.setAttribute("cx", drawn.x(amount));
      dot.setAttribute("cy", drawn.y(fees[s.fee][s.schedule]));
    });
    byId("diagramm-regler").setAttribute("aria-valuetext", wholeEuros(amount));
    byId("diagramm-werte").textContent = `Bei ${wholeEuros(amount)}: Gerichtsgebühr ${euros(fees.court.old)} ${fees.dates.old}, ` +
      `${euros(fees.court.new)} ${fees.dates.new} (${changeOf(fees.court)}); Anwaltsgebühr ${euros(fees.lawyer.old)}, ` +
      `${euros(fees.lawyer.new)} (${changeOf(fees.lawyer)}).`;
  }

  function show(digits, law) {
    // The chart depends on the amount, the law and the width alone.
    if (drawn && drawn.digits === digits && drawn.law === law && drawn.width === width()) return;
    // The fees of a reform stay those of 30 million euros above it.
    const amount = Math.min(Number(digits), kLargestAmount);
    const top = Math.min(10 ** (Math.ceil(Math.log10(amount + 1)) + 1), kLargestAmount);
    const points = samples(top, law);
    const name = (s) => `${s.name} ${points[0].dates[s.schedule]}`;
    const feeTop = 10 ** Math.ceil(Math.log10(Math.max(...points.map((p) => Math.max(p.court.new, p.lawyer.new, p.court.old, p.lawyer.old)))));
    const w = Math.max(280, Math.min(width() || 640, 900));
    const h = Math.round(Math.min(Math.max(w * 0.6, 220), 420));
    const m = { left: w < 420 ? 58 : 70, right: 36, top: 12, bottom: 36 };
    const x = (a) => m.left + (Math.log10(a) / Math.log10(top)) * (w - m.left - m.right);
    const y = (f) => h - m.bottom - ((Math.log10(f) - 1) / (Math.log10(feeTop) - 1)) * (h - m.top - m.bottom);
    const decades = (from, to) => Array.from({ length: Math.floor(Math.log10(to)) - from + 1 }, (_, k) => 10 ** (from + k));
    const every = w < 500 ? 2 : 1;
    const xTicks = decades(0, top).map((a, k) => `<line class="gitter" x1="${x(a)}" x2="${x(a)}" y1="${m.top}" y2="${h - m.bottom}"/>` +
      (k % every === 0 ? `<text x="${x(a)}" y="${h - m.bottom + 16}" text-anchor="middle">${amountWords(a)}</text>` : "")).join("");
    const yTicks = decades(1, feeTop).map((f) => `<line class="gitter" x1="${m.left}" x2="${w - m.right}" y1="${y(f)}" y2="${y(f)}"/>` +
      `<text x="${m.left - 6}" y="${y(f) + 4}" text-anchor="end">${amountWords(f)}</text>`).join("");
    // Steps: a fee holds until the next sample's.
    const path = (s) => points.map((p, k) => (k === 0 ? `M${x(p.amount).toFixed(1)},` : `H${x(p.amount).toFixed(1)}V`) +
      y(p[s.fee][s.schedule]).toFixed(1)).join("") + `H${w - m.right}`;
    const lines = kSeries.map((s) => `<path class="linie ${s.css}" d="${path(s)}"/>`).join("");
    const table = [...decades(0, top).filter((a) => a !== amount), amount].sort((a, b) => a - b).map((a) => feesAt(a, law));
    container.innerHTML = `<figure>
<svg id="diagramm-bild" role="img" aria-labelledby="diagramm-titel" viewBox="0 0 ${w} ${h}" width="${w}" height="${h}">
<title id="diagramm-titel">Gerichts- und Anwaltsgebühr ${points[0].dates.old} und ${points[0].dates.new}, Streitwert von 1 bis ${amountWords(top)}, beide Achsen logarithmisch; markiert: ${amountWords(amount)}</title>
${yTicks}${xTicks}${lines}<line class="achse" x1="${m.left}" x2="${m.left}" y1="${m.top}" y2="${h - m.bottom}"/>
<line class="achse" x1="${m.left}" x2="${w - m.right}" y1="${h - m.bottom}" y2="${h - m.bottom}"/>
<line id="diagramm-marke" class="marke" x1="${x(amount)}" x2="${x(amount)}" y1="${m.top}" y2="${h - m.bottom}"/>
<line id="diagramm-zeiger" class="zeiger" y1="${m.top}" y2="${h - m.bottom}"/>
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
    drawn = { x, y, law, digits, width: width() };
    const slider = container.querySelector("#diagramm-regler");
    const toSlider = (a) => Math.round((Math.log10(a) / Math.log10(top)) * 1000);
    const fromSlider = (v) => Math.max(1, Math.min(top, Math.round(top ** (v / 1000))));
    slider.value = toSlider(amount);
    slider.addEventListener("input", () => pointAt(fromSlider(Number(slider.value))));
    const svg = container.querySelector("#diagramm-bild");
    const pointer = (event) => {
      const box = svg.getBoundingClientRect();
      const position = ((event.clientX - box.left) / box.width) * w;
      const share = (position - m.left) / (w - m.left - m.right);
      if (share < 0 || share > 1) return;
      const a = Math.max(1, Math.round(top ** share));
      slider.value = toSlider(a);
      pointAt(a);
    };
    svg.addEventListener("pointermove", pointer);
    svg.addEventListener("pointerdown", pointer);
    pointAt(amount);
  }

  return {
    show,
    // A chart fits its width: drawn again when that has changed.
    fit() {
      if (drawn) show(drawn.digits, drawn.law);
    },
    clear() {
      drawn = null;
      container.textContent = "";
    },
  };
}
