// The law a case is computed under (recht=): a reform's two editions side
// by side, the report of 2013, or the case by its dates (recht=daten): each
// fee under the edition its day gives, beside the column of 2025.

// The engine's law word of each choice; the dates choose between the
// editions of the law of 2025.
export const kLaws = { 2025: "-2025", daten: "-2025", 2021: "-2021", 2013: null };

// Whether the choice `law` is the case by its dates, and how the page
// names what it computes then.
export const byCaseDates = (law) => law === "daten";
export const kByCaseDates = "nach den Daten des Falls";

// Whether the choice `law` computes under the law of 2025, as legal aid,
// the labour courts and the divorce need.
export const lawOf2025 = (law) => kLaws[law] === "-2025";

// The days of the case by their address keys, and the engine's words: the
// day the lawsuit became pending, each side's mandate for the first
// instance (that day where none is given), the day the appeal was filed
// (the law in force where none is given). A divorce has no appeal here.
export const kDayFields = {
  anhaengig: "-anhaengig",
  "auftrag-klaeger": "-auftragK",
  "auftrag-beklagter": "-auftragB",
  berufungam: "-berufungAm",
};
const kFamilyDays = ["anhaengig", "auftrag-klaeger", "auftrag-beklagter"];

// The first day the engine has fees for: the edition of 2021.
const kFirstDay = 20210101;

// A day as a German writes it, "15.03.2024" or "1.3.2024": {text} as the
// engine takes it (TT.MM.JJJJ) and {value} JJJJMMTT to compare; {} for an
// empty field; or {error}.
export function parseDay(input) {
  const text = input.normalize("NFKC").trim();
  if (text === "") return {};
  const parts = /^(\d{1,2})\.(\d{1,2})\.(\d{4})$/.exec(text);
  const [day, month, year] = parts ? parts.slice(1).map(Number) : [0, 0, 0];
  const date = new Date(Date.UTC(year, month - 1, day));
  if (!parts || date.getUTCDate() !== day || date.getUTCMonth() !== month - 1) {
    return { error: "Bitte einen Tag als TT.MM.JJJJ angeben, etwa 15.03.2024." };
  }
  const value = year * 10000 + month * 100 + day;
  if (value < kFirstDay) return { error: "ZEB kennt die Gebühren ab 01.01.2021; nach einem früheren Tag rechnet es nicht." };
  const two = (number) => String(number).padStart(2, "0");
  return { text: `${two(day)}.${two(month)}.${year}`, value };
}

// The engine's words of the days in `state` (address.js): {words}, none
// under another law; {missing, key} while the day of the lawsuit is not
// given, with the message a click on "Berechnen" shows; or {error, key}
// for the first field whose day is none or comes too early.
export function dayWords(state) {
  if (!byCaseDates(state.recht)) return { words: [] };
  const family = state.gericht === "familie";
  const keys = family ? kFamilyDays : Object.keys(kDayFields);
  const days = {};
  for (const key of keys) {
    days[key] = parseDay(state[key]);
    if (days[key].error) return { error: days[key].error, key };
  }
  if (!days.anhaengig.text) {
    return { missing: `Bitte den Tag angeben, an dem ${family ? "der Scheidungsantrag" : "die Klage"} einging.`, key: "anhaengig" };
  }
  if (days.berufungam?.value < days.anhaengig.value) {
    return { error: `Die Berufung folgt der Klage: bitte einen Tag ab dem ${days.anhaengig.text} angeben.`, key: "berufungam" };
  }
  return { words: keys.filter((key) => days[key].text).map((key) => kDayFields[key] + days[key].text) };
}
