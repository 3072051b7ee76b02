// The form's state, the address fragment that holds it, and the argument
// vector it gives the engine. A state is a plain record of strings, keyed
// as the address is: {streitwert, recht, verfahren, ...}.
import { aroundWords, kBusinessFeeRates, parseClients, parseEvidence } from "./around.js";
import { courtWords, dismissalValue } from "./court.js";
import { divorceWords, kDivorceFields, kDivorceSwitches } from "./divorce.js";
import { byCaseDates, dayWords, kDayFields, kLaws, lawOf2025, parseDay } from "./laws.js";
import { complementWord, parseShare } from "./share.js";

const kProceedings = { alle: null, klage: "-k", berufung: "-b", revision: "-r", mahnverfahren: "-m" };
const kChoices = {
  recht: Object.keys(kLaws),
  verfahren: Object.keys(kProceedings),
  vergleich: ["ja", "nein"],
  hinweise: ["ja", "nein"],
  euro: ["zeichen", "wort"],
  rechenweg: ["ja", "nein"],
  darstellung: ["antwort", "uebersicht", "diagramm", "html", "text"],
};
// Who the user is: the claimant or the defendant. Only the defendant stands
// in an address, as the share the user expects to win does.
const kRoles = ["klaeger", "beklagter"];
// The cost risk: the parties without a lawyer and those that deduct input
// tax. These keys, and the share won, stand in an address where they are
// given.
const kParties = { klaeger: ["K"], beklagter: ["B"], beide: ["K", "B"] };
const kPartyKeys = { ohne: "-ohne", vorsteuer: "-vorsteuer" };
// Legal aid without installments, for either side or both (pkh=
// klaeger,beklagter): computed by the law of 2025 alone, whose columns are
// the assigned lawyer's fees of 2021 and 2025 (§ 49 RVG).
export const kAid = { klaeger: "-pkhK", beklagter: "-pkhB" };
export const aidOf = (names) => kRoles.filter((role) => names.includes(role)).join(",");
// The engine's words of the legal aid in `state`, under the law that
// computes it.
export const aidWords = (state) => (lawOf2025(state.recht) && state.pkh ? state.pkh.split(",").map((role) => kAid[role]) : []);
// What legal aid in `state` is not computed with: {error, role} for the
// first aided party it concerns, or undefined.
export function aidConflict(state) {
  if (state.gericht === "familie") return undefined;
  const names = { klaeger: ["der Kläger", "Kläger"], beklagter: ["der Beklagte", "Beklagter"] };
  const evidence = ["klaeger", "beklagter"].some((side) => parseEvidence(state["beweis-" + side]).value);
  for (const role of aidWords(state).length ? state.pkh.split(",") : []) {
    const error = kParties[state.ohne]?.includes(kAid[role].slice(-1))
      ? `Mit Prozesskostenhilfe hat ${names[role][0]} einen Anwalt: bitte „${names[role][1]} mit Anwalt“ ankreuzen.`
      : state.vorsteuer ? "Prozesskostenhilfe neben dem Vorsteuerabzug rechnet ZEB nicht."
        : state.mahn === "ja" ? "Prozesskostenhilfe nach einem Mahnverfahren rechnet ZEB nicht."
          : evidence ? "Prozesskostenhilfe mit Kosten für Zeugen und Sachverständige rechnet ZEB nicht."
            : state["geschaeftsgebuehr-" + role] ? "Die Geschäftsgebühr einer Partei mit Prozesskostenhilfe rechnet ZEB nicht."
              : undefined;
    if (error) return { error, role };
  }
  return undefined;
}

// The case around the lawsuit: each side's business fee, clients and
// evidence, and a payment order before it; in an address where given.
export const kAroundKeys = ["geschaeftsgebuehr-klaeger", "geschaeftsgebuehr-beklagter", "mahn",
  "auftraggeber-klaeger", "auftraggeber-beklagter", "beweis-klaeger", "beweis-beklagter"];

// How the first instance may end besides the judgement and the settlement,
// in the order of the report: the address lists those chosen (ende=
// ruecknahme,versaeumnis), the reforms compute them.
export const kEndings = { ruecknahme: "-ruecknahme", anerkenntnis: "-anerkenntnis", versaeumnis: "-versaeumnis" };

// The endings an address or a form names, as the address writes them: known
// ones once each, in the order of the report.
export const endingsOf = (names) => Object.keys(kEndings).filter((ending) => names.includes(ending)).join(",");

// The choices of a fresh form: the answer first, on every screen.
export const defaultState = () => ({
  streitwert: "",
  recht: "2025",
  verfahren: "alle", vergleich: "nein", hinweise: "ja", euro: "wort", rechenweg: "nein",
  darstellung: "antwort",
  rolle: "klaeger", obsiegen: "", ohne: "", vorsteuer: "", ende: "", pkh: "", berufung: "", gericht: "zivil", brutto: "",
  ...Object.fromEntries([...Object.keys(kDivorceFields), ...Object.keys(kDivorceSwitches)].map((key) => [key, ""])),
  ...Object.fromEntries(kAroundKeys.map((key) => [key, key === "mahn" ? "nein" : ""])),
  ...Object.fromEntries(Object.keys(kDayFields).map((key) => [key, ""])),
});

// What is set under "Weitere Angaben", in the words of its summary line,
// which stays closed until it is opened: "Prozesskostenhilfe: Kläger ·
// Berufung: 50 %"; empty where nothing is.
export function furtherSet(state) {
  if (state.gericht === "familie") return divorceSet(state);
  const sides = { klaeger: "Kläger", beklagter: "Beklagter", beide: "beide", "klaeger,beklagter": "beide" };
  const ofSide = (label, key, text = state[key].trim()) => [["klaeger", "Kläger"], ["beklagter", "Beklagter"]]
    .filter(([side]) => state[`${key}-${side}`].trim() !== "").map(([side, name]) => `${label} ${name}: ${text(side)}`);
  const success = parseShare(state.berufung).word?.slice(2) ?? state.berufung.trim();
  return [
    { klage: "Nur erste Instanz", berufung: "Nur Berufung", revision: "Nur Revision", mahnverfahren: "Nur Mahnverfahren" }[state.verfahren],
    state.vergleich === "ja" && "Prozeßvergleich",
    state.ende && "Ende: " + state.ende.split(",").map((ending) =>
      ({ ruecknahme: "Klagerücknahme", anerkenntnis: "Anerkenntnis", versaeumnis: "Versäumnisurteil" })[ending]).join(", "),
    state.ohne && "ohne Anwalt: " + sides[state.ohne],
    state.vorsteuer && "Vorsteuer: " + sides[state.vorsteuer],
    state.pkh && "Prozesskostenhilfe: " + sides[state.pkh],
    success && "Berufung: " + success + (/^[\d,]+$/.test(success) ? " %" : ""),
    ...ofSide("Geschäftsgebühr", "geschaeftsgebuehr", (side) => state["geschaeftsgebuehr-" + side]),
    state.mahn === "ja" && "Mahnverfahren",
    ...ofSide("Auftraggeber", "auftraggeber", (side) => state["auftraggeber-" + side].trim()),
    ...ofSide("Zeugen und Sachverständige", "beweis", (side) => state["beweis-" + side].trim() + " €"),
    state.rechenweg === "ja" && "Rechenweg",
    state.hinweise === "nein" && "ohne Hinweise",
    state.euro === "zeichen" && "Euro-Zeichen",
  ].filter(Boolean).join(" · ");
}

// The same for a divorce: its attached matters, the respondent's lawyer,
// the court practice, the withdrawal, legal aid and the reports' choices.
function divorceSet(state) {
  const aided = { klaeger: "Antragsteller", beklagter: "Antragsgegner", "klaeger,beklagter": "beide" }[state.pkh];
  return [
    state.sorge === "ja" && "Sorge",
    state.umgang === "ja" && "Umgang",
    state.anwaltB === "ja" && "Anwalt des Antragsgegners",
    state.kinder.trim() && "Kinder: " + state.kinder.trim(),
    state.vermoegen.trim() && "Vermögen: " + state.vermoegen.trim() + " €",
    state.ende.includes("ruecknahme") && "Rücknahme",
    aided && "Verfahrenskostenhilfe: " + aided,
    state.rechenweg === "ja" && "Rechenweg",
    state.hinweise === "nein" && "ohne Hinweise",
    state.euro === "zeichen" && "Euro-Zeichen",
  ].filter(Boolean).join(" · ");
}

// The state an address fragment holds: missing or unknown values take the
// defaults. An address without the law is one written before the page knew
// the reforms: it keeps showing the report of 2013, in the view it had
// then, the figures on a narrow screen and the HTML report elsewhere.
export function stateFromFragment(fragment, narrow) {
  const values = new URLSearchParams(fragment.replace(/^#/, ""));
  const state = { streitwert: values.get("streitwert") ?? "" };
  const fallback = defaultState();
  const court = ["arbeit", "familie"].includes(values.get("gericht")) ? values.get("gericht") : "zivil";
  // A divorce's address is never one of 2013, nor one with the day of the
  // lawsuit, which chooses the law by the case's dates.
  if (fragment.length > 1 && !values.has("recht") && !values.has("anhaengig") && court !== "familie") {
    Object.assign(fallback, { recht: "2013", darstellung: narrow ? "uebersicht" : "html" });
  }
  for (const [key, choices] of Object.entries(kChoices)) {
    const value = values.get(key);
    state[key] = choices.includes(value) ? value : fallback[key];
  }
  // The day of the lawsuit chooses the law by the case's dates.
  if (values.has("anhaengig")) state.recht = "daten";
  for (const key of Object.keys(kDayFields)) state[key] = values.get(key) ?? "";
  state.rolle = kRoles.includes(values.get("rolle")) ? values.get("rolle") : fallback.rolle;
  state.gericht = court;
  // A divorce has no chart of the fees over the amounts.
  if (court === "familie" && state.darstellung === "diagramm") state.darstellung = "antwort";
  for (const key of Object.keys(kDivorceFields)) state[key] = values.get(key) ?? "";
  for (const key of Object.keys(kDivorceSwitches)) state[key] = values.get(key) === "ja" ? "ja" : "";
  state.brutto = values.get("brutto") ?? "";
  state.obsiegen = values.get("obsiegen") ?? "";
  state.berufung = values.get("berufung") ?? "";
  for (const key of Object.keys(kPartyKeys)) state[key] = kParties[values.get(key)] ? values.get(key) : "";
  state.ende = endingsOf((values.get("ende") ?? "").split(","));
  state.pkh = aidOf((values.get("pkh") ?? "").split(","));
  for (const key of kAroundKeys) state[key] = values.get(key) ?? fallback[key];
  for (const key of ["geschaeftsgebuehr-klaeger", "geschaeftsgebuehr-beklagter"]) {
    if (!kBusinessFeeRates.includes(state[key])) state[key] = "";
  }
  if (state.mahn !== "ja") state.mahn = "nein";
  return withDismissalValue(state);
}

// `state` with the value of a dismissal protection suit as its amount,
// where it is before the labour courts and the monthly gross pay is given.
export function withDismissalValue(state) {
  const value = state.gericht === "arbeit" ? dismissalValue(state.brutto) : {};
  return value.digits ? { ...state, streitwert: value.digits } : state;
}

// The address of `state`: the amount's digits, or the text as typed while
// it is no amount, so that the address never shows another amount than the
// form. An empty form has no fragment.
export function fragmentOf(state, digits) {
  if (state.gericht === "familie") return divorceFragment(state);
  if (state.streitwert.trim() === "") return "";
  const values = new URLSearchParams({ streitwert: digits ?? state.streitwert.trim() });
  for (const key of Object.keys(kChoices)) values.set(key, state[key]);
  if (state.rolle !== "klaeger") values.set("rolle", state.rolle);
  if (state.gericht === "arbeit") values.set("gericht", "arbeit");
  if (state.brutto.trim() !== "") values.set("brutto", state.brutto.trim());
  const share = parseShare(state.obsiegen).word;
  if (state.obsiegen.trim() !== "") values.set("obsiegen", share?.slice(2) ?? state.obsiegen.trim());
  const success = parseShare(state.berufung).word;
  if (state.berufung.trim() !== "") values.set("berufung", success?.slice(2) ?? state.berufung.trim());
  for (const key of Object.keys(kPartyKeys)) if (state[key]) values.set(key, state[key]);
  if (state.ende) values.set("ende", state.ende);
  if (state.pkh) values.set("pkh", state.pkh);
  setDays(values, state);
  // The case as the engine takes it, or as typed while it is none.
  for (const key of kAroundKeys) {
    const parsed = key.startsWith("beweis-") ? parseEvidence(state[key]) : key.startsWith("auftraggeber-")
      ? parseClients(state[key]) : { value: state[key] };
    const value = parsed.value ?? state[key].trim();
    if (value !== "" && value !== "nein") values.set(key, value);
  }
  // A share's comma and slash read as they are written.
  return "#" + values.toString().replace(/%2C/g, ",").replace(/%2F/g, "/");
}

// The address of a divorce: the choices, the role, the fields as typed,
// the withdrawal and legal aid; it has no amount.
function divorceFragment(state) {
  const values = new URLSearchParams({ gericht: "familie" });
  for (const key of Object.keys(kChoices)) values.set(key, state[key]);
  if (state.rolle !== "klaeger") values.set("rolle", state.rolle);
  for (const key of Object.keys(kDivorceFields)) if (state[key].trim() !== "") values.set(key, state[key].trim());
  for (const key of Object.keys(kDivorceSwitches)) if (state[key] === "ja") values.set(key, "ja");
  if (state.ende.includes("ruecknahme")) values.set("ende", "ruecknahme");
  if (state.pkh) values.set("pkh", state.pkh);
  setDays(values, state);
  return "#" + values.toString().replace(/%2C/g, ",");
}

// The days of a case by its dates into the address `values`: as the engine
// takes them, or as typed while they are none. The day of the lawsuit
// stands even while empty, since it chooses the law.
function setDays(values, state) {
  if (!byCaseDates(state.recht)) return;
  for (const key of Object.keys(kDayFields)) {
    const typed = state[key].trim();
    if (typed !== "" || key === "anhaengig") values.set(key, parseDay(typed).text ?? typed);
  }
}

// The argument vector: the plain digits, then the chosen switches; a
// divorce's words without an amount (none while a field holds no value).
export function argumentsOf(state, digits, html) {
  if (state.gericht === "familie") {
    return [...(divorceWords(state).words ?? []), ...(dayWords(state).words ?? []), ...(state.ende.includes("ruecknahme") ? ["-ruecknahme"] : []),
      ...aidWords(state), ...[["-A", state.hinweise === "nein"], ["-E", state.euro === "zeichen"],
        ["-W", state.rechenweg === "ja"], ["-h", html]].filter(([, on]) => on).map(([word]) => word)];
  }
  const words = [digits];
  if (kLaws[state.recht]) words.push(kLaws[state.recht], ...courtWords(state), ...(dayWords(state).words ?? []));
  if (kProceedings[state.verfahren]) words.push(kProceedings[state.verfahren]);
  if (state.vergleich === "ja") words.push("-V");
  if (state.hinweise === "nein") words.push("-A");
  if (state.euro === "zeichen") words.push("-E");
  if (state.rechenweg === "ja") words.push("-W");
  // Who bears the costs: the reforms compute it.
  const share = claimantShareWord(state);
  if (share && kLaws[state.recht]) words.push(share, ...partyWords(state));
  // Around the lawsuit: the reforms compute it; a field without a value
  // gives no report (main.js says why).
  if (kLaws[state.recht]) words.push(...(aroundWords(state).words ?? []));
  // How the first instance ends: the reforms compute it.
  if (kLaws[state.recht] && state.ende) words.push(...state.ende.split(",").map((ending) => kEndings[ending]));
  words.push(...aidWords(state));
  if (html) words.push("-h");
  return words;
}

// The switch of the share the claimant wins (-O), from the share the user
// expects to win in their role; none without one.
export function claimantShareWord(state) {
  const share = parseShare(state.obsiegen).word;
  return share && state.rolle === "beklagter" ? complementWord(share) : share;
}

// The user's own appeal as a decision (law.md, "An appeal as a decision"):
// the engine's words for `role`'s appeal against all it lost, and its
// expected success (berufung=50) where one is given and is a share.
export function appealWords(state) {
  const success = parseShare(state.berufung).word;
  return [state.rolle === "klaeger" ? "-berufungK" : "-berufungB",
    ...(success ? ["-erfolg" + success.slice("-O".length)] : [])];
}

// Why the expected success of the appeal is no share, or undefined.
export const appealError = (state) => (parseShare(state.berufung).error
  ? "Bitte den Erfolg der Berufung in Prozent (50 oder 33,33, höchstens 100) oder als Bruch (1/3) angeben." : undefined);

// The parties' switches of the cost risk: without a lawyer, with input tax.
export const partyWords = (state) => Object.entries(kPartyKeys)
  .flatMap(([key, word]) => (kParties[state[key]] ?? []).map((party) => word + party));
