// Numbers as the report prints them, and in German notation.

// `x` as printf's "%.<decimals>f" writes it: the exact binary value rounded
// half to even. toFixed rounds an exact half up, and writes 1e21 and more
// with an exponent; from 2^53 on every double is whole.
export function printfFixed(x, decimals) {
  if (Math.abs(x) >= 2 ** 53) return BigInt(x).toString() + (decimals > 0 ? "." + "0".repeat(decimals) : "");
  const twice = x * 2 * 10 ** decimals; // exact for the single-precision values of a report
  if (!Number.isInteger(twice) || twice % 2 === 0) return x.toFixed(decimals);
  const below = Math.floor(twice / 2);
  return ((below % 2 === 0 ? below : below + 1) / 10 ** decimals).toFixed(decimals);
}

// "1.245,26": the figure as the report prints it, in German notation.
export function germanNumber(x, decimals) {
  const [whole, fraction] = printfFixed(x, decimals).split(".");
  const sign = whole.startsWith("-") ? "-" : "";
  const grouped = whole.replace("-", "").replace(/\B(?=(\d{3})+$)/g, ".");
  return sign + grouped + (fraction === undefined ? "" : "," + fraction);
}

export const euros = (x) => germanNumber(x, 2) + "\u00a0€";
export const wholeEuros = (x) => germanNumber(x, 0) + "\u00a0€";

// The change of a row as the report prints it, "+ 20,7 %"; nothing for a
// row that shows none.
export const changeOf = (row) => (row.change === null ? "" : row.direction + " " + germanNumber(row.change, 1) + "\u00a0%");

// An axis' amount in words: "5.000 €", "30 Mio. €", "2 Mrd. €".
export const amountWords = (x) => x >= 1e9 ? germanNumber(x / 1e9, 0) + "\u00a0Mrd.\u00a0€"
  : x >= 1e6 ? germanNumber(x / 1e6, 0) + "\u00a0Mio.\u00a0€" : germanNumber(x, 0) + "\u00a0€";
