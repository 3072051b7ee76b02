import { test } from "node:test";
import assert from "node:assert/strict";
import { argumentsOf, fragmentOf, stateFromFragment } from "./address.js";
import { parseAmount } from "./amount.js";
import { dismissalValue } from "./court.js";

test("a dismissal protection suit is worth three months' gross pay, rounded up to whole euros", () => {
  for (const [input, value] of [
    ["", {}],
    ["3000", { digits: "9000", cents: 900000 }],
    [" 3.000 € ", { digits: "9000", cents: 900000 }],
    // 3 x 3.456,78 = 10.370,34: every started step counts.
    ["3.456,78", { digits: "10371", cents: 1037034 }],
    ["EUR 2500,5", { digits: "7502", cents: 750150 }],
  ]) {
    assert.deepEqual(dismissalValue(input), value, input);
  }
  for (const input of ["0", "3,000.00", "drei", "-3000", "12345678"]) {
    assert.match(dismissalValue(input).error, /Bruttomonatsgehalt/, input);
  }
});

test("the labour courts: their word under the law of 2025 alone, the address keeps the choice", () => {
  const words = (fragment) => {
    const state = stateFromFragment(fragment, false);
    return argumentsOf(state, parseAmount(state.streitwert, state.recht).digits, false);
  };
  // The gross pay makes the amount, where it is given.
  assert.deepEqual(words("#gericht=arbeit&brutto=3000&recht=2025&obsiegen=100"), ["9000", "-2025", "-arbeit", "-O100"]);
  assert.deepEqual(words("#streitwert=5000&gericht=arbeit&recht=2025"), ["5000", "-2025", "-arbeit"]);
  assert.deepEqual(words("#streitwert=5000&gericht=arbeit&recht=2021"), ["5000", "-2021"]);
  assert.deepEqual(words("#streitwert=5000&gericht=zivil&brutto=3000&recht=2025"), ["5000", "-2025"]);
  const state = stateFromFragment("#gericht=arbeit&brutto=3.000&recht=2021", false);
  assert.match(fragmentOf(state, "9000"), /^#streitwert=9000&recht=2021&.*&gericht=arbeit&brutto=3.000$/);
  assert.doesNotMatch(fragmentOf(stateFromFragment("#streitwert=5000&recht=2025", false), "5000"), /gericht|brutto/);
});
