import { test } from "node:test";
import assert from "node:assert/strict";
import { complementWord, parseShare, wonText } from "./share.js";

test("a share as a German writes it gives the engine's switch", () => {
  for (const [input, word] of [["60", "-O60"], ["60 %", "-O60"], ["60%", "-O60"], ["33,33", "-O33,33"],
    ["33.33 %", "-O33,33"], ["0", "-O0"], ["100,00", "-O100,00"], ["3/4", "-O3/4"], [" 3 / 4 ", "-O3/4"],
    ["０/１", "-O0/1"], ["999999/999999", "-O999999/999999"]]) {
    assert.deepEqual(parseShare(input), { word }, input);
  }
  assert.deepEqual(parseShare("  "), {});
});

test("the share won as the form shows it, a per cent with its sign", () => {
  for (const [input, text] of [["60", "60 %"], ["33.33 %", "33,33 %"], ["100,00", "100,00 %"], [" 3 / 4 ", "3/4"]]) {
    assert.equal(wonText(parseShare(input).word), text, input);
  }
});

test("anything else gets a message that says what is wrong", () => {
  const form = "Bitte den Anteil in Prozent (60 oder 33,33) oder als Bruch (3/4) angeben.";
  for (const [input, error] of [["100,01", "Sie können höchstens ganz gewinnen (100 %)."],
    ["101", "Sie können höchstens ganz gewinnen (100 %)."], ["3/0", "Der Nenner eines Bruchs ist mindestens 1."],
    ["4/3", "Sie können höchstens ganz gewinnen: im Bruch ist der Zähler höchstens der Nenner."],
    ["-5", form], ["1,234", form], ["sechzig", form], ["1/1234567", form], ["60 % %", form]]) {
    assert.deepEqual(parseShare(input), { error }, input);
  }
});

test("the other party's share, exactly, written as the share was", () => {
  for (const [word, other] of [["-O60", "-O40"], ["-O33,33", "-O66,67"], ["-O0,5", "-O99,5"], ["-O99,99", "-O0,01"],
    ["-O100,00", "-O0,00"], ["-O0", "-O100"], ["-O3/4", "-O1/4"], ["-O0/1", "-O1/1"]]) {
    assert.equal(complementWord(word), other, word);
  }
});
