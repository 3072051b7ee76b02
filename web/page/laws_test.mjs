import { test } from "node:test";
import assert from "node:assert/strict";
import { dayWords } from "./laws.js";

test("the days of a case by its dates: real days from 01.01.2021, the appeal after the lawsuit", () => {
  const civil = { recht: "daten", gericht: "zivil", anhaengig: "", "auftrag-klaeger": "", "auftrag-beklagter": "", berufungam: "" };
  const cases = [
    [{ anhaengig: "29.02.2024" }, { words: ["-anhaengig29.02.2024"] }],
    [{ anhaengig: "1.1.2021", "auftrag-klaeger": "31.12.2020" }, { error: /ab 01.01.2021/, key: "auftrag-klaeger" }],
    [{ anhaengig: "29.02.2025" }, { error: /TT.MM.JJJJ/, key: "anhaengig" }],
    [{ anhaengig: "2024-03-15" }, { error: /TT.MM.JJJJ/, key: "anhaengig" }],
    [{ anhaengig: "15.03.24" }, { error: /TT.MM.JJJJ/, key: "anhaengig" }],
    // A mandate may follow the lawsuit; an appeal may not precede it.
    [{ anhaengig: "15.03.2024", "auftrag-beklagter": "01.04.2024", berufungam: "15.03.2024" },
      { words: ["-anhaengig15.03.2024", "-auftragB01.04.2024", "-berufungAm15.03.2024"] }],
    [{ anhaengig: "15.03.2024", berufungam: "14.03.2024" }, { error: /Berufung folgt der Klage/, key: "berufungam" }],
    // Without the day of the lawsuit no report, whatever else is given.
    [{ "auftrag-klaeger": "01.03.2024" }, { missing: /die Klage einging/, key: "anhaengig" }],
    [{ gericht: "familie", berufungam: "x" }, { missing: /der Scheidungsantrag einging/, key: "anhaengig" }],
    [{ recht: "2025", anhaengig: "x" }, { words: [] }],
  ];
  for (const [fields, expected] of cases) {
    const got = dayWords({ ...civil, ...fields });
    const name = JSON.stringify(fields);
    assert.deepEqual(Object.keys(got).sort(), Object.keys(expected).sort(), name);
    for (const [key, value] of Object.entries(expected)) {
      if (value instanceof RegExp) assert.match(got[key], value, name);
      else assert.deepEqual(got[key], value, name);
    }
  }
});
