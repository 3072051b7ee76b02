// The report's notes, and the links that lead to them.
import { kLaws } from "./laws.js";
import { fromAscii } from "./text.js";

// The notes as the HTML report writes them for the currency `euro` and the
// law `law` (values of the form), with the note on the cost risk where
// `risk`, that on legal aid with the engine's words `aid`, those of the
// court of the words `court` and that on the days `days` (the words of a
// case by its dates), made once each by `zeb`.
export function createNotes(zeb) {
  const cache = new Map();
  return (euro, law, risk, aid = [], court = [], days = []) => {
    const key = [euro, law, risk, ...aid, ...court, ...days].join(" ");
    if (!cache.has(key)) {
      // The smallest report with every note: the first instance alone; with
      // days every instance, whose days the note names.
      cache.set(key, notesOf(zeb, ["1", "-h"].concat(days.length ? [] : ["-k"], euro === "zeichen" ? ["-E"] : [],
        kLaws[law] ?? [], court, risk ? ["-O0"] : [], aid, days)));
    }
    return cache.get(key);
  };
}

// The notes of the HTML report of `words` (-h among them).
export function notesOf(zeb, words) {
  const report = new DOMParser().parseFromString(fromAscii(zeb.run(words).stdout), "text/html");
  return document.importNode(report.querySelector(".anmerkung"), true);
}

// Appends to the answer's `section` the box of its `notes`, closed.
export function appendNotesBox(section, notes) {
  const box = document.createElement("details");
  box.className = "anmerkungen";
  box.id = "antwort-anmerkungen";
  box.innerHTML = "<summary>Anmerkungen</summary>";
  box.append(notes.cloneNode(true));
  section.append(box);
}

// A click on the answer's link to its notes in `container` opens their box;
// whether the click was one.
export function openNotesBox(event, container) {
  if (!event.target.closest?.("a[href='#antwort-anmerkungen']")) return false;
  event.preventDefault();
  const box = container.querySelector("#antwort-anmerkungen");
  box.open = true;
  box.querySelector("summary").focus();
  return true;
}

// A click on a link to a note, in the figures or in the HTML report: the
// note of `documentOfLink` is handed to `reveal`; the address stays the
// form's.
export function followNote(event, documentOfLink, reveal) {
  const link = event.target.closest?.("a[href^='#']");
  if (!link) return;
  event.preventDefault();
  const name = link.getAttribute("href").slice(1);
  const note = documentOfLink.getElementById(name) ?? documentOfLink.getElementsByName(name)[0];
  if (note) reveal(note);
}
