// The case around the lawsuit as the form takes it: each side's business
// fee, the persons its lawyer acts for, the evidence costs it advanced,
// and a payment order before the lawsuit; and the engine's words for them.

// The rates of a business fee the form offers (VV RVG Nr. 2300): 0,5 to 2,5.
export const kBusinessFeeRates = Array.from({ length: 21 }, (_, i) => `${Math.floor((5 + i) / 10)},${(5 + i) % 10}`);

// The persons a lawyer acts for: {value} ("2"), {} for an empty field (one),
// or {error}.
export function parseClients(input) {
  const text = input.normalize("NFKC").trim();
  if (text === "") return {};
  if (!/^\d{1,2}$/.test(text) || Number(text) < 1) return { error: "Die Zahl der Auftraggeber ist 1 bis 99." };
  return { value: String(Number(text)) };
}

// Euros with at most two decimals as a German or an English writer gives
// them ("1.500,50 €", "1500.50"): a dot before exactly three digits groups
// thousands, otherwise it is the decimal point, as on the command line.
// {value} as the engine takes it ("1500,50"), {} for an empty field, or
// {error} with `what` in its message ("die Kosten für Zeugen und ...").
export function parseEuros(input, what) {
  const text = input.normalize("NFKC").replace(/\s+/g, "").replace(/^(?:€|euro|eur)|(?:€|euro|eur)$/gi, "");
  if (text === "") return {};
  const number = /^(\d{1,3}(?:\.\d{3})+|\d+)(?:,(\d{1,2}))?$/.exec(text) ?? /^(\d+)\.(\d{1,2})$/.exec(text);
  const digits = number?.[1].replace(/\./g, "");
  if (!number || digits.length > 9) return { error: `Bitte ${what} in Euro angeben, etwa 1500, 1.500,50 oder 1500.50.` };
  return { value: String(Number(digits)) + (number[2] === undefined ? "" : "," + number[2]) };
}

export const parseEvidence = (input) => parseEuros(input, "die Kosten für Zeugen und Sachverständige");

const kSides = [["klaeger", "K"], ["beklagter", "B"]];
const kNames = { klaeger: "der Kläger", beklagter: "der Beklagte" };

// The engine's words of the case in `state` (address.js), or {error, key}
// for the first field that holds no value.
export function aroundWords(state) {
  const words = [];
  for (const [side, letter] of kSides) {
    const rate = state["geschaeftsgebuehr-" + side];
    if (rate) words.push(`-G${letter}${rate}`);
  }
  if (state.mahn === "ja") words.push("-mahn");
  for (const [side, letter] of kSides) {
    const clients = parseClients(state["auftraggeber-" + side]);
    if (clients.error) return { error: clients.error, key: "auftraggeber-" + side };
    // Several clients change nothing for a party that has no lawyer in the
    // report: none in the first instance, no business fee, no appeal.
    const withoutLawyer = state.ohne === side || state.ohne === "beide";
    if (Number(clients.value) > 1 && withoutLawyer && !state["geschaeftsgebuehr-" + side] &&
        (state.verfahren === "klage" || state.verfahren === "mahnverfahren")) {
      return {
        error: `Ohne Anwalt in erster Instanz und ohne Geschäftsgebühr hat ${kNames[side]} hier keinen Anwalt, ` +
          "dessen Gebühren mehrere Auftraggeber erhöhen (Nr. 1008 VV RVG).",
        key: "auftraggeber-" + side,
      };
    }
    if (clients.value) words.push(`-auftraggeber${letter}${clients.value}`);
  }
  for (const [side, letter] of kSides) {
    const evidence = parseEvidence(state["beweis-" + side]);
    if (evidence.error) return { error: evidence.error, key: "beweis-" + side };
    if (evidence.value) words.push(`-beweis${letter}${evidence.value}`);
  }
  return { words };
}
