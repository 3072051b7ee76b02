import { test } from "node:test";
import assert from "node:assert/strict";
import { divorceAnswerOf, divorceWords } from "./divorce.js";

test("a divorce's fields give the engine's words, or the first that holds no value, or the income still missing", () => {
  const state = (fields) => ({ nettoK: "", nettoB: "", anrechte: "", kinder: "", vermoegen: "", ...fields });
  const cases = [
    [{ nettoK: "2.500,5 €", nettoB: " 0 ", anrechte: "３" }, { words: ["-scheidung", "-2025", "-nettoK2500,5", "-nettoB0", "-anrechte3"] }],
    [{ nettoK: "1", nettoB: "1", anrechte: "30", kinder: "0", sorge: "ja", umgang: "", anwaltB: "ja" },
      { words: ["-scheidung", "-2025", "-nettoK1", "-nettoB1", "-anrechte30", "-kinder0", "-sorge", "-anwaltB"] }],
    [{ nettoK: "-100", nettoB: "1" }, { error: /^Bitte das Nettoeinkommen des Antragstellers im Monat in Euro angeben/, key: "nettoK" }],
    [{ nettoK: "1", nettoB: "1", anrechte: "31" }, { error: "Bitte die Zahl der Anrechte beider Ehegatten angeben: 0 bis 30.", key: "anrechte" }],
    [{ nettoK: "1", nettoB: "1", kinder: "2,5" }, { error: /Kinder.*: 0 bis 20\.$/, key: "kinder" }],
    [{ nettoK: "1", nettoB: "1", vermoegen: "viel" }, { error: /^Bitte das Nettovermögen beider Ehegatten in Euro/, key: "vermoegen" }],
    // The first missing income is named; a later field's error waits for it.
    [{ nettoK: "1", anrechte: "99" }, { missing: "Bitte das Nettoeinkommen des Antragsgegners im Monat angeben, 0 für keines.", key: "nettoB" }],
  ];
  for (const [fields, expected] of cases) {
    const got = divorceWords(state(fields));
    if (expected.error instanceof RegExp) {
      assert.match(got.error, expected.error, JSON.stringify(fields));
      assert.equal(got.key, expected.key);
    } else {
      assert.deepEqual(got, expected, JSON.stringify(fields));
    }
  }
});

test("each spouse reads the divorce from its own side: its total first, the spouse's beside it", () => {
  const keys = ["value_divorce", "value_pension", "value", "court_fees", "petitioner_lawyer_costs", "petitioner_total",
    "respondent_total", "advance", "respondent_pays_petitioner", "withdrawal.petitioner_total", "withdrawal.respondent_total"];
  const figures = { rows: keys.map((key, i) => ({ key: "divorce." + key, label: key, new: String(i) })) };
  const number = (value) => value?.new;
  for (const [role, mine, theirs] of [["klaeger", "5", "6"], ["beklagter", "6", "5"]]) {
    const answer = divorceAnswerOf(figures, role);
    assert.deepEqual([number(answer.mine), number(answer.theirs), answer.state], [mine, theirs, undefined], role);
    assert.deepEqual([number(answer.withdrawn.mine), number(answer.withdrawn.theirs)], role === "klaeger" ? ["9", "10"] : ["10", "9"]);
    assert.deepEqual(answer.values.map((v) => v.label), ["value_divorce", "value_pension", "value"]);
    assert.deepEqual(answer.fees.map((v) => v.label), ["court_fees", "petitioner_lawyer_costs"]);
    assert.deepEqual([number(answer.advance), answer.after.map((item) => item.key)], ["7", ["respondent_pays_petitioner"]]);
  }
  assert.equal(divorceAnswerOf({ rows: [] }, "klaeger").withdrawn, undefined);
});
