// The report's rows found by their keys, never by their labels, and the
// short names the page gives the parts of the report ("Berufung").
//   header.court_fee, appeal.court_fees, appeal.settlement.court_fees
import { kByCaseDates } from "./laws.js";
import { dateOf } from "./ways.js";

const kSectionNames = {
  payment_order: "Mahnverfahren",
  first_instance: "Erste Instanz",
  appeal: "Berufung",
  revision: "Revision",
  revision_bgh: "Revision vor dem BGH",
  totals: "Gesamtkosten",
};
const kVariantNames = {
  settlement: "Prozeßvergleich",
  withdrawal: "Klagerücknahme",
  acknowledgement: "Anerkenntnisurteil",
  default_judgment: "Versäumnisurteil",
};
// How the first instance may end early, in the order of the report.
const kEndings = ["withdrawal", "acknowledgement", "default_judgment"];

// The row of `figures` (zeb.figures) with `key`, or undefined.
export const rowOf = (figures, key) => figures.rows.find((row) => row.key === key);

// The rows of a party's part by the key of its share: what it bears in
// all, where the report has that row (around the lawsuit in the first
// instance, legal aid in each), else its share.
export const partRows = (figures, key) => [rowOf(figures, key.replace("_share", "_total")) || rowOf(figures, key)];

// The state's part of a way's costs (legal aid): its row, or none.
export const stateRows = (figures, way) => [rowOf(figures, way.state)].filter(Boolean);

// The short name of a section by its key: "Berufung" for "appeal".
export const sectionName = (section) => kSectionNames[section];

const kInstances = ["first_instance", "appeal", "revision", "revision_bgh"];
// The ways over several instances: their keys in the totals, and names.
const kPaths = [
  ["with_appeal", "Mit Berufung"],
  ["with_revision", "Mit Berufung und Revision"],
  ["with_bgh_revision", "Mit Berufung und Revision vor dem BGH"],
];

// The early endings of the first instance that a report with a share (-O)
// shows: [{name, ending, claimant, defendant, state}], each party's part
// and the state's (legal aid) as a key.
export const endingWays = (figures) => kEndings.map((ending) => ({
  name: "Erste Instanz mit " + kVariantNames[ending], ending, claimant: `first_instance.${ending}.claimant_share`,
  defendant: `first_instance.${ending}.defendant_share`, state: `first_instance.${ending}.state_total`,
})).filter((way) => rowOf(figures, way.claimant) !== undefined);

// The ways through the instances whose costs a report with a share (-O)
// splits: the first instance, then each way over several instances; where
// the report has no totals (a section alone), the instances it shows.
// [{name, claimant, defendant, state}], each party's part and the state's
// (legal aid) as a key.
export function costWays(figures) {
  const shown = (way) => rowOf(figures, way.claimant) !== undefined;
  const paths = kPaths.map(([path, name]) => ({
    name, claimant: "totals.claimant_" + path, defendant: "totals.defendant_" + path, state: "totals.state_" + path,
  })).filter(shown);
  const instances = kInstances.map((section) => ({
    name: sectionName(section), claimant: section + ".claimant_share", defendant: section + ".defendant_share",
    state: section + ".state_total",
  })).filter((way) => shown(way) && (paths.length === 0 || way.claimant.startsWith("first_instance.")));
  return [...instances, ...paths];
}

// The accessible name of the button that opens a row's way: its section
// and variant, then its label ("Rechenweg: Berufung, 4 Gerichtsgebühren"),
// distinct within one report as the row's key is.
export function wayButtonName(row) {
  const [section, ...path] = row.key.split(".");
  const names = section === "header" ? [] : [kSectionNames[section] ?? row.headings[0]];
  if (path.length > 1) names.push(kVariantNames[path[0]] ?? row.headings[1]);
  return "Rechenweg: " + [...names, row.label].join(", ");
}

// The figures as an answer reads them, its column's values and ways as
// `new`: the column of the later edition, or by the case's dates
// (`byDates`) the first, whose values then stand in `new` and those of
// 2025 in `old`; a row with one value stays. The change between the
// columns is not the answer's and is not turned.
export function answeredColumn(figures, byDates) {
  if (!byDates) return figures;
  const turned = (row) => (row.basis === 0 ? row : {
    ...row, old: row.new, new: row.old,
    derivation: row.derivation && { old: row.derivation.new, new: row.derivation.old },
  });
  return { ...figures, columns: [...figures.columns].reverse(), rows: figures.rows.map(turned) };
}

// What the answer's values follow, in its words: "nach den Gebühren ab
// 01.06.2025", or "nach den Daten des Falls".
export const answeredBy = (figures, byDates) => (byDates ? kByCaseDates : "nach den Gebühren " + dateOf(figures.columns[1]));
