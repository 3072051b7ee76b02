import { test } from "node:test";
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { aroundWords, kBusinessFeeRates, parseEvidence } from "./around.js";

const state = (values) => ({
  "geschaeftsgebuehr-klaeger": "", "geschaeftsgebuehr-beklagter": "", mahn: "nein",
  "auftraggeber-klaeger": "", "auftraggeber-beklagter": "", "beweis-klaeger": "", "beweis-beklagter": "", ...values,
});

test("the case as the form takes it gives the engine's words", () => {
  assert.deepEqual([kBusinessFeeRates[0], kBusinessFeeRates[8], kBusinessFeeRates.at(-1)], ["0,5", "1,3", "2,5"]);
  for (const [values, words] of [
    [{}, []],
    [{ "geschaeftsgebuehr-klaeger": "1,3", mahn: "ja", "auftraggeber-beklagter": " 02 ", "beweis-klaeger": "1.500,50 €" },
      ["-GK1,3", "-mahn", "-auftraggeberB2", "-beweisK1500,50"]],
    [{ "geschaeftsgebuehr-beklagter": "2,5", "beweis-beklagter": "EUR 999999999" }, ["-GB2,5", "-beweisB999999999"]],
    // Several clients of a party without a lawyer, where it has one.
    [{ ohne: "klaeger", verfahren: "alle", "auftraggeber-klaeger": "2" }, ["-auftraggeberK2"]],
    [{ ohne: "beide", verfahren: "klage", "geschaeftsgebuehr-beklagter": "1,3", "auftraggeber-beklagter": "2" },
      ["-GB1,3", "-auftraggeberB2"]],
  ]) {
    assert.deepEqual(aroundWords(state(values)), { words }, JSON.stringify(values));
  }
});

test("a field that holds no value names itself", () => {
  for (const [values, key] of [[{ "auftraggeber-klaeger": "0" }, "auftraggeber-klaeger"],
    [{ "auftraggeber-beklagter": "100" }, "auftraggeber-beklagter"],
    [{ ohne: "klaeger", verfahren: "klage", "auftraggeber-klaeger": "2" }, "auftraggeber-klaeger"],
    [{ "beweis-beklagter": "1000000000" }, "beweis-beklagter"], [{ "beweis-klaeger": "12,345" }, "beweis-klaeger"]]) {
    assert.equal(aroundWords(state(values)).key, key, JSON.stringify(values));
  }
});

test("the evidence takes the command line's spellings, and refuses the same", () => {
  const spellings = readFileSync(new URL("../../tests/data/euro-spellings.txt", import.meta.url), "utf8")
    .split("\n").filter((line) => line && !line.startsWith("#")).map((line) => line.split(" "));
  assert.ok(spellings.length > 10);
  for (const [text, cents] of spellings) {
    const { value } = parseEvidence(text);
    assert.equal(value === undefined ? "-" : String(Math.round(100 * Number(value.replace(",", ".")))), cents, text);
  }
});
