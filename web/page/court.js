// The court a case is before (gericht=arbeit: the labour courts), and the
// value of a dismissal protection suit from the monthly gross pay.
import { lawOf2025 } from "./laws.js";

// The engine's words of the court in `state`: the labour courts under the
// law of 2025 alone, whose columns are the editions of KV GKG Teil 8 that
// the program holds.
export const courtWords = (state) => (state.gericht === "arbeit" && lawOf2025(state.recht) ? ["-arbeit"] : []);

// The value of a suit on the termination of employment, from the monthly
// gross pay as a German writes it ("3000", "3.000", "3.456,78 €"): three
// months' pay, a severance payment not added (§ 42 Abs. 2 Satz 1 GKG), in
// whole euros rounded up, since the fees count every started step.
// {digits, cents} (the three months' pay in cents), {} for an empty field,
// or {error}.
export function dismissalValue(input) {
  const text = input.normalize("NFKC").replace(/\s+/g, "").replace(/^(?:€|euro|eur)|(?:€|euro|eur)$/gi, "");
  if (text === "") return {};
  const number = /^(\d{1,3}(?:\.\d{3})+|\d{1,7})(?:,(\d{1,2}))?$/.exec(text);
  const cents = number ? Number(number[1].replace(/\./g, "")) * 100 + Number((number[2] ?? "0").padEnd(2, "0")) : 0;
  if (!number || cents === 0) {
    return { error: "Bitte das Bruttomonatsgehalt in Euro angeben, etwa 3000 oder 3.456,78." };
  }
  return { digits: String(Math.ceil((3 * cents) / 100)), cents: 3 * cents };
}
