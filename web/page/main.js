// The page: a form in front of the engine. It finds the elements, wires
// their events and hands the rest what it draws: every change of the form
// shows the matching report in the view chosen (figures, chart, HTML or
// text); the address holds the form's state; saving, printing and the
// table take what is on screen.
import { aidConflict, appealError, argumentsOf, claimantShareWord, fragmentOf, stateFromFragment, withDismissalValue }
  from "./address.js";
import { parseAmount } from "./amount.js";
import { csvOf } from "./csv.js";
import { connectEngine } from "./engine.js";
import { download } from "./exports.js";
import { createFlow } from "./flow.js";
import { aroundWords, kBusinessFeeRates } from "./around.js";
import { dismissalValue } from "./court.js";
import { divorceWords } from "./divorce.js";
import { choices, describe, showCourtInForm, showFurtherSet, showInForm, showLawInForm, stateOfForm, typedFields }
  from "./form.js";
import { lawNoteHtml } from "./law_note.js";
import { dayWords, kDayFields, lawOf2025 } from "./laws.js";
import { euros, wholeEuros } from "./numbers.js";
import { parseShare } from "./share.js";
import { createViews } from "./views.js";

// The engine's WebAssembly, packed, is the global of the page's head
// (zeb.html).
/* global zebEngineBinary */
const zeb = connectEngine(zebEngineBinary);
window.zeb = zeb;

const byId = (id) => document.getElementById(id);
const form = {
  amount: byId("streitwert"),
  law: byId("recht"),
  // The court, and the monthly gross pay of a dismissal protection suit.
  court: byId("gericht"),
  courtLaw: byId("gericht-recht"),
  grossPay: byId("brutto"),
  grossPayField: byId("brutto-feld"),
  proceedings: byId("verfahren"),
  settlement: byId("vergleich"),
  notes: byId("hinweise"),
  euroSign: byId("euro"),
  ways: byId("rechenweg"),
  views: document.querySelectorAll("input[name=darstellung]"),
  roles: document.querySelectorAll("input[name=rolle]"),
  roleGroup: byId("rolle"),
  shareIn2013: byId("obsiegen-2013"),
  further: byId("weitere"),
  furtherSet: byId("weitere-gesetzt"),
  costRisk: byId("kostenrisiko"),
  costRiskIn2013: byId("kostenrisiko-2013"),
  share: byId("obsiegen"),
  claimantLawyer: byId("anwalt-klaeger"),
  defendantLawyer: byId("anwalt-beklagter"),
  claimantTax: byId("vorsteuer-klaeger"),
  defendantTax: byId("vorsteuer-beklagter"),
  aroundGroup: byId("umfeld"),
  aroundIn2013: byId("umfeld-2013"),
  paymentOrder: byId("mahn"),
  // How the first instance ends, in the order of the report.
  endings: ["ende-ruecknahme", "ende-anerkenntnis", "ende-versaeumnis"].map(byId),
  endingsIn2013: byId("ende-2013"),
  // Legal aid for either side, under the law of 2025.
  aid: ["pkh-klaeger", "pkh-beklagter"].map(byId),
  aidGroup: byId("pkh"),
  aidLaw: byId("pkh-recht"),
  // The expected success of the user's own appeal.
  appeal: byId("berufung"),
  appealGroup: byId("berufung-gruppe"),
  appealIn2013: byId("berufung-2013"),
  // The case around the lawsuit, by the state's keys.
  around: {
    "geschaeftsgebuehr-klaeger": byId("gebuehr-klaeger"),
    "geschaeftsgebuehr-beklagter": byId("gebuehr-beklagter"),
    "auftraggeber-klaeger": byId("auftraggeber-klaeger"),
    "auftraggeber-beklagter": byId("auftraggeber-beklagter"),
    "beweis-klaeger": byId("beweis-klaeger"),
    "beweis-beklagter": byId("beweis-beklagter"),
  },
  // The days of the case by its dates, by the state's keys.
  days: Object.fromEntries(Object.keys(kDayFields).map((key) => [key, byId(key)])),
  daysGroup: byId("tage"),
  // A divorce's fields and checkboxes, by the state's keys.
  divorce: Object.fromEntries(["nettoK", "nettoB", "anrechte", "kinder", "vermoegen", "sorge", "umgang", "anwaltB"]
    .map((key) => [key, byId(key)])),
  // The elements of some courts alone, and the names a divorce gives.
  byCourt: document.querySelectorAll("[data-gericht]"),
  familyNames: document.querySelectorAll("[data-familie]"),
};
// Each side's business fee takes the rates of Nr. 2300 VV RVG.
for (const side of ["klaeger", "beklagter"]) {
  form.around["geschaeftsgebuehr-" + side].append(...kBusinessFeeRates.map((rate) => new Option(rate)));
}
const page = {
  form: byId("formular"),
  amountError: byId("streitwert-fehler"),
  grossPayError: byId("brutto-fehler"),
  grossPayValue: byId("brutto-wert"),
  shareError: byId("obsiegen-fehler"),
  aroundError: byId("umfeld-fehler"),
  aidError: byId("pkh-fehler"),
  appealError: byId("berufung-fehler"),
  divorceError: byId("scheidung-fehler"),
  practiceError: byId("praxis-fehler"),
  daysError: byId("tage-fehler"),
  lawNote: byId("rechtsstand"),
  save: byId("speichern"),
  table: byId("tabelle"),
  print: byId("drucken"),
  output: byId("ausgabe"),
  status: byId("meldung"),
  answer: byId("antwort"),
  wider: byId("breiter"),
  overview: byId("uebersicht"),
  chart: byId("diagramm"),
  textReport: byId("textbericht"),
  printCopy: byId("druckfassung"),
};
const narrowScreen = window.matchMedia("(max-width: 700px)");
// The answer under the law of 2013 offers today's law.
const views = createViews(page, zeb, () => {
  form.law.value = "2025";
  flow.chosen();
});

let current = null; // the report on screen: {state, digits}
let lawShown = null; // the law the note on the law speaks of

// A field that holds no amount or no share says why, and shows no report.
function showError(message, field = form.amount, error = page.amountError) {
  error.textContent = message;
  field.setAttribute("aria-invalid", "true");
  clearReport();
}

function clearErrors() {
  const fields = [[form.amount, page.amountError], [form.grossPay, page.grossPayError], [form.share, page.shareError],
    ...Object.values(form.around).map((field) => [field, page.aroundError]),
    ...form.aid.map((box) => [box, page.aidError]), [form.appeal, page.appealError],
    ...Object.values(form.days).map((field) => [field, page.daysError]),
    ...["nettoK", "nettoB", "anrechte"].map((key) => [form.divorce[key], page.divorceError]),
    ...["kinder", "vermoegen"].map((key) => [form.divorce[key], page.practiceError])];
  for (const [field, error] of fields) {
    error.textContent = "";
    field.removeAttribute("aria-invalid");
  }
}

function clearReport() {
  current = null;
  views.clear();
  page.status.textContent = "";
  for (const button of [page.save, page.table, page.print]) button.disabled = true;
}

// Shows what `state` gives: its report, or the message for its amount or
// its share. Returns the fragment of its address.
function render(state) {
  page.output.classList.remove("veraltet");
  page.output.removeAttribute("aria-busy");
  if (state.recht + state.gericht !== lawShown) {
    lawShown = state.recht + state.gericht;
    page.lawNote.innerHTML = lawNoteHtml(state.recht, state.gericht);
    showLawInForm(form, state.recht);
  }
  // Before the labour courts the monthly gross pay, where given, makes the
  // value of a dismissal protection suit.
  const value = state.gericht === "arbeit" ? dismissalValue(state.brutto) : {};
  state = withDismissalValue(state);
  showCourtInForm(form, state);
  showFurtherSet(form, state);
  page.grossPayValue.textContent = value.cents ? `Streitwert: 3 × ${euros(value.cents / 300)} = ` +
    `${euros(value.cents / 100)}${value.cents % 100 ? `, gerechnet mit ${wholeEuros(Number(value.digits))}` : ""} ` +
    "(§\u00a042 Abs.\u00a02 GKG)" : "";
  clearErrors();
  if (state.gericht === "familie") return renderDivorce(state);
  const amount = parseAmount(state.streitwert, state.recht);
  if (value.error) {
    showError(value.error, form.grossPay, page.grossPayError);
    return fragmentOf(state, null);
  }
  if (amount.error) {
    if (state.streitwert.trim() === "") clearReport();
    else showError(amount.error);
    return fragmentOf(state, null);
  }
  if (!daysShown(state)) return fragmentOf(state, amount.digits);
  // Under the law of 2013 the share waits, unused, for a later law.
  const share = parseShare(state.obsiegen);
  if (share.error && state.recht !== "2013") {
    showError(share.error, form.share, page.shareError);
    return fragmentOf(state, amount.digits);
  }
  const around = aroundWords(state);
  if (around.error && state.recht !== "2013") {
    form.further.open = true;
    showError(around.error, form.around[around.key], page.aroundError);
    return fragmentOf(state, amount.digits);
  }
  const appeal = appealError(state);
  if (appeal && state.recht !== "2013") {
    form.further.open = true;
    showError(appeal, form.appeal, page.appealError);
    return fragmentOf(state, amount.digits);
  }
  const conflict = aidConflict(state);
  if (conflict) {
    form.further.open = true;
    showError(conflict.error, form.aid.find((box) => box.value === conflict.role), page.aidError);
    return fragmentOf(state, amount.digits);
  }
  views.show(state, amount.digits);
  current = { state, digits: amount.digits };
  for (const button of [page.save, page.table, page.print]) button.disabled = false;
  return fragmentOf(state, amount.digits);
}

// Shows the report of a divorce, or why there is none: another law than
// that of 2025 (the court's note says so), a field without a value, an
// income not given yet. Its value names the report.
function renderDivorce(state) {
  const divorce = lawOf2025(state.recht) ? divorceWords(state) : { missing: true };
  if (!divorce.error && !divorce.missing && !daysShown(state)) return fragmentOf(state, null);
  if (divorce.error) {
    const further = ["kinder", "vermoegen"].includes(divorce.key);
    if (further) form.further.open = true;
    showError(divorce.error, form.divorce[divorce.key], further ? page.practiceError : page.divorceError);
  } else if (divorce.missing) {
    clearReport();
  } else {
    const digits = String(zeb.figures(argumentsOf(state, null, false), { ways: false }).amount);
    views.show(state, digits);
    current = { state, digits };
    for (const button of [page.save, page.table, page.print]) button.disabled = false;
  }
  return fragmentOf(state, null);
}

// Whether the days of `state` make a report: a day that is none says why;
// while the day of the lawsuit is missing there is no report.
function daysShown(state) {
  const days = dayWords(state);
  if (days.error) showError(days.error, form.days[days.key], page.daysError);
  else if (days.missing) clearReport();
  return days.words !== undefined;
}

// The name of a file saved from the report on screen.
const fileName = (extension) => `zeb-${current.state.gericht === "familie" ? "scheidung-" : ""}${current.digits}.${extension}`;

const flow = createFlow({
  read: () => stateOfForm(form, "antwort"),
  render,
  showInForm: (state) => showInForm(form, state),
  fragmentState: (fragment) => stateFromFragment(fragment, narrowScreen.matches),
  announce: () => {
    page.status.textContent = current ? describe(form, current.state, wholeEuros(Number(current.digits)),
      current.state.recht === "2013" ? undefined : claimantShareWord(current.state)) : "";
  },
});

for (const field of typedFields(form)) {
  field.addEventListener("input", () => {
    page.output.classList.add("veraltet");
    page.output.setAttribute("aria-busy", "true");
    flow.typed();
  });
  field.addEventListener("blur", flow.settle);
}
for (const control of choices(form)) control.addEventListener("change", flow.chosen);

page.form.addEventListener("submit", (event) => {
  event.preventDefault();
  flow.settle();
  if (current === null) {
    // An empty field has no message while it is being typed; asked for a
    // report, it says what is missing.
    if (form.court.value === "familie") {
      const { missing, key } = divorceWords(stateOfForm(form, "antwort"));
      if (typeof missing === "string") showError(missing, form.divorce[key], page.divorceError);
    } else {
      const { error } = parseAmount(form.amount.value, form.law.value);
      if (error) showError(error);
    }
    const { missing, key } = dayWords(stateOfForm(form, "antwort"));
    if (!page.form.querySelector("[aria-invalid=true]") && missing) showError(missing, form.days[key], page.daysError);
    (page.form.querySelector("[aria-invalid=true]") ?? (form.court.value === "familie" ? form.divorce.nettoK : form.amount)).focus();
  } else if (narrowScreen.matches) {
    // On a phone the keyboard goes, and the first figures come into view.
    page.output.focus({ preventScroll: true });
    page.output.scrollIntoView({ block: "start" });
  }
});

page.save.addEventListener("click", () => {
  flow.settle();
  if (current === null) return;
  download(fileName("html"), "text/html", zeb.run(argumentsOf(current.state, current.digits, true)).stdout);
});

page.table.addEventListener("click", () => {
  flow.settle();
  if (current === null) return;
  download(fileName("csv"), "text/csv;charset=utf-8",
    csvOf(zeb.figures(argumentsOf(current.state, current.digits, false))));
});

window.addEventListener("beforeprint", flow.settle);
page.print.addEventListener("click", () => {
  flow.settle();
  if (current !== null) window.print();
});

new ResizeObserver(() => views.fit()).observe(page.output);

zeb.ready.then(
  () => {
    window.addEventListener("popstate", flow.restore);
    window.addEventListener("hashchange", flow.restore);
    flow.restore();
  },
  (error) => showError("Der Rechenkern ließ sich nicht laden: " + error)
);
