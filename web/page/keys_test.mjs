import { test } from "node:test";
import assert from "node:assert/strict";
import { wayButtonName } from "./keys.js";

// Rows with the same label in several blocks, as a report with -V and both
// revisions has them.
const rows = [
  ["header.court_fee", "Gerichtsgebühr", "Rechenweg: Gerichtsgebühr"],
  ["first_instance.process_costs", "Prozeßkosten", "Rechenweg: Erste Instanz, Prozeßkosten"],
  ["first_instance.settlement.process_costs", "Prozeßkosten", "Rechenweg: Erste Instanz, Prozeßvergleich, Prozeßkosten"],
  ["appeal.court_fees", "4 Gerichtsgebühren", "Rechenweg: Berufung, 4 Gerichtsgebühren"],
  ["revision.court_fees", "5 Gerichtsgebühren", "Rechenweg: Revision, 5 Gerichtsgebühren"],
  ["revision_bgh.court_fees", "5 Gerichtsgebühren", "Rechenweg: Revision vor dem BGH, 5 Gerichtsgebühren"],
  ["totals.with_appeal", "Gesamtkosten mit Berufung", "Rechenweg: Gesamtkosten, Gesamtkosten mit Berufung"],
  ["first_instance.withdrawal.court_fees", "1 Gerichtsgebühr", "Rechenweg: Erste Instanz, Klagerücknahme, 1 Gerichtsgebühr"],
  ["first_instance.default_judgment.claimant_lawyer_costs", "Anwaltskosten des Klägers",
    "Rechenweg: Erste Instanz, Versäumnisurteil, Anwaltskosten des Klägers"],
  // A section or variant the page has no short name for goes by its heading.
  ["appeal.waiver.court_fees", "2 Gerichtsgebühren", "Rechenweg: Berufung, Verfahren mit Verzichtsurteil, 2 Gerichtsgebühren"],
].map(([key, label, name]) => ({ key, label, name, headings: ["Berufungsverfahren", "Verfahren mit Verzichtsurteil"] }));

test("each way button is named by its block and its row, distinct where the labels are not", () => {
  for (const row of rows) assert.equal(wayButtonName(row), row.name, row.key);
});

