// The answer to a party's first question, "what do I pay": what it bears in
// the end if it wins entirely, at the share it expects, and if it loses
// entirely, along each way through the instances; what it advances; what
// comes back at the end. Figures in (zeb.figures of the report with the
// share), the figures' rows out; the values are those of the law after
// (the new column).
import { costWays, rowOf } from "./keys.js";

// Each role's rows: its part, and the first instance's balance by the
// party that pays it.
const kRoles = {
  klaeger: { part: "claimant", receives: "first_instance.defendant_pays_claimant", pays: "first_instance.claimant_pays_defendant" },
  beklagter: { part: "defendant", receives: "first_instance.claimant_pays_defendant", pays: "first_instance.defendant_pays_claimant" },
};

// The claimant's share (-O) of each case for `role` (klaeger, beklagter):
// the party wins entirely or loses entirely.
export const casesOf = (role) => (role === "klaeger" ? { win: "-O100", lose: "-O0" } : { win: "-O0", lose: "-O100" });

// The answer for `role` from `figures`, by case: {win, lose} and, where a
// share is expected, {share}. `ownLawyer`: the party has a lawyer in the
// first instance.
//   ways      [{name, total, values: {case: row}}]: the part the party
//             bears of each way's costs (total, a number)
//   advance   [{what, row}]: the court fee (the claimant's) and its lawyer
//   balances  {case: {row, receives}}: the first instance's balance, where
//             the report has it: what comes back, or what it pays
export function answerOf(role, figures, ownLawyer) {
  const { part, receives, pays } = kRoles[role];
  const cases = Object.keys(figures);
  const any = figures.win;
  const ways = costWays(any).map((way) => ({
    name: way.name,
    total: Math.round(100 * (rowOf(any, way.claimant).new + rowOf(any, way.defendant).new)) / 100,
    values: Object.fromEntries(cases.map((c) => [c, rowOf(figures[c], way[part])])),
  }));
  const advance = [];
  const court = rowOf(any, "first_instance.court_fees");
  if (court && role === "klaeger") advance.push({ what: "court", row: court });
  if (court && ownLawyer) advance.push({ what: "lawyer", row: rowOf(any, "first_instance.lawyer_costs") });
  const balances = {};
  for (const c of cases) {
    const back = rowOf(figures[c], receives);
    if (back) balances[c] = back.new > 0 ? { row: back, receives: true } : { row: rowOf(figures[c], pays), receives: false };
  }
  return { ways, advance, balances };
}
