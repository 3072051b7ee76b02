import { test } from "node:test";
import assert from "node:assert/strict";
import { parseAmount } from "./amount.js";

test("an amount as a German writes it gives its digits", () => {
  const accepted = [
    ["5000", "5000"], ["5.000", "5000"], ["5 000", "5000"], ["1.000.000", "1000000"],
    ["5000 €", "5000"], ["€ 5000", "5000"], ["5000€", "5000"], ["5000 EUR", "5000"],
    ["5.000 Euro", "5000"], ["5.000,00", "5000"], ["5000,0", "5000"], ["5.000,-", "5000"],
    ["  0005000 ", "5000"], ["2.147.483.647", "2147483647"], ["1", "1"],
    ["Euro 5000", "5000"], ["EURO 5000", "5000"], ["Euro 5.000", "5000"], ["５０００", "5000"], ["eur 7.000", "7000"],
  ];
  for (const [input, digits] of accepted) assert.deepEqual(parseAmount(input), { digits }, input);
  // A reform counts at most 30 million euros of any amount.
  for (const [input, digits] of [["2.147.483.648", "2147483648"], ["99999999999999999999", "99999999999999999999"]]) {
    assert.deepEqual(parseAmount(input, "2025"), { digits }, input);
  }
});

test("anything else gets a German message that says what is wrong", () => {
  const rejected = [
    ["", "Bitte geben Sie einen Streitwert ein."],
    ["   ", "Bitte geben Sie einen Streitwert ein."],
    ["abc", "Der Streitwert besteht aus Ziffern, etwa 5000 oder 5.000."],
    ["5000 Dollar", "Der Streitwert besteht aus Ziffern, etwa 5000 oder 5.000."],
    ["5e3", "Der Streitwert besteht aus Ziffern, etwa 5000 oder 5.000."],
    ["5000,50", "Bitte nur ganze Euro angeben: Cent rechnet das Programm nicht."],
    ["5.000,05", "Bitte nur ganze Euro angeben: Cent rechnet das Programm nicht."],
    ["0", "Der Streitwert muss mindestens 1 Euro betragen."],
    ["0,00 €", "Der Streitwert muss mindestens 1 Euro betragen."],
    ["-5000", "Der Streitwert muss mindestens 1 Euro betragen."],
    ["2.147.483.648", "Der Streitwert darf höchstens 2.147.483.647 Euro betragen."],
    ["99999999999999999999", "Der Streitwert darf höchstens 2.147.483.647 Euro betragen."],
    ["5.00", "Bitte den Streitwert in ganzen Euro angeben; Punkte trennen nur Tausender (5.000), ein Komma Cent (5.000,00)."],
    ["5,000", "Bitte den Streitwert in ganzen Euro angeben; Punkte trennen nur Tausender (5.000), ein Komma Cent (5.000,00)."],
  ];
  for (const [input, error] of rejected) assert.deepEqual(parseAmount(input), { error }, input);
});

test("a long paste takes time in proportion to its length", () => {
  const start = performance.now();
  for (const text of [" ".repeat(1e5) + "x", "1".repeat(1e5), "1.".repeat(5e4), "€ ".repeat(5e4)]) parseAmount(text);
  const milliseconds = performance.now() - start;
  assert.ok(milliseconds < 200, milliseconds + " ms");
});
