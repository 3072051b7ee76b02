// The share the user expects to win, in their own role, as a German writes
// it: a per cent from 0 to 100 with at most two decimals ("60", "60 %",
// "33,33"), or a fraction ("3/4"), each number at most six digits.

// Returns {word} (the engine's switch as the claimant's would be: "-O60",
// "-O33,33", "-O3/4"), {} for an empty field (no cost risk), or {error},
// said to the user.
export function parseShare(input) {
  const text = input.normalize("NFKC").replace(/\s+/g, "");
  if (text === "") return {};
  const fraction = /^(\d{1,6})\/(\d{1,6})$/.exec(text);
  if (fraction) {
    const [won, of] = [Number(fraction[1]), Number(fraction[2])];
    if (of === 0) return { error: "Der Nenner eines Bruchs ist mindestens 1." };
    if (won > of) return { error: "Sie können höchstens ganz gewinnen: im Bruch ist der Zähler höchstens der Nenner." };
    return { word: `-O${fraction[1]}/${fraction[2]}` };
  }
  const perCent = /^(\d{1,6})(?:[,.](\d{1,2}))?%?$/.exec(text);
  if (!perCent) {
    return { error: "Bitte den Anteil in Prozent (60 oder 33,33) oder als Bruch (3/4) angeben." };
  }
  if (Number(perCent[1] + "." + (perCent[2] ?? "0")) > 100) {
    return { error: "Sie können höchstens ganz gewinnen (100 %)." };
  }
  return { word: "-O" + perCent[1] + (perCent[2] === undefined ? "" : "," + perCent[2]) };
}

// The share won as the form shows it, from the engine's switch: "60 %"
// and "33,33 %" of "-O60" and "-O33,33", "3/4" of "-O3/4".
export function wonText(word) {
  const share = word.slice("-O".length);
  return share.includes("/") ? share : share + " %";
}

// The switch of the other party's share: what the claimant wins when the
// defendant wins `word`'s share, exactly, written as `word` is ("-O40" for
// "-O60", "-O66,67" for "-O33,33", "-O1/4" for "-O3/4").
export function complementWord(word) {
  const share = word.slice("-O".length);
  const fraction = /^(\d+)\/(\d+)$/.exec(share);
  if (fraction) return `-O${Number(fraction[2]) - Number(fraction[1])}/${fraction[2]}`;
  // A per cent with its decimals, in whole units of its last place.
  const [whole, decimals = ""] = share.split(",");
  const unit = 10 ** decimals.length;
  const rest = 100 * unit - Number(whole + decimals);
  return "-O" + Math.floor(rest / unit) + (decimals === "" ? "" : "," + String(rest % unit).padStart(decimals.length, "0"));
}
