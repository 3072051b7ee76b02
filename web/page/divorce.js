// A divorce with its attached matters before the family court (gericht=
// familie): the fields the form asks, the engine's words for them, and
// the figures of the answer. The law of 2025 alone computes it.
import { parseEuros } from "./around.js";
import { rowOf } from "./keys.js";

// The fields typed in, by the keys of the address: each spouse's net
// income a month (both required), the pension rights of both together, the
// children the spouses maintain and their net assets (court practice).
export const kDivorceFields = {
  nettoK: { word: "-nettoK", what: "das Nettoeinkommen des Antragstellers im Monat", required: true },
  nettoB: { word: "-nettoB", what: "das Nettoeinkommen des Antragsgegners im Monat", required: true },
  anrechte: { word: "-anrechte", most: 30, what: "die Zahl der Anrechte beider Ehegatten" },
  kinder: { word: "-kinder", most: 20, what: "die Zahl der Kinder, denen die Ehegatten Unterhalt leisten" },
  vermoegen: { word: "-vermoegen", what: "das Nettovermögen beider Ehegatten" },
};
// The checkboxes, "ja" in the address: custody and contact as attached
// matters, and a lawyer of the respondent's own.
export const kDivorceSwitches = { sorge: "-sorge", umgang: "-umgang", anwaltB: "-anwaltB" };

// A whole number from 0 to `most`: {value}, {} for an empty field, or
// {error} naming `what`.
export function parseCount(input, most, what) {
  const text = input.normalize("NFKC").trim();
  if (text === "") return {};
  if (!/^\d{1,2}$/.test(text) || Number(text) > most) return { error: `Bitte ${what} angeben: 0 bis ${most}.` };
  return { value: String(Number(text)) };
}

// The engine's words of the divorce in `state` (address.js): {words}; or
// {error, key} for the first field that holds no value; or {missing, key}
// for the first income not given yet, with the message a click on
// "Berechnen" shows.
export function divorceWords(state) {
  const words = ["-scheidung", "-2025"];
  for (const [key, field] of Object.entries(kDivorceFields)) {
    const parsed = field.most === undefined ? parseEuros(state[key], field.what) : parseCount(state[key], field.most, field.what);
    if (parsed.error) return { error: parsed.error, key };
    if (parsed.value !== undefined) words.push(field.word + parsed.value);
    else if (field.required) return { missing: `Bitte ${field.what} angeben, 0 für keines.`, key };
  }
  for (const [key, word] of Object.entries(kDivorceSwitches)) if (state[key] === "ja") words.push(word);
  return { words };
}

// Each role's rows, its own and its spouse's: the petitioner (Antragsteller)
// is the role "klaeger" of the form, the respondent "beklagter".
const kSides = { klaeger: ["petitioner", "respondent"], beklagter: ["respondent", "petitioner"] };

// The answer for `role` from the figures of a divorce (zeb.figures), each
// value {new, rows} as in answer.js, the values of the column it reads:
//   mine, theirs, state  what the user, the spouse and (with legal aid) the
//                        state bear; `state` undefined without legal aid
//   advance              the petitioner's advance before service, if any
//   after                [{key, value}]: what follows from it at the end
//   values, fees         [{label, value}]: the values with their sum, and
//                        the court fee and the lawyers' bills
//   withdrawn            {mine, theirs, state} of the withdrawn petition, or
//                        undefined
export function divorceAnswerOf(figures, role) {
  const [me, spouse] = kSides[role];
  const value = (key) => {
    const row = rowOf(figures, "divorce." + key);
    return row && { new: row.new, rows: [row] };
  };
  const borne = (prefix) => ({ mine: value(prefix + me + "_total"), theirs: value(prefix + spouse + "_total"),
    state: value(prefix + "state_total") });
  const labelled = (test) => figures.rows.filter((row) => test.test(row.key))
    .map((row) => ({ label: row.label, value: { new: row.new, rows: [row] } }));
  return {
    ...borne(""),
    advance: value("advance"),
    after: ["respondent_pays_state", "respondent_pays_petitioner", "petitioner_pays_state"]
      .map((key) => ({ key, value: value(key) })).filter((item) => item.value),
    values: labelled(/^divorce\.value/),
    fees: labelled(/^divorce\.(court_fees|[a-z]+_lawyer_(costs|from_state))$/),
    withdrawn: value("withdrawal.petitioner_total") && borne("withdrawal."),
  };
}
