// The report of a state in the view it chooses: the answer, the figures,
// the chart, the HTML report in its frame, or the text report. Only one
// view is shown; the print copy follows it.
import { aidWords, argumentsOf } from "./address.js";
import { courtWords } from "./court.js";
import { dayWords } from "./laws.js";
import { createAnswerView } from "./answer_view.js";
import { createDivorceView } from "./divorce_view.js";
import { createChart } from "./chart.js";
import { createPrintCopy } from "./exports.js";
import { createFiguresView } from "./figures_view.js";
import { createNotes, followNote, notesOf } from "./notes.js";
import { createReportFrame } from "./report_frame.js";
import { riskPictureHtml } from "./risk_picture.js";
import { wonText } from "./share.js";
import { fromAscii, fromCodePage850 } from "./text.js";

// `page` holds the elements: output, answer, overview, chart, textReport,
// wider, printCopy. `switchLaw()` asks for today's law.
export function createViews(page, zeb, switchLaw) {
  const notesOfLaw = createNotes(zeb);
  const answer = createAnswerView(page.answer, zeb, switchLaw);
  const divorce = createDivorceView(page.answer, zeb);
  const figures = createFiguresView(page.overview, (event) => followNote(event, document, (note) => {
    note.closest("details").open = true;
    const item = note.closest("li");
    item.tabIndex = -1;
    item.scrollIntoView({ block: "center" });
    item.focus({ preventScroll: true });
  }));
  // The chart view: who bears what where a share is given, then the fees.
  const [riskPicture, feeChart] = ["div", "div"].map((tag) => page.chart.appendChild(document.createElement(tag)));
  const chart = createChart(feeChart, zeb, () => page.output.clientWidth);
  const frame = createReportFrame(page.output, page.textReport);
  const printCopy = createPrintCopy(page.printCopy);
  let view = null;

  function show(state, digits) {
    view = state.darstellung;
    page.output.dataset.ansicht = view;
    if (view !== "html") frame.remove();
    page.textReport.hidden = view !== "text";
    page.answer.hidden = view !== "antwort";
    page.wider.hidden = view !== "text" && view !== "html";
    page.overview.hidden = view !== "uebersicht";
    page.chart.hidden = view !== "diagramm";
    if (view === "html") {
      const html = fromAscii(zeb.run(argumentsOf(state, digits, true)).stdout);
      frame.show(html);
      printCopy.show(view, html);
      return;
    }
    printCopy.show(view);
    const words = argumentsOf(state, digits, false);
    const share = words.find((word) => word.startsWith("-O"));
    // A divorce's notes are those of its own report.
    const family = state.gericht === "familie";
    const notes = (risk) => (state.hinweise !== "ja" ? null : family
      ? notesOf(zeb, argumentsOf({ ...state, rechenweg: "nein" }, digits, true))
      : notesOfLaw(state.euro, state.recht, risk, aidWords(state), courtWords(state), dayWords(state).words));
    if (family && view === "antwort") {
      answer.clear();
      divorce.show(state, notes());
    } else if (view === "antwort") {
      divorce.clear();
      answer.show(state, digits, notes(state.recht !== "2013"));
    } else if (view === "text") {
      page.textReport.textContent = fromCodePage850(zeb.run(words).stdout);
    } else if (view === "uebersicht") {
      let withWays = null;
      figures.show(zeb.figures(words, { ways: false }), () => (withWays ??= zeb.figures(words)), notes(share !== undefined));
    } else {
      riskPicture.innerHTML = share ? riskPictureHtml(zeb.figures(words, { ways: false }), wonText(share)) : "";
      chart.show(digits, state.recht);
    }
  }

  function clear() {
    view = null;
    frame.remove();
    figures.clear();
    answer.clear();
    divorce.clear();
    chart.clear();
    riskPicture.textContent = "";
    for (const element of [page.textReport, page.answer, page.overview, page.chart, page.wider]) element.hidden = true;
    page.textReport.textContent = "";
    printCopy.clear();
  }

  return {
    show,
    clear,
    // A chart fits its width: drawn again when the window's width changes.
    fit() {
      if (view === "diagramm") chart.fit();
    },
  };
}
