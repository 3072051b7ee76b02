// What zeb.html costs: its size, the time from navigation until zeb.ready
// resolves, the time of zeb.run and zeb.figures, and the median time from
// a change of the form to the report on screen, in each view, in headless
// Chromium.  node benchmark.mjs ZEB_HTML
import { statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { readFileSync } from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch } from "./browsers.mjs";

const file = path.resolve(process.argv[2]);
const url = pathToFileURL(file).href;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const size = statSync(file).size;
console.log("size           %s KB (%s KB gzipped), goal at most 200 KB",
  (size / 1024).toFixed(1), (gzipSync(readFileSync(file)).length / 1024).toFixed(1));

const browser = await launch("chromium");
try {
  // The moment zeb.ready resolves, noted by a hook in place before the
  // page's own scripts run; performance.now() counts from the navigation.
  const ready = [];
  for (let i = 0; i < 11; ++i) {
    const page = await browser.newPage({ width: 1280, height: 900 });
    await page.page.evaluateOnNewDocument(() => {
      let api;
      Object.defineProperty(window, "zeb", {
        configurable: true,
        get: () => api,
        set: (value) => {
          api = value;
          value.ready.then(() => (window.zebReadyAt = performance.now()));
        },
      });
    });
    await page.goto(url);
    await page.waitForFunction(() => window.zebReadyAt !== undefined);
    if (i > 0) ready.push(await page.evaluate(() => window.zebReadyAt)); // the first warms the cache
    await page.close();
  }
  console.log("zeb.ready      %s ms after navigation (median of %d), goal under 150 ms",
    median(ready).toFixed(1), ready.length);

  const page = await browser.newPage({ width: 1280, height: 900 });
  await page.goto(url + "#streitwert=5000");
  await page.ready();
  await page.click("#weitere > summary"); // where the settlement box is
  // The engine alone, for a whole report with settlement: batches of 50
  // calls, as the browser's clock counts in steps of 0.1 ms.
  for (const call of ["run", "figures"]) {
    const times = await page.evaluate((name) => Array.from({ length: 21 }, () => {
      const start = performance.now();
      for (let j = 0; j < 50; ++j) zeb[name](["5000", "-V"]);
      return (performance.now() - start) / 50;
    }), call);
    console.log("zeb.%s%s ms for 5000 -V (median of 21 batches)%s", call.padEnd(10),
      median(times).toFixed(3), call === "figures" ? ", goal under 2 ms" : "");
  }
  // From a change of the form (a real click on the settlement box) to the
  // report on screen: the page's work with the layout, then the frame
  // painted (the first task after the next animation frame), for HTML after
  // the new frame's document has loaded.
  await page.evaluate(() => {
    window.times = [];
    let start = 0;
    window.addEventListener("change", () => (start = performance.now()), true);
    window.addEventListener("change", async () => {
      document.getElementById("ausgabe").offsetHeight; // layout
      const work = performance.now() - start;
      const frame = document.getElementById("ausgabe").dataset.ansicht === "html" && document.getElementById("bericht");
      if (frame) await new Promise((resolve) => frame.addEventListener("load", resolve, { once: true }));
      requestAnimationFrame(() => setTimeout(() => window.times.push([work, performance.now() - start])));
    });
  });
  // The answer under today's law with a share: a change of the role asks
  // the engine for three reports.
  for (const view of ["uebersicht", "diagramm", "text", "html", "antwort"]) {
    if (view === "antwort") await page.goto(url + "#streitwert=5000&recht=2025&obsiegen=60");
    else await page.click("#darstellung-" + view);
    await new Promise((resolve) => setTimeout(resolve, 300));
    await page.evaluate(() => (window.times = []));
    for (let i = 0; i < 51; ++i) {
      await page.click(view !== "antwort" ? "#vergleich" : i % 2 === 0 ? "#rolle-beklagter" : "#rolle-klaeger");
      await page.waitForFunction((n) => window.times.length > n, i);
    }
    const times = await page.evaluate(() => window.times);
    console.log("change         %s ms work, %s ms to the frame painted: %s (median of %d clicks), goal for the figures: one frame, 16.7 ms",
      median(times.map((t) => t[0])).toFixed(1), median(times.map((t) => t[1])).toFixed(1), view, times.length);
  }

  // The floor of the last figure: any srcdoc document is a navigation of
  // its own in the browser, here with one line and nothing of ZEB.
  const floor = await page.evaluate(async () => {
    const frame = document.createElement("iframe");
    document.body.appendChild(frame);
    const times = [];
    for (let i = 0; i < 21; ++i) {
      const loaded = new Promise((resolve) => frame.addEventListener("load", resolve, { once: true }));
      const start = performance.now();
      frame.srcdoc = "<p>" + i + "</p>";
      await loaded;
      await new Promise((resolve) => requestAnimationFrame(() => resolve()));
      times.push(performance.now() - start);
    }
    frame.remove();
    return times;
  });
  console.log("srcdoc floor   %s ms for a one-line srcdoc document to load and paint, in the same browser",
    median(floor).toFixed(2));
} finally {
  await browser.close();
}
