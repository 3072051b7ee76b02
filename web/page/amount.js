// The amount in dispute as a German writes it.

// The largest amount of the report of 2013, which reads the amount as a
// signed 32-bit number; a reform takes any amount and counts at most 30
// million euros of it.
export const kLargestAmount = 2147483647;

// Whole euros, thousands grouped by "." or a blank, "€", "EUR" or "Euro" in
// any case before or after, a cent part of zero (",00", ",-"); full-width
// digits too. Returns {digits} (no leading zeros) or {error}. Every step is
// linear in the input's length. `law` is the value of the law chosen
// ("2013" has a largest amount).
export function parseAmount(input, law = "2013") {
  let text = input.normalize("NFKC").replace(/\s+/g, " ").trim();
  if (text === "") return { error: "Bitte geben Sie einen Streitwert ein." };
  text = text.replace(/^(?:€|euro|eur) ?/i, "").replace(/ ?(?:€|euro|eur)$/i, "");
  const number = /^([+\-\u2212]?) ?(\d{1,3}(?:\.\d{3})+|\d{1,3}(?: \d{3})+|\d+)(?:,(\d{1,2}|-{1,2}))?$/.exec(text);
  if (number === null) {
    if (/[^\d .,+\-\u2212€]/.test(text)) {
      return { error: "Der Streitwert besteht aus Ziffern, etwa 5000 oder 5.000." };
    }
    return {
      error: "Bitte den Streitwert in ganzen Euro angeben; Punkte trennen nur Tausender (5.000), ein Komma Cent (5.000,00).",
    };
  }
  const [, sign, grouped, cents] = number;
  if (cents !== undefined && /[1-9]/.test(cents)) {
    return { error: "Bitte nur ganze Euro angeben: Cent rechnet das Programm nicht." };
  }
  const digits = grouped.replace(/[. ]/g, "").replace(/^0+(?=\d)/, "");
  if (digits === "0" || sign === "-" || sign === "\u2212") {
    return { error: "Der Streitwert muss mindestens 1 Euro betragen." };
  }
  if (law === "2013" && (digits.length > 10 || Number(digits) > kLargestAmount)) {
    return { error: "Der Streitwert darf höchstens 2.147.483.647 Euro betragen." };
  }
  return { digits };
}
