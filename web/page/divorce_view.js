// The answer view of a divorce ("Ihre Kosten"): what the divorce costs the
// user and the spouse first, then the advance before service and what
// follows from it, the values and the fees; each figure's way one click
// away, under the paragraph or list that holds it.
import { argumentsOf } from "./address.js";
import { toggleWay } from "./answer_view.js";
import { divorceAnswerOf } from "./divorce.js";
import { appendNotesBox, openNotesBox } from "./notes.js";
import { euros } from "./numbers.js";
import { escapeHtml } from "./text.js";
import { answeredBy, answeredColumn } from "./keys.js";
import { byCaseDates } from "./laws.js";

// What follows from the advance at the end, by its row, for the user as
// the petitioner and as the respondent.
const kAfter = {
  respondent_pays_state: ["Ihr Ehepartner zahlt der Staatskasse nach", "Sie zahlen der Staatskasse nach"],
  respondent_pays_petitioner: ["Ihr Ehepartner erstattet Ihnen", "Sie erstatten Ihrem Ehepartner"],
  petitioner_pays_state: ["Sie zahlen der Staatskasse nach", "Ihr Ehepartner zahlt der Staatskasse nach"],
};

// `container` shows the view.
export function createDivorceView(container, zeb) {
  let ways = null; // (keys) => the steps to the new values of the rows `keys`

  function show(state, notes) {
    const words = argumentsOf({ ...state, rechenweg: "nein", hinweise: "ja" }, null, false);
    // By the case's dates the answer reads the first column.
    const byDates = byCaseDates(state.recht);
    const figures = answeredColumn(zeb.figures(words, { ways: false }), byDates);
    let withWays = null;
    ways = (keys) => keys.split(" ").flatMap((key) => {
      const { derivation } = (withWays ??= answeredColumn(zeb.figures(words), byDates)).rows.find((row) => row.key === key);
      return derivation.new ?? derivation.old;
    });
    const petitioner = state.rolle === "klaeger";
    const a = divorceAnswerOf(figures, state.rolle);
    const value = (v, what) => `<button type="button" class="wert" data-key="${v.rows.map((row) => row.key).join(" ")}" ` +
      `aria-expanded="false" aria-controls="antwort-weg" aria-label="${euros(v.new)}: Rechenweg, ${escapeHtml(what)}">` +
      `${euros(v.new)}</button>`;
    const stateBears = (v) => (v ? `, die Staatskasse ${value(v, "was die Staatskasse trägt")}` : "");
    const list = (items) => `<ul>${items.map(({ label, value: v }) => `<li>${escapeHtml(label)}: ${value(v, label)}</li>`)
      .join("")}</ul>`;
    const advance = a.advance
      ? `<p>${petitioner ? "Sie zahlen" : "Ihr Ehepartner zahlt"} vor der Zustellung des Antrags ` +
        `${value(a.advance, "Vorschuss")} voraus: die Gerichtsgebühr von 2,0 auf den Wert der Scheidung allein ` +
        `(§\u00a014 Abs.\u00a01, §\u00a09 Abs.\u00a01 FamGKG).${a.after.length ? " Am Ende wird die Gebühr nach dem " +
          "ganzen Wert halb und halb geteilt:" : ""}</p>` +
        (a.after.length ? `<ul>${a.after.map(({ key, value: v }) => `<li>${kAfter[key][petitioner ? 0 : 1]}: ` +
          `${value(v, kAfter[key][petitioner ? 0 : 1])}</li>`).join("")}</ul>` : "")
      : "<p>Ein Vorschuss entfällt: der Antragsteller erhält Verfahrenskostenhilfe (§\u00a0122 Abs.\u00a01 Nr.\u00a01 a ZPO).</p>";
    const withdrawn = a.withdrawn ? `<h3>Wird der Antrag zurückgenommen</h3><p>Dann trägt der Antragsteller die ` +
      `Kosten (§\u00a0150 Abs.\u00a02 FamFG): Sie ${value(a.withdrawn.mine, "nach Rücknahme, Sie")}, Ihr Ehepartner ` +
      `${value(a.withdrawn.theirs, "nach Rücknahme, Ihr Ehepartner")}${stateBears(a.withdrawn.state)}.</p>` : "";
    container.innerHTML = `<section class="antwort-inhalt" aria-labelledby="antwort-titel">` +
      `<h2 id="antwort-titel">Ihre Kosten als ${petitioner ? "Antragsteller" : "Antragsgegner"}</h2>` +
      `<p class="scheidung-vorweg">Die Scheidung kostet Sie ${value(a.mine, "was Sie tragen")}, Ihren Ehepartner ` +
      `${value(a.theirs, "was Ihr Ehepartner trägt")}${stateBears(a.state)}: jeder trägt seinen Anwalt und die ` +
      `Hälfte der Gerichtskosten (§\u00a0150 Abs.\u00a01 FamFG), ${answeredBy(figures, byDates)}.</p>` +
      `<div id="antwort-weg" class="antwort-weg" hidden></div>` +
      `<h3>Was vorab zu zahlen ist</h3>${advance}` +
      `<h3>Die Werte</h3>${list(a.values)}<h3>Die Gebühren</h3>${list(a.fees)}${withdrawn}` +
      `<p class="annahmen">Gerechnet wird mit den gesetzlichen Gebühren, die Folgesachen Unterhalt, Ehewohnung, ` +
      `Haushalt und Güterrecht und Vergleiche über Folgesachen nicht eingerechnet` +
      `${notes ? `; mehr in den <a href="#antwort-anmerkungen">Anmerkungen</a>` : ""}.</p></section>`;
    if (notes) appendNotesBox(container.firstElementChild, notes);
  }

  container.addEventListener("click", (event) => {
    if (ways === null) return;
    if (openNotesBox(event, container)) return;
    const button = event.target.closest?.("button.wert");
    if (!button) return;
    // The way stands under the paragraph or list of its value.
    const box = toggleWay(container, button, () => ways(button.dataset.key));
    if (!box.hidden) button.closest("p, ul").after(box);
  });

  return {
    show,
    clear() {
      ways = null;
      container.textContent = "";
    },
  };
}
