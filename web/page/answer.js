// The answer to a party's first question, "what do I pay": what it bears in
// the end if it wins entirely, at the share it expects, and if it loses
// entirely, along each way through the instances; what it advances; what
// comes back at the end. Figures in (zeb.figures of the report with the
// share), the figures' rows out; the values are those of the column the
// answer reads (`new`: the law after, or the case by its dates, keys.js).
import { costWays, endingWays, partRows, rowOf, stateRows } from "./keys.js";

// Each role's rows: its part, and the first instance's balance by the
// party that pays it.
const kRoles = {
  klaeger: { part: "claimant", receives: "first_instance.defendant_pays_claimant", pays: "first_instance.claimant_pays_defendant" },
  beklagter: { part: "defendant", receives: "first_instance.claimant_pays_defendant", pays: "first_instance.defendant_pays_claimant" },
};

// A value of the answer: the sum of some rows' new values, each its way.
const valueOf = (rows) => ({ new: Math.round(100 * rows.reduce((sum, row) => sum + row.new, 0)) / 100, rows });

// The claimant's share (-O) of each case for `role` (klaeger, beklagter):
// the party wins entirely or loses entirely.
export const casesOf = (role) => (role === "klaeger" ? { win: "-O100", lose: "-O0" } : { win: "-O0", lose: "-O100" });

// The answer for `role` from `figures`, by case: {win, lose} and, where a
// share is expected, {share}. `ownLawyer`: the party has a lawyer in the
// first instance; `evidence`: the euros it advanced for witnesses and
// experts; `advances`: a party advances court costs (not before the labour
// courts, § 11 GKG).
//   ways      [{name, total, values: {case: value}}]: the part the party
//             bears of each way's costs, in the first instance with what no
//             one refunds it; total the costs, both parties' parts and the
//             state's, {low, high} over the cases (with legal aid they are
//             lower where the state pays a lawyer its lower fees)
//   advance   [{what, value}]: its business fee's bill, the payment order's
//             court fee (the claimant's) and its lawyer there, the first
//             instance's court fee (the claimant's, § 12 Abs. 1 GKG), its
//             lawyer and its evidence (a number); with legal aid none of
//             the court fee and its lawyer (§ 122 ZPO)
//   aid       with legal aid for the party: {lawyer}, the first instance's
//             bill the state pays its lawyer (§ 49 RVG); else undefined
//   balances  {case: {value, receives, refund}}: the first instance's
//             balance, where the report has it: what comes back, or what
//             it pays; with legal aid for the defendant, what the state
//             refunds the claimant of the court costs (refund, or null)
//   endings   [{name, total, value, balance}]: each early ending of the
//             first instance that the report shows, the same in every case
//             (the ending fixes who bears the costs): the party's part with
//             what no one refunds it, and the balance as above
// A value is {new, rows}: its euros, and the rows it adds up.
export function answerOf(role, figures, ownLawyer, evidence = 0, advances = true) {
  const { part, receives, pays } = kRoles[role];
  const cases = Object.keys(figures);
  const any = figures.win;
  // A party's part of a way's costs: in the first instance with what no
  // one refunds it.
  const partOf = (f, key) => valueOf(partRows(f, key));
  // A way's costs in `f`: both parties' parts and the state's.
  const totalOf = (way, f = any) => valueOf([...partRows(f, way.claimant), ...partRows(f, way.defendant), ...stateRows(f, way)]).new;
  const ways = costWays(any).map((way) => ({
    name: way.name,
    total: { low: Math.min(...cases.map((c) => totalOf(way, figures[c]))), high: Math.max(...cases.map((c) => totalOf(way, figures[c]))) },
    values: Object.fromEntries(cases.map((c) => [c, partOf(figures[c], way[part])])),
  }));
  const advance = [];
  const own = (key) => rowOf(any, key);
  const assigned = own(`first_instance.${part}_lawyer_from_state`);
  const pushRow = (what, row) => row && advance.push({ what, value: valueOf([row]) });
  pushRow("business", own(`pre_trial.${part}_lawyer_costs`));
  const paymentOrderLawyer = own(`payment_order.${part}_lawyer_costs`);
  if (paymentOrderLawyer && role === "klaeger" && advances) pushRow("paymentOrderCourt", own("payment_order.court_fees"));
  if (paymentOrderLawyer && ownLawyer) pushRow("paymentOrderLawyer", paymentOrderLawyer);
  const court = own("first_instance.court_fees");
  if (court && role === "klaeger" && !assigned && advances) {
    pushRow(paymentOrderLawyer ? "courtAfterPaymentOrder" : "court", court);
  }
  if (court && ownLawyer && !assigned) {
    pushRow("lawyer", own(`first_instance.${part}_lawyer_costs`) ?? own("first_instance.lawyer_costs"));
  }
  if (court && evidence > 0 && advances) advance.push({ what: "evidence", value: { new: evidence, rows: [] } });
  // The balance of `f` whose rows stand under `section`, where it has one.
  const balanceOf = (f, section) => {
    const back = rowOf(f, receives.replace("first_instance.", section));
    if (!back) return undefined;
    const refund = role === "klaeger" ? rowOf(f, section + "court_refund_to_claimant") : undefined;
    return {
      ...(back.new > 0 ? { value: valueOf([back]), receives: true }
        : { value: valueOf([rowOf(f, pays.replace("first_instance.", section))]), receives: false }),
      refund: refund?.new > 0 ? valueOf([refund]) : null,
    };
  };
  const balances = {};
  for (const c of cases) {
    const balance = balanceOf(figures[c], "first_instance.");
    if (balance) balances[c] = balance;
  }
  const endings = endingWays(any).map((way) => ({
    name: way.name,
    total: totalOf(way),
    value: partOf(any, way[part]),
    balance: balanceOf(any, `first_instance.${way.ending}.`),
  }));
  return { ways, advance, aid: assigned ? { lawyer: valueOf([assigned]) } : undefined, balances, endings };
}

// The user's own appeal as a decision, from the figures of the report with
// -berufungK or -berufungB: its value, the break-even success, and what the
// appellant pays (the defendant) or keeps (the claimant) in all, claim and
// costs together, in each outcome (`withAppeal` only where a success is
// given). Values as in answerOf; the break-even success in per cent.
export function appealAnswerOf(figures) {
  const one = (key) => {
    const row = rowOf(figures, key);
    return row ? valueOf([row]) : undefined;
  };
  return {
    value: valueOf([rowOf(figures, "appeal.amount")].map((row) => ({ ...row, new: row.old }))),
    breakEven: one("appeal_decision.break_even"),
    without: one("appeal_decision.without_appeal"),
    withAppeal: one("appeal_decision.with_appeal"),
    fails: one("appeal_decision.appeal_fails"),
    wins: one("appeal_decision.appeal_wins"),
    withdrawn: one("appeal_decision.withdrawn"),
  };
}
