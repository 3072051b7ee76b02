import { test } from "node:test";
import assert from "node:assert/strict";
import { answerOf, casesOf } from "./answer.js";

// 10000 euros from 01.06.2025, worked by hand: court fees 3 x 283,00 =
// 849,00, each lawyer (2,5 x 652,00 + 20,00) x 1,19 = 1.963,50, together
// 4.776,00. With the claimant's share won: the claimant's part of the
// lost share, and the balance after it paid 849,00 + 1.963,50 = 2.812,50.
const figuresAt = (won) => {
  const claimant = Math.round((100 - won) * 4776) / 100;
  const balance = Math.round((2812.5 - claimant) * 100) / 100;
  const rows = { "first_instance.court_fees": 849, "first_instance.lawyer_costs": 1963.5,
    "first_instance.claimant_share": claimant, "first_instance.defendant_share": Math.round((4776 - claimant) * 100) / 100,
    "first_instance.defendant_pays_claimant": Math.max(balance, 0), "first_instance.claimant_pays_defendant": Math.max(-balance, 0) };
  return { rows: Object.entries(rows).map(([key, value]) => ({ key, new: value })) };
};
const won = { "-O100": 100, "-O0": 0, "-O60": 60 };

test("each role's part if it wins, wins in part or loses, what it advances and what comes back", () => {
  for (const [role, share, parts, advance, balances] of [
    ["klaeger", "-O60", [0, 1910.4, 4776], [849, 1963.5], [[true, 2812.5], [true, 902.1], [false, 1963.5]]],
    ["beklagter", "-O60", [0, 2865.6, 4776], [1963.5], [[true, 1963.5], [false, 902.1], [false, 2812.5]]],
  ]) {
    const cases = { ...casesOf(role), share };
    const figures = Object.fromEntries(["win", "share", "lose"].map((c) => [c, figuresAt(won[cases[c]])]));
    const answer = answerOf(role, figures, true);
    assert.deepEqual(answer.ways.map((way) => [way.name, way.total, ["win", "share", "lose"].map((c) => way.values[c].new)]),
      [["Erste Instanz", 4776, parts]], role);
    assert.deepEqual(answer.advance.map((item) => item.row.new), advance, role);
    assert.deepEqual(["win", "share", "lose"].map((c) => [answer.balances[c].receives, answer.balances[c].row.new]), balances, role);
  }
  // A claimant without a lawyer advances the court fee alone.
  assert.deepEqual(answerOf("klaeger", { win: figuresAt(100), lose: figuresAt(0) }, false).advance.map((item) => item.what), ["court"]);
});
