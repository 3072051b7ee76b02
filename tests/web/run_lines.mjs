// Runs argument vectors through zeb.run in one zeb.html page in Chromium:
//   node run_lines.mjs ZEB_HTML < vectors.json > results.json
// vectors.json is a JSON array of arrays of strings; each result is
// {status, stdout, stderr} with the streams in base64.
import path from "node:path";
import { pathToFileURL } from "node:url";
import { launch } from "./browsers.mjs";

const input = [];
for await (const chunk of process.stdin) input.push(chunk);
const vectors = JSON.parse(Buffer.concat(input).toString("utf8"));
const browser = await launch("chromium");
try {
  const page = await browser.newPage({ width: 1280, height: 900 });
  await page.goto(pathToFileURL(path.resolve(process.argv[2])).href);
  await page.ready();
  const results = [];
  for (let start = 0; start < vectors.length; start += 250) {
    const chunk = vectors.slice(start, start + 250);
    results.push(...(await page.evaluate((words) => {
      const base64 = (bytes) => {
        let text = "";
        for (let i = 0; i < bytes.length; i += 8192) {
          text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
        }
        return btoa(text);
      };
      return words.map((w) => {
        const run = zeb.run(w);
        return { status: run.status, stdout: base64(run.stdout), stderr: base64(run.stderr) };
      });
    }, chunk)));
  }
  process.stdout.write(JSON.stringify(results));
} finally {
  await browser.close();
}
