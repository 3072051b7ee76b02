// The form's controls and the state they hold (address.js), both ways.
// `form` is the record of the controls that main.js finds.
import { aidOf, endingsOf, furtherSet } from "./address.js";
import { courtWords } from "./court.js";
import { kDivorceFields, kDivorceSwitches } from "./divorce.js";
import { byCaseDates, kByCaseDates, lawOf2025 } from "./laws.js";
import { wonText } from "./share.js";

// The parties a pair of checkboxes names: "klaeger", "beklagter", "beide"
// or "", and back.
const partiesOf = (claimant, defendant) => (claimant ? (defendant ? "beide" : "klaeger") : defendant ? "beklagter" : "");
const hasParty = (parties, party) => parties === "beide" || parties === party;

// The state the controls show; the view defaults to `fallbackView`.
export function stateOfForm(form, fallbackView) {
  return {
    streitwert: form.amount.value,
    recht: form.law.value,
    gericht: form.court.value,
    brutto: form.grossPay.value,
    verfahren: form.proceedings.value,
    vergleich: form.settlement.checked ? "ja" : "nein",
    hinweise: form.notes.checked ? "ja" : "nein",
    euro: form.euroSign.checked ? "zeichen" : "wort",
    rechenweg: form.ways.checked ? "ja" : "nein",
    // A divorce has no chart of the fees over the amounts.
    darstellung: ((view) => (view === "diagramm" && form.court.value === "familie" ? "antwort" : view))(
      Array.from(form.views).find((view) => view.checked)?.value ?? fallbackView),
    rolle: Array.from(form.roles).find((role) => role.checked)?.value ?? "klaeger",
    obsiegen: form.share.value,
    ohne: partiesOf(!form.claimantLawyer.checked, !form.defendantLawyer.checked),
    vorsteuer: partiesOf(form.claimantTax.checked, form.defendantTax.checked),
    mahn: form.paymentOrder.checked ? "ja" : "nein",
    ende: endingsOf(form.endings.filter((box) => box.checked).map((box) => box.value)),
    pkh: aidOf(form.aid.filter((box) => box.checked).map((box) => box.value)),
    berufung: form.appeal.value,
    ...Object.fromEntries(Object.entries(form.around).map(([key, field]) => [key, field.value])),
    ...Object.fromEntries(Object.entries(form.days).map(([key, field]) => [key, field.value])),
    ...Object.fromEntries(Object.keys(kDivorceFields).map((key) => [key, form.divorce[key].value])),
    ...Object.fromEntries(Object.keys(kDivorceSwitches).map((key) => [key, form.divorce[key].checked ? "ja" : ""])),
  };
}

export function showInForm(form, state) {
  form.amount.value = state.streitwert;
  form.law.value = state.recht;
  form.court.value = state.gericht;
  form.grossPay.value = state.brutto;
  showCourtInForm(form, state);
  form.proceedings.value = state.verfahren;
  form.settlement.checked = state.vergleich === "ja";
  form.notes.checked = state.hinweise === "ja";
  form.euroSign.checked = state.euro === "zeichen";
  form.ways.checked = state.rechenweg === "ja";
  for (const view of form.views) view.checked = view.value === state.darstellung;
  for (const role of form.roles) role.checked = role.value === state.rolle;
  form.share.value = state.obsiegen;
  form.claimantLawyer.checked = !hasParty(state.ohne, "klaeger");
  form.defendantLawyer.checked = !hasParty(state.ohne, "beklagter");
  form.claimantTax.checked = hasParty(state.vorsteuer, "klaeger");
  form.defendantTax.checked = hasParty(state.vorsteuer, "beklagter");
  form.paymentOrder.checked = state.mahn === "ja";
  for (const box of form.endings) box.checked = state.ende.split(",").includes(box.value);
  for (const box of form.aid) box.checked = state.pkh.split(",").includes(box.value);
  form.appeal.value = state.berufung;
  for (const [key, field] of Object.entries(form.around)) field.value = state[key];
  for (const [key, field] of Object.entries(form.days)) field.value = state[key];
  for (const key of Object.keys(kDivorceFields)) form.divorce[key].value = state[key];
  for (const key of Object.keys(kDivorceSwitches)) form.divorce[key].checked = state[key] === "ja";
  showFurtherSet(form, state);
}

// The summary line of "Weitere Angaben" names what is set there, so that
// it may stay closed and the answer stays first on the screen.
export function showFurtherSet(form, state) {
  const set = furtherSet(state);
  form.furtherSet.textContent = set;
  form.furtherSet.hidden = set === "";
}

// Each court shows its fields (data-gericht names the courts an element
// belongs to), a divorce names the parties Antragsteller and Antragsgegner
// (data-familie). Before the labour courts the value of a dismissal
// protection suit may come from the monthly gross pay: the amount then
// shows it, to read only.
export function showCourtInForm(form, state) {
  const labour = state.gericht === "arbeit";
  const court = state.gericht;
  for (const element of form.byCourt) element.hidden = !element.dataset.gericht.split(" ").includes(court);
  for (const element of form.familyNames) {
    element.dataset.zivil ??= element.textContent;
    element.textContent = court === "familie" ? element.dataset.familie : element.dataset.zivil;
  }
  form.amount.readOnly = labour && state.brutto.trim() !== "";
  if (form.amount.readOnly) form.amount.value = state.streitwert;
}

// The role and the share, the groups of the cost risk and the case around
// the lawsuit, and the endings but the settlement, take input under the
// reforms alone, and say so under the law of 2013, as does the appeal as a
// decision; legal aid under the law of 2025 alone. The case by its dates
// asks its days.
export function showLawInForm(form, law) {
  const of2025 = lawOf2025(law);
  form.roleGroup.disabled = form.share.disabled = form.costRisk.disabled = form.aroundGroup.disabled = law === "2013";
  for (const box of form.endings) box.disabled = law === "2013";
  form.shareIn2013.hidden = form.costRiskIn2013.hidden = form.aroundIn2013.hidden = form.endingsIn2013.hidden = law !== "2013";
  form.aidGroup.disabled = !of2025;
  form.appealGroup.disabled = law === "2013";
  form.appealIn2013.hidden = law !== "2013";
  // The labour courts under the law of 2025 alone.
  form.court.disabled = !of2025;
  form.courtLaw.hidden = form.aidLaw.hidden = of2025;
  form.daysGroup.hidden = !byCaseDates(law);
}

// The controls whose change is a settled choice (all but the texts typed).
export const choices = (form) => [form.law, form.court, form.proceedings, form.settlement, form.notes, form.euroSign, form.ways,
  form.claimantLawyer, form.defendantLawyer, form.claimantTax, form.defendantTax, ...form.views, ...form.roles,
  form.paymentOrder, form.around["geschaeftsgebuehr-klaeger"], form.around["geschaeftsgebuehr-beklagter"],
  ...form.endings, ...form.aid, ...Object.keys(kDivorceSwitches).map((key) => form.divorce[key])];

// The fields typed in: the amount, the share, the appeal's success, the
// clients and the evidence.
export const typedFields = (form) => [form.amount, form.grossPay, form.share, form.appeal, form.around["auftraggeber-klaeger"],
  form.around["auftraggeber-beklagter"], form.around["beweis-klaeger"], form.around["beweis-beklagter"], ...Object.values(form.days),
  ...Object.keys(kDivorceFields).map((key) => form.divorce[key])];

// "Bericht für 5.000 €, Recht ab 01.06.2025: Alle Instanzen.": the report
// of `state` in words, from the texts of the controls; `share` the switch
// of the share won, if the report has one.
export function describe(form, state, amountText, share) {
  if (state.gericht === "familie") return `Bericht zur Scheidung, Verfahrenswert ${amountText}.`;
  const proceedings = form.proceedings.querySelector(`option[value=${state.verfahren}]`).textContent;
  const law = byCaseDates(state.recht) ? kByCaseDates
    : form.law.querySelector(`option[value="${state.recht}"]`).textContent;
  const won = share === undefined ? "" : ", der Kläger obsiegt zu " + wonText(share);
  // The endings by their labels, under the reforms, which compute them.
  const endings = state.recht === "2013" ? [] : form.endings.filter((box) => state.ende.split(",").includes(box.value))
    .map((box) => ", " + box.labels[0].textContent);
  const aided = { klaeger: "Kläger", beklagter: "Beklagten", "klaeger,beklagter": "Kläger und den Beklagten" }[state.pkh];
  const aid = lawOf2025(state.recht) && aided ? ", Prozesskostenhilfe für den " + aided : "";
  const court = courtWords(state).length ? ", Arbeitsgericht" : "";
  return `Bericht für ${amountText}, ${law}${court}: ${proceedings}` + (state.vergleich === "ja" ? ", mit Prozeßvergleich" : "") +
    endings.join("") + won + aid + ".";
}
