// The way to a row's values (Rechenweg) as HTML.
import { escapeHtml } from "./text.js";

// "bis 31.05.2025" of a column's caption "Kosten bis 31.05.2025".
export const dateOf = (caption) => caption.replace(/^Kosten /, "");

const steps = (lines) => `<ul>${lines.map((line) => `<li>${escapeHtml(line)}</li>`).join("")}</ul>`;

// The steps of each column under its date (`before`, `after`), or alone
// for a row with one value.
export function wayHtml(derivation, before, after) {
  if (derivation.new === null) return steps(derivation.old);
  return `<p>${before}:</p>${steps(derivation.old)}<p>${after}:</p>${steps(derivation.new)}`;
}
