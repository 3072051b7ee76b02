// The form's controls and the state they hold (address.js), both ways.
// `form` is the record of the controls that main.js finds.

// The state the controls show; the view defaults to `fallbackView`.
export function stateOfForm(form, fallbackView) {
  return {
    streitwert: form.amount.value,
    recht: form.law.value,
    verfahren: form.proceedings.value,
    vergleich: form.settlement.checked ? "ja" : "nein",
    hinweise: form.notes.checked ? "ja" : "nein",
    euro: form.euroSign.checked ? "zeichen" : "wort",
    rechenweg: form.ways.checked ? "ja" : "nein",
    darstellung: Array.from(form.views).find((view) => view.checked)?.value ?? fallbackView,
  };
}

export function showInForm(form, state) {
  form.amount.value = state.streitwert;
  form.law.value = state.recht;
  form.proceedings.value = state.verfahren;
  form.settlement.checked = state.vergleich === "ja";
  form.notes.checked = state.hinweise === "ja";
  form.euroSign.checked = state.euro === "zeichen";
  form.ways.checked = state.rechenweg === "ja";
  for (const view of form.views) view.checked = view.value === state.darstellung;
}

// The controls whose change is a settled choice (all but the amount).
export const choices = (form) => [form.law, form.proceedings, form.settlement, form.notes, form.euroSign, form.ways, ...form.views];

// "Bericht für 5.000 €, Recht ab 01.06.2025: Alle Instanzen.": the report
// of `state` in words, from the texts of the controls.
export function describe(form, state, amountText) {
  const proceedings = form.proceedings.querySelector(`option[value=${state.verfahren}]`).textContent;
  const law = form.law.querySelector(`option[value="${state.recht}"]`).textContent;
  return `Bericht für ${amountText}, ${law}: ${proceedings}` + (state.vergleich === "ja" ? ", mit Prozeßvergleich" : "") + ".";
}
