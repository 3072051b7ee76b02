import { test } from "node:test";
import assert from "node:assert/strict";
import { aroundWords, kBusinessFeeRates } from "./around.js";

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
    // The spellings of the command line: a dot before three digits groups
    // thousands, before one or two it is the decimal point.
    [{ "beweis-klaeger": "1.500", "beweis-beklagter": "1500.5" }, ["-beweisK1500", "-beweisB1500,5"]],
    [{ "beweis-klaeger": "1.50", "beweis-beklagter": "1500.00" }, ["-beweisK1,50", "-beweisB1500,00"]],
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
    [{ "auftraggeber-beklagter": "100" }, "auftraggeber-beklagter"], [{ "beweis-klaeger": "1.500.50" }, "beweis-klaeger"],
    [{ "beweis-klaeger": "1500.000" }, "beweis-klaeger"],
    [{ ohne: "klaeger", verfahren: "klage", "auftraggeber-klaeger": "2" }, "auftraggeber-klaeger"],
    [{ "beweis-beklagter": "1000000000" }, "beweis-beklagter"], [{ "beweis-klaeger": "12,345" }, "beweis-klaeger"]]) {
    assert.equal(aroundWords(state(values)).key, key, JSON.stringify(values));
  }
});
