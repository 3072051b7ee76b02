import { test } from "node:test";
import assert from "node:assert/strict";
import { amountWords, changeOf, euros, germanNumber, printfFixed, wholeEuros } from "./numbers.js";

test("printfFixed rounds the exact binary value half to even, as printf does", () => {
  // 0.125 and 2.5 are exact ties; 0.1 is a little above 0.1; 2^70 is whole.
  for (const [x, decimals, text] of [[0.125, 2, "0.12"], [0.375, 2, "0.38"], [2.5, 0, "2"], [3.5, 0, "4"],
    [0.1, 2, "0.10"], [1078.44, 2, "1078.44"], [-0.125, 2, "-0.12"], [17197.294921875, 2, "17197.29"],
    [20.661157, 1, "20.7"], [2 ** 70, 2, "1180591620717411303424.00"]]) {
    assert.equal(printfFixed(x, decimals), text, String(x));
  }
});

test("German notation: thousands grouped by points, a decimal comma", () => {
  assert.equal(germanNumber(1078.44, 2), "1.078,44");
  assert.equal(germanNumber(-1234.5, 2), "-1.234,50");
  assert.equal(germanNumber(17197, 0), "17.197");
  assert.equal(germanNumber(999, 0), "999");
  assert.equal(euros(2147483648), "2.147.483.648,00\u00a0€");
  assert.equal(wholeEuros(5000), "5.000\u00a0€");
  assert.equal(changeOf({ direction: "-", change: 5 }), "- 5,0\u00a0%");
  assert.equal(changeOf({ direction: null, change: null }), "");
  assert.deepEqual([1, 1000, 3e7, 2e9].map(amountWords), ["1\u00a0€", "1.000\u00a0€", "30\u00a0Mio.\u00a0€", "2\u00a0Mrd.\u00a0€"]);
});
