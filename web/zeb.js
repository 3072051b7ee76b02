// The page: a form in front of the engine (zeb_api.js), the report in the
// rendering chosen, and the form's state in the address.
"use strict";

// Code page 850, the bytes 0x80 to 0xFF: the text report's character set.
const kCodePage850 =
  "ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜø£Ø×ƒáíóúñÑªº¿®¬½¼¡«»░▒▓│┤ÁÂÀ©╣║╗╝¢¥┐" +
  "└┴┬├─┼ãÃ╚╔╩╦╠═╬¤ðÐÊËÈıÍÎÏ┘┌█▄¦Ì▀ÓßÔÒõÕµþÞÚÛÙýÝ¯´\u00ad±‗¾¶§÷¸°¨·¹³²■\u00a0";

const kCodePage850Characters = Array.from({ length: 256 }, (_, byte) =>
  byte < 0x80 ? String.fromCharCode(byte) : kCodePage850[byte - 0x80]);

function fromCodePage850(bytes) {
  const characters = new Array(bytes.length);
  for (let i = 0; i < bytes.length; ++i) characters[i] = kCodePage850Characters[bytes[i]];
  return characters.join("");
}

// The HTML report is plain ASCII.
function fromAscii(bytes) {
  let text = "";
  for (let i = 0; i < bytes.length; i += 8192) {
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  }
  return text;
}

const kLargestAmount = 2147483647;

// The amount as a German writes it: whole euros, thousands grouped by "."
// or a blank, an optional "€", "EUR" or "Euro" before or after, a cent part
// of zero (",00", ",-"). Returns {digits} (no leading zeros) or {error}.
function parseAmount(input) {
  let text = input.replace(/[\u00a0\u202f\u2009]/g, " ").trim();
  if (text === "") return { error: "Bitte geben Sie einen Streitwert ein." };
  text = text.replace(/^(?:€|eur|euro)\s*/i, "").replace(/\s*(?:€|eur|euro)$/i, "");
  const number = /^([+\-\u2212]?)\s*(\d{1,3}(?:\.\d{3})+|\d{1,3}(?: \d{3})+|\d+)(?:,(\d{1,2}|-{1,2}))?$/.exec(text);
  if (number === null) {
    if (/[^\d\s.,+\-\u2212€]/.test(text)) {
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
  if (digits.length > 10 || Number(digits) > kLargestAmount) {
    return { error: "Der Streitwert darf höchstens 2.147.483.647 Euro betragen." };
  }
  return { digits };
}

// The form's state and the address fragment, both ways. Missing or unknown
// values take the defaults.
const kProceedings = { alle: null, klage: "-k", berufung: "-b", revision: "-r", mahnverfahren: "-m" };
const kDefaults = { verfahren: "alle", vergleich: "nein", hinweise: "ja", euro: "wort", darstellung: "html" };
const kChoices = {
  verfahren: Object.keys(kProceedings),
  vergleich: ["ja", "nein"],
  hinweise: ["ja", "nein"],
  euro: ["zeichen", "wort"],
  darstellung: ["html", "text"],
};

const page = {
  form: document.getElementById("formular"),
  amount: document.getElementById("streitwert"),
  amountError: document.getElementById("streitwert-fehler"),
  proceedings: document.getElementById("verfahren"),
  settlement: document.getElementById("vergleich"),
  notes: document.getElementById("hinweise"),
  euroSign: document.getElementById("euro"),
  html: document.getElementById("darstellung-html"),
  text: document.getElementById("darstellung-text"),
  save: document.getElementById("speichern"),
  print: document.getElementById("drucken"),
  output: document.getElementById("ausgabe"),
  frame: null, // the HTML report's frame, made for the first HTML report
  textReport: document.getElementById("textbericht"),
};

// A frame costs a browser a document of its own: the page makes it only
// when it has an HTML report to show.
function reportFrame() {
  if (page.frame === null) {
    const frame = document.createElement("iframe");
    frame.id = "bericht";
    frame.title = "Bericht";
    frame.hidden = true;
    // As tall as the report, so that the page scrolls and not a box in it;
    // wide tables still scroll sideways.
    frame.addEventListener("load", () => {
      const report = frame.contentDocument;
      if (report && report.documentElement) {
        frame.style.height = report.documentElement.scrollHeight + 24 + "px";
      }
    });
    page.output.insertBefore(frame, page.textReport);
    page.frame = frame;
  }
  return page.frame;
}

function hideFrame() {
  if (page.frame !== null) {
    page.frame.hidden = true;
    page.frame.removeAttribute("srcdoc");
  }
}

function stateFromForm() {
  return {
    streitwert: page.amount.value,
    verfahren: page.proceedings.value,
    vergleich: page.settlement.checked ? "ja" : "nein",
    hinweise: page.notes.checked ? "ja" : "nein",
    euro: page.euroSign.checked ? "zeichen" : "wort",
    darstellung: page.text.checked ? "text" : "html",
  };
}

function showInForm(state) {
  page.amount.value = state.streitwert;
  page.proceedings.value = state.verfahren;
  page.settlement.checked = state.vergleich === "ja";
  page.notes.checked = state.hinweise === "ja";
  page.euroSign.checked = state.euro === "zeichen";
  page.html.checked = state.darstellung === "html";
  page.text.checked = state.darstellung === "text";
}

function stateFromFragment(fragment) {
  const values = new URLSearchParams(fragment.replace(/^#/, ""));
  const state = { streitwert: values.get("streitwert") ?? "" };
  for (const [key, choices] of Object.entries(kChoices)) {
    const value = values.get(key);
    state[key] = choices.includes(value) ? value : kDefaults[key];
  }
  return state;
}

function fragmentOf(state, digits) {
  const values = new URLSearchParams({ streitwert: digits });
  for (const key of Object.keys(kChoices)) values.set(key, state[key]);
  return "#" + values.toString();
}

// The argument vector: the plain digits, then the chosen switches.
function argumentsOf(state, digits, html) {
  const words = [digits];
  if (kProceedings[state.verfahren]) words.push(kProceedings[state.verfahren]);
  if (state.vergleich === "ja") words.push("-V");
  if (state.hinweise === "nein") words.push("-A");
  if (state.euro === "zeichen") words.push("-E");
  if (html) words.push("-h");
  return words;
}

function showError(message) {
  page.amountError.textContent = message;
  page.amount.setAttribute("aria-invalid", "true");
  clearReport();
}

function clearError() {
  page.amountError.textContent = "";
  page.amount.removeAttribute("aria-invalid");
}

let current = null; // the report on screen: {state, digits}
let shownFragment = null; // the address whose report is on screen

function clearReport() {
  current = null;
  hideFrame();
  page.textReport.hidden = true;
  page.textReport.textContent = "";
  page.save.disabled = true;
  page.print.disabled = true;
}

// Shows the report of `state`, or the message for its amount. Returns the
// amount's digits, or null.
function render(state) {
  const amount = parseAmount(state.streitwert);
  if (amount.error) {
    showError(amount.error);
    return null;
  }
  clearError();
  const html = state.darstellung === "html";
  const result = zeb.run(argumentsOf(state, amount.digits, html));
  if (html) {
    page.textReport.hidden = true;
    page.textReport.textContent = "";
    const frame = reportFrame();
    frame.srcdoc = fromAscii(result.stdout);
    frame.hidden = false;
  } else {
    hideFrame();
    page.textReport.textContent = fromCodePage850(result.stdout);
    page.textReport.hidden = false;
  }
  current = { state, digits: amount.digits };
  page.save.disabled = false;
  page.print.disabled = false;
  return amount.digits;
}

// The report of the address, unless it is on screen already.
function showFragment() {
  if (shownFragment === location.hash) return;
  shownFragment = location.hash;
  const state = stateFromFragment(location.hash);
  showInForm(state);
  if (state.streitwert === "") {
    clearError();
    clearReport();
  } else {
    render(state);
  }
}

page.form.addEventListener("submit", (event) => {
  event.preventDefault();
  const state = stateFromForm();
  const amount = parseAmount(state.streitwert);
  if (amount.error) {
    showError(amount.error);
    page.amount.focus();
    return;
  }
  // The report at once (the engine loads in a fraction of a second after
  // the page); the address as a new history entry, so that a bookmark keeps
  // it and the back button returns to the last one.
  // The history costs a round trip to the browser: it follows the report.
  const fragment = fragmentOf(state, amount.digits);
  zeb.ready.then(() => {
    render(stateFromFragment(fragment));
    shownFragment = fragment;
    setTimeout(() => {
      if (fragment !== location.hash) history.pushState(null, "", fragment);
    });
  });
});

page.save.addEventListener("click", () => {
  if (current === null) return;
  const bytes = zeb.run(argumentsOf(current.state, current.digits, true)).stdout;
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], { type: "text/html" }));
  link.download = "zeb-" + current.digits + ".html";
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
});

page.print.addEventListener("click", () => {
  if (current === null) return;
  if (current.state.darstellung === "html") {
    page.frame.contentWindow.print();
  } else {
    window.print();
  }
});

zeb.ready.then(
  () => {
    // Back, forward, or an address typed or followed.
    window.addEventListener("popstate", showFragment);
    window.addEventListener("hashchange", showFragment);
    showFragment();
  },
  (error) => showError("Der Rechenkern ließ sich nicht laden: " + error)
);
