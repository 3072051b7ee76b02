// What zeb.html costs: its size, the time from navigation until zeb.ready
// resolves, the time of zeb.run and zeb.figures, and the median time from
// "Berechnen" to the report on screen, in headless Chromium.  node benchmark.mjs ZEB_HTML
import { statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { readFileSync } from "node:fs";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launchChromium } from "./chromium.mjs";

const file = path.resolve(process.argv[2]);
const url = pathToFileURL(file).href;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const size = statSync(file).size;
console.log("size           %s KB (%s KB gzipped), goal at most 200 KB",
  (size / 1024).toFixed(1), (gzipSync(readFileSync(file)).length / 1024).toFixed(1));

const browser = await launchChromium();
try {
  // The moment zeb.ready resolves, noted by a hook in place before the
  // page's own scripts run; performance.now() counts from the navigation.
  const ready = [];
  for (let i = 0; i < 11; ++i) {
    const page = await browser.newPage();
    await page.addInitScript(() => {
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

  const page = await browser.newPage();
  await page.setViewportSize({ width: 1280, height: 900 });
  await page.goto(url);
  await page.evaluate(() => zeb.ready);
  // The engine alone, for a whole report with settlement: batches of 50
  // calls, as the browser's clock counts in steps of 0.1 ms.
  for (const call of ["run", "figures"]) {
    const times = await page.evaluate((name) => Array.from({ length: 21 }, () => {
      const start = performance.now();
      for (let j = 0; j < 50; ++j) zeb[name](["5000", "-V"]);
      return (performance.now() - start) / 50;
    }), call);
    console.log("zeb.%s%s ms for 5000 -V (median of 21 batches)%s", call.padEnd(10),
      median(times).toFixed(3), call === "figures" ? ", goal under 0.5 ms" : "");
  }
  // From the click to the report on screen: for HTML, the frame's load
  // and the next frame painted; for text, the report laid out, and the next
  // frame painted.
  const results = await page.evaluate(async () => {
    const input = document.getElementById("streitwert");
    const button = document.getElementById("berechnen");
    const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => resolve()));
    const times = { html: [], textLaidOut: [], textPainted: [] };
    for (const rendering of ["text", "html"]) {
      document.getElementById("darstellung-" + rendering).checked = true;
      for (let i = 0; i < 101; ++i) {
        input.value = String(5000 + i);
        const start = performance.now();
        button.click();
        await Promise.resolve();
        if (rendering === "html") {
          const frame = document.getElementById("bericht");
          await new Promise((resolve) => frame.addEventListener("load", resolve, { once: true }));
          await nextFrame();
          times.html.push(performance.now() - start);
        } else {
          document.getElementById("textbericht").offsetHeight; // layout
          times.textLaidOut.push(performance.now() - start);
          await nextFrame();
          times.textPainted.push(performance.now() - start);
        }
      }
    }
    return times;
  });
  const line = (values, what) =>
    console.log("Berechnen      %s ms %s (median of %d), goal under 5 ms", median(values).toFixed(2), what, values.length);
  line(results.textLaidOut, "to the text report laid out");
  line(results.textPainted, "to the text report in the next frame painted");
  line(results.html, "to the HTML report loaded in its frame and painted");

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
