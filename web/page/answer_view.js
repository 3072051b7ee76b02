// The answer view ("Ihr Kostenrisiko"): what the user pays in the end if
// they win, lose or win in part, what they advance and what comes back,
// each figure's way one click away. It asks the engine for the report of
// each case; the ways when one is first opened.
import { aidWords, appealWords, argumentsOf, claimantShareWord, partyWords } from "./address.js";
import { answerOf, appealAnswerOf, casesOf } from "./answer.js";
import { courtWords } from "./court.js";
import { euros, germanNumber } from "./numbers.js";
import { aroundWords, parseEvidence } from "./around.js";
import { parseShare, wonText } from "./share.js";
import { escapeHtml } from "./text.js";
import { appendNotesBox, openNotesBox } from "./notes.js";
import { answeredBy, answeredColumn } from "./keys.js";
import { byCaseDates } from "./laws.js";
import { wayHtml } from "./ways.js";

// Opens the way of the value `button` in the answer's box (#antwort-weg) of
// `container`, its lines from `lines()`, or closes it where it is open.
// Returns the box.
export function toggleWay(container, button, lines) {
  const box = container.querySelector("#antwort-weg");
  const open = button.getAttribute("aria-expanded") !== "true";
  for (const other of container.querySelectorAll("button.wert[aria-expanded=true]")) other.setAttribute("aria-expanded", "false");
  box.hidden = !open;
  if (open) {
    button.setAttribute("aria-expanded", "true");
    const label = button.getAttribute("aria-label").replace(/^[^:]*: /, "");
    box.innerHTML = `<p class="weg-titel">${escapeHtml(label)}</p>` + wayHtml({ old: lines(), new: null });
  }
  return box;
}

// What the user advances, as the view names it.
const kAdvance = {
  business: "Ihr Anwalt vor dem Prozess (Geschäftsgebühr)",
  paymentOrderCourt: "die Gerichtsgebühr des Mahnverfahrens",
  paymentOrderLawyer: "Ihr Anwalt im Mahnverfahren",
  court: "die Gerichtsgebühr der ersten Instanz (§\u00a012 Abs.\u00a01 GKG)",
  courtAfterPaymentOrder: "die Gerichtsgebühr der ersten Instanz, abzüglich der des Mahnverfahrens (§\u00a012 Abs.\u00a01 GKG)",
  lawyer: "Ihr Anwalt in erster Instanz",
  evidence: "Zeugen und Sachverständige, wenn Beweis erhoben wird (§\u00a017 GKG)",
};

// Each role's name, and the other party's.
const kRoles = {
  klaeger: { me: "Kläger", other: "der Beklagte", toOther: "dem Beklagten", otherRole: "beklagter" },
  beklagter: { me: "Beklagter", other: "der Kläger", toOther: "dem Kläger", otherRole: "klaeger" },
};

// Whether a share word (-O...) is all of it: then nothing is lost.
const wholeWin = (word) => {
  const share = word.slice("-O".length);
  const fraction = /^(\d+)\/(\d+)$/.exec(share);
  return fraction ? Number(fraction[1]) === Number(fraction[2]) : Number(share.replace(",", ".")) === 100;
};

// `container` shows the view; `switchLaw()` is called by the button that
// asks for today's law under the law of 2013, `onNote(event)` for a click
// on a link to a note.
export function createAnswerView(container, zeb, switchLaw) {
  let ways = null; // (case, key) => the way to the new value of the row `key`

  // The answer where the law chosen does not compute it: why, and a button
  // for today's law.
  function showWhyNot(why) {
    container.innerHTML = `<section class="antwort-inhalt" aria-labelledby="antwort-titel">` +
      `<h2 id="antwort-titel">Ihr Kostenrisiko</h2><p>${why}</p><button type="button" class="recht-heute">Nach dem ` +
      `Recht ab 01.06.2025 rechnen</button></section>`;
    container.querySelector(".recht-heute").addEventListener("click", switchLaw);
  }

  function show(state, digits, notes) {
    ways = null;
    if (state.recht === "2013") {
      showWhyNot(`Wer die Kosten trägt, rechnet ZEB nur nach dem Recht ab 2021, in ganzen Cent${state.obsiegen.trim()
        ? ": der Anteil, zu dem Sie gewinnen, und Ihre Rolle bleiben unter dem Recht ab 01.08.2013 ohne Wirkung" : ""}. ` +
        "Der Bericht nach dem Recht ab 01.08.2013 bleibt unter „Übersicht“, „HTML“ und „Text“.");
      return;
    }
    // The labour courts are computed under the law of 2025 alone.
    if (state.gericht === "arbeit" && courtWords(state).length === 0) {
      showWhyNot("Die Kosten vor den Arbeitsgerichten rechnet ZEB nur nach dem Recht ab 01.06.2025, dessen Spalten " +
        "ihre Gebühren von 2021 und 2025 zeigen. Unter „Übersicht“, „HTML“ und „Text“ steht der Bericht für die " +
        "Zivil- und Verwaltungsgerichte nach dem gewählten Recht.");
      return;
    }
    const role = state.rolle;
    const { me, other, toOther, otherRole } = kRoles[role];
    // Who has legal aid, under the law that computes it.
    const aided = aidWords(state).length ? state.pkh.split(",") : [];
    const meAided = aided.includes(role);
    const base = argumentsOf({ ...state, obsiegen: "", rechenweg: "nein" }, digits, false);
    const share = claimantShareWord(state);
    const words = { ...casesOf(role), ...(share ? { share } : {}) };
    // The cases in the order of the table: win, the share, lose.
    const order = ["win", "share", "lose"].filter((c) => words[c]);
    // The user's own appeal against what they lose at the share expected,
    // at its expected success: first instance and appeal alone.
    const appealRun = (withWays) => zeb.figures([...argumentsOf({ ...state, obsiegen: "", rechenweg: "nein",
      verfahren: "alle" }, digits, false), share, ...partyWords(state), ...appealWords(state)], { ways: withWays });
    // By the case's dates the answer reads the first column.
    const byDates = byCaseDates(state.recht);
    const run = (c, withWays) => answeredColumn(c === "appeal" ? appealRun(withWays)
      : zeb.figures([...base, words[c], ...partyWords(state)], { ways: withWays }), byDates);
    const figures = Object.fromEntries(order.map((c) => [c, run(c, false)]));
    const evidence = parseEvidence(state["beweis-" + role]).value;
    const around = (aroundWords(state).words ?? []).length > 0;
    // Before the labour courts no one advances court costs (§ 11 GKG).
    const labour = courtWords(state).length > 0;
    const answer = answerOf(role, figures, !(state.ohne === "beide" || state.ohne === role),
      evidence ? Number(evidence.replace(",", ".")) : 0, !labour);
    // Evidence either side advanced, which the endings leave out.
    const evidenceAdvanced = ["klaeger", "beklagter"].some((side) => parseEvidence(state["beweis-" + side]).value);
    const cache = new Map();
    // The way to a value: the new column's steps of each row it adds up.
    ways = (c, keys) => {
      if (!cache.has(c)) cache.set(c, run(c, true));
      // A row that shows one value has its way in the first column.
      return keys.split(" ").flatMap((key) => {
        const { derivation } = cache.get(c).rows.find((row) => row.key === key);
        return derivation.new ?? derivation.old;
      });
    };

    const won = share ? wonText(parseShare(state.obsiegen).word) : "";
    const caseNames = { win: "Sie gewinnen ganz", share: `Sie gewinnen zu ${won}`, lose: "Sie verlieren ganz" };
    const ifCase = { win: "Gewinnen Sie ganz", share: `Gewinnen Sie zu ${won}`, lose: "Verlieren Sie ganz" };
    const value = (c, v, what) => v.rows.length === 0 ? euros(v.new)
      : `<button type="button" class="wert" data-fall="${c}" data-key="${v.rows.map((row) => row.key).join(" ")}" ` +
      `aria-expanded="false" aria-controls="antwort-weg" aria-label="${euros(v.new)}: Rechenweg, ${escapeHtml(what)}">` +
      `${euros(v.new)}</button>`;
    const after = answeredBy(figures[order[0]], byDates);
    const rows = answer.ways.map((way) => `<tr><th scope="row">${escapeHtml(way.name)}<span class="von">` +
      `Kosten ${way.total.low === way.total.high ? "" : euros(way.total.low) + " bis "}${euros(way.total.high)}</span></th>` +
      order.map((c) => `<td>${value(c, way.values[c], `${way.name}, ${caseNames[c]}`)}</td>`).join("") + "</tr>").join("");
    const advance = answer.advance.map(({ what, value: v }) =>
      `<li>${escapeHtml(kAdvance[what])}: ${value("win", v, kAdvance[what])}</li>`).join("");
    // Who pays whom in the end, in case `c` (`what` names it), the verb
    // first after a clause: a payment to an aided party goes to its lawyer
    // (§ 126 ZPO); an aided party pays the other's lawyer and nothing else;
    // the state refunds a claimant the court costs of an aided defendant.
    const settled = (c, { value: v, receives, refund }, what, verbFirst) => {
      const [pays, gets, none] = verbFirst ? ["zahlen Sie", `zahlt ${other}`, "zahlt keiner dem anderen etwas"]
        : ["Sie zahlen", `${other} zahlt`, "keiner zahlt dem anderen etwas"];
      const amount = value(c, v, "Ausgleich, " + what);
      const toAidedLawyer = `${pays} dem Anwalt ${role === "klaeger" ? "des Beklagten" : "des Klägers"} ${amount} (§\u00a0126 ZPO)`;
      const payment = v.new === 0 ? none
        : receives ? `${gets} ${meAided ? `Ihrem Anwalt ${amount} (§\u00a0126 ZPO)` : `Ihnen ${amount}`}`
          : (aided.includes(otherRole) ? toAidedLawyer : `${pays} ${toOther} ${amount}` +
            (meAided ? " für seinen Anwalt (§\u00a0123 ZPO)" : "")) + (meAided ? ", sonst nichts" : "");
      return payment + (refund ? `; die Staatskasse erstattet Ihnen ${value(c, refund, "Erstattung, " + what)} der ` +
        `Gerichtskosten (§\u00a031 Abs.\u00a03 GKG)` : "");
    };
    const balances = order.filter((c) => answer.balances[c]).map((c) =>
      `<li>${ifCase[c]}, ${settled(c, answer.balances[c], caseNames[c], true)}.</li>`).join("");
    // The early endings: the same in every case, asked of the first.
    const endings = answer.endings.map(({ name, total, value: v, balance }) =>
      `<li>${escapeHtml(name)}: Sie tragen ${value(order[0], v, name)} der Kosten von ${euros(total)}; ` +
      `${settled(order[0], balance, name, false)}.</li>`).join("");
    // Does the user's own appeal pay: where they lose a part at the share
    // expected; not computed with legal aid.
    const lost = share && parseShare(state.obsiegen).word !== undefined && !wholeWin(parseShare(state.obsiegen).word);
    let appeal = "";
    if (lost && aided.length) {
      appeal = `<section class="berufung" aria-labelledby="berufung-titel"><h3 id="berufung-titel">Lohnt sich die ` +
        `Berufung?</h3><p>Mit Prozesskostenhilfe rechnet ZEB die Berufung als Entscheidung nicht.</p></section>`;
    } else if (lost) {
      const a = appealAnswerOf(run("appeal", false));
      const percent = (v) => germanNumber(v.new, 2) + "\u00a0%";
      const way = (v, what, text) => `<button type="button" class="wert" data-fall="appeal" ` +
        `data-key="${v.rows.map((row) => row.key).join(" ")}" aria-expanded="false" aria-controls="antwort-weg" ` +
        `aria-label="${text}: Rechenweg, ${escapeHtml(what)}">${text}</button>`;
      const intro = role === "beklagter" ? "Was Sie insgesamt zahlen, Forderung und Kosten zusammen"
        : "Was Sie insgesamt behalten, Ihre Forderung abzüglich der Kosten";
      const item = (when, v, name) => `<li>${when}: ${way(v, name, euros(v.new))}</li>`;
      const success = parseShare(state.berufung).word;
      appeal = `<section class="berufung" aria-labelledby="berufung-titel"><h3 id="berufung-titel">Lohnt sich die ` +
        `Berufung?</h3><p class="berufung-vorweg">Die Berufung lohnt sich, wenn Sie mit ` +
        `mindestens ${way(a.breakEven, "ab welchem Erfolg sich die Berufung lohnt", percent(a.breakEven))} durchdringen.</p>` +
        `<p>Sie greifen an, was Sie in erster Instanz verlieren: ${way(a.value, "Wert der Berufung", euros(a.value.new))} ` +
        `(Wert der Berufung, §\u00a047 Abs.\u00a01 GKG). ${intro}:</p><ul>` +
        item("Ohne Berufung", a.without, "ohne Berufung") +
        (success ? item(`Dringen Sie zu ${wonText(success)} durch`, a.withAppeal, "mit dem erwarteten Erfolg") : "") +
        item("Scheitert die Berufung", a.fails, "wenn die Berufung scheitert") +
        item("Dringen Sie ganz durch", a.wins, "bei vollem Erfolg") +
        item("Nehmen Sie sie vor ihrer Begründung zurück", a.withdrawn, "nach Rücknahme") +
        `</ul><p>${success ? "" : "Ihren erwarteten Erfolg können Sie eintragen: "}<button type="button" ` +
        `class="berufung-erfolg">${success ? "Erwarteten Erfolg ändern" : "Erfolg der Berufung eingeben"}</button></p>` +
        `<p class="annahmen">Angenommen ist, dass Sie alles angreifen, was Sie verloren haben, und der Gegner keine ` +
        `eigene Berufung einlegt. Ändert das Berufungsgericht das Urteil, trägt jede Partei die Kosten der ersten ` +
        `Instanz nach dem Endergebnis und die der Berufung nach ihrem Erfolg (§§\u00a091, 92 ZPO); scheitert sie, ` +
        `trägt sie, wer sie eingelegt hat (§\u00a097 Abs.\u00a01 ZPO), und nach einer Rücknahme ebenso (§\u00a0516 ` +
        `Abs.\u00a03 ZPO).</p></section>`;
    }
    // With legal aid: what the state pays for the user.
    const assigned = answer.aid ? `<h3>Was die Staatskasse für Sie zahlt</h3><ul><li>Ihren Anwalt in erster ` +
      `Instanz, nach §\u00a049 RVG: ${value("win", answer.aid.lawyer, "Ihr Anwalt aus der Staatskasse")}</li>` +
      `<li>Ihren Anteil an den Gerichtskosten (§\u00a0122 Abs.\u00a01 Nr.\u00a01 a ZPO)</li></ul><p>Vorstrecken müssen Sie ` +
      `nichts. Was der Gegner für Ihren Anwalt erstattet, erhält dieser selbst (§\u00a0126 ZPO): zuerst den Unterschied ` +
      `zu seinen vollen Gebühren, der Rest geht an die Staatskasse (§\u00a059 RVG).</p>` : "";
    container.innerHTML = `<section class="antwort-inhalt" aria-labelledby="antwort-titel">` +
      `<h2 id="antwort-titel">Ihr Kostenrisiko als ${me}</h2>` +
      (labour ? `<p class="arbeit-vorweg">Vor dem Arbeitsgericht trägt in der ersten Instanz jede Seite ihren eigenen ` +
        `Anwalt, auch wer gewinnt (§\u00a012a Abs.\u00a01 ArbGG); ein Vergleich kostet dort keine Gerichtsgebühr ` +
        `(Vorbem.\u00a08 KV GKG). Ab der Berufung erstattet, wer verliert, dem Gegner die Anwaltskosten nach seinem ` +
        `Anteil.</p>` : "") +
      (meAided ? `<p class="pkh-vorweg">Prozesskostenhilfe deckt nicht die Kosten des Gegners: verlieren Sie, ` +
        `erstatten Sie ihm seine Anwaltskosten nach Ihrer Quote wie jeder andere (§\u00a0123 ZPO).</p>` : "") +
      `<table class="antwort-tabelle"><caption>Was Sie am Ende tragen, ${after}</caption><thead><tr><td></td>${order.map((c) => `<th scope="col">${caseNames[c]}</th>`).join("")}</tr></thead>` +
      `<tbody>${rows}</tbody></table><div id="antwort-weg" class="antwort-weg" hidden></div>` +
      (advance || labour ? `<h3>Was Sie vorstrecken</h3>` : "") + (advance ? `<ul>${advance}</ul>` : "") +
      (labour ? `<p>Gerichtskosten streckt vor den Arbeitsgerichten niemand vor (§\u00a011 GKG): jede Seite zahlt ` +
        `am Ende ihren Anteil (§\u00a022 Abs.\u00a02, §\u00a029 Nr.\u00a01 und 2 GKG).</p>` : "") + assigned +
      (role === "beklagter" && !labour ? (aided.includes("klaeger") ? `<p>Die Gerichtskosten streckt niemand vor: der Kläger erhält ` +
        `Prozesskostenhilfe (§\u00a0122 Abs.\u00a01 Nr.\u00a01 a, Abs.\u00a02 ZPO).${meAided ? "" : " Ihren Anteil an ihnen " +
          "zieht die Staatskasse nach dem Urteil von Ihnen ein (§\u00a0125 ZPO); die Tabelle zählt ihn mit."}</p>`
        : `<p>Die Gerichtsgebühr streckt der Kläger vor (§\u00a012 Abs.\u00a01 GKG).</p>`) : "") +
      (balances ? `<h3>Was am Ende ausgeglichen wird, erste Instanz</h3><ul>${balances}</ul>` : "") +
      (endings ? `<h3>Wenn die erste Instanz anders endet</h3><p>Wer dann die Kosten trägt, folgt aus dem Ende, ` +
        `nicht aus dem Anteil, zu dem Sie gewinnen${evidenceAdvanced ? "; jedes Ende nimmt an, dass kein Beweis " +
          "erhoben wurde, Zeugen und Sachverständige sind darin nicht enthalten" : ""}:</p><ul>${endings}</ul>` : "") +
      appeal +
      `<p class="annahmen">Gerechnet wird mit den gesetzlichen Gebühren: was ein Anwalt nach einer ` +
      `Vergütungsvereinbarung darüber hinaus verlangt, erstattet der Gegner nicht. Jede Instanz wird nach ` +
      `demselben Anteil geteilt${endings ? ", die Enden der ersten Instanz nach ihrer Regel" : ""}` +
      `${aided.length ? ", Prozesskostenhilfe ohne Raten in jeder Instanz angenommen (§\u00a0119 Abs.\u00a01 ZPO)" : ""}; ` +
      (around ? `eingerechnet sind Zeugen, Sachverständige und die vorgerichtliche Geschäftsgebühr nur, soweit ` +
        `unter „Weitere Angaben“ genannt, Reisekosten nicht.`
        : `nicht eingerechnet sind etwa Zeugen, Sachverständige und die vorgerichtliche Geschäftsgebühr des Anwalts.`) +
      `${notes ? ` Mehr in den <a href="#antwort-anmerkungen">Anmerkungen</a>.` : ""}</p>` +
      `</section>`;
    if (notes) appendNotesBox(container.firstElementChild, notes);
  }

  container.addEventListener("click", (event) => {
    // The expected success of the appeal is asked under "Weitere Angaben".
    if (event.target.closest?.("button.berufung-erfolg")) {
      document.getElementById("weitere").open = true;
      document.getElementById("berufung").focus();
      return;
    }
    if (openNotesBox(event, container)) return;
    const button = event.target.closest?.("button.wert");
    if (!button || ways === null) return;
    toggleWay(container, button, () => ways(button.dataset.fall, button.dataset.key));
  });

  return {
    show,
    clear() {
      ways = null;
      container.textContent = "";
    },
  };
}
