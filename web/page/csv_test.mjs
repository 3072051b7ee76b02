import { test } from "node:test";
import assert from "node:assert/strict";
import { csvOf } from "./csv.js";

test("the table: semicolons, decimal commas, the way in one quoted field, CR LF", () => {
  const figures = {
    columns: ["Kosten bis 31.05.2025", "Kosten ab 01.06.2025"],
    rows: [
      { key: "header.amount", label: "Streitwert", old: 5000, basis: 0, headings: [], derivation: { old: ["Streitwert: 5.000,00 €"], new: null } },
      { key: "first_instance.court_fees", label: "3 Gerichtsgebühren", old: 483, new: 511.5, basis: 5000, oldPercent: 10, newPercent: 10, direction: "+",
        change: 5.9, headings: ["Erstinstanzliches Verfahren", "Verfahren mit streitigem Urteil"],
        derivation: { old: ["3,0 Gebühren; \"KV\" = 483,00 €"], new: ["= 511,50 €"] } },
      { key: "first_instance.defendant_pays_claimant", label: "Ausgleich", old: 0, new: 12.5, basis: 5000, oldPercent: 0, newPercent: 0, direction: null, change: null,
        headings: ["Erstinstanzliches Verfahren"], derivation: { old: ["0,00 €"], new: ["12,50 €"] } },
    ],
  };
  assert.equal(csvOf(figures), "\ufeffAbschnitt;Variante;Position;Kosten bis 31.05.2025 (Euro);% des Streitwertes;" +
    "Kosten ab 01.06.2025 (Euro);% des Streitwertes;Veränderung (%);Rechenweg;Schlüssel\r\n" +
    ";;Streitwert;5000,00;;;;;Streitwert: 5.000,00 €;header.amount\r\n" +
    "Erstinstanzliches Verfahren;Verfahren mit streitigem Urteil;3 Gerichtsgebühren;483,00;10;511,50;10;5,9;" +
    "\"bis 31.05.2025:\n3,0 Gebühren; \"\"KV\"\" = 483,00 €\nab 01.06.2025:\n= 511,50 €\";first_instance.court_fees\r\n" +
    "Erstinstanzliches Verfahren;;Ausgleich;0,00;0;12,50;0;;\"bis 31.05.2025:\n0,00 €\nab 01.06.2025:\n12,50 €\";" +
    "first_instance.defendant_pays_claimant\r\n");
  // A divorce's percentages are of its value.
  const divorce = { ...figures, rows: [{ ...figures.rows[1], key: "divorce.court_fees" }] };
  assert.match(csvOf(divorce), /^\ufeff[^\r]*;% des Verfahrenswertes;[^\r]*;% des Verfahrenswertes;/);
});
