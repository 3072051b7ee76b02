import { test } from "node:test";
import assert from "node:assert/strict";
import { riskPictureHtml } from "./risk_picture.js";

// Rows by key alone: their labels say nothing the picture may rely on.
const row = (key, old) => ({ key, label: "reworded " + key, old, new: old + 1 });
const figuresOf = (keys) => ({
  columns: ["Kosten bis 31.05.2025", "Kosten ab 01.06.2025"],
  rows: [row("header.amount", 5000), ...keys.map((key, i) => row(key, 100 * (i + 1)))],
});
const names = (html) => Array.from(html.matchAll(/<h3>(.*?)<\/h3>/g), (m) => m[1]);
const parties = (section) => [section + ".claimant_share", section + ".defendant_share"];

test("the picture follows the first instance and each way through the instances, found by key", () => {
  const all = figuresOf([...parties("first_instance"), ...parties("appeal"), ...parties("revision"),
    ...parties("revision_bgh"), "totals.with_appeal", ...["with_appeal", "with_revision", "with_bgh_revision"]
      .flatMap((path) => ["totals.claimant_" + path, "totals.defendant_" + path])]);
  const html = riskPictureHtml(all, "60 %");
  assert.deepEqual(names(html), ["Erste Instanz", "Mit Berufung", "Mit Berufung und Revision",
    "Mit Berufung und Revision vor dem BGH"]);
  assert.match(html, /wenn der Kläger zu 60 % obsiegt/);
  // A section alone has no totals: the picture shows the instances there are.
  assert.deepEqual(names(riskPictureHtml(figuresOf([...parties("revision"), ...parties("revision_bgh")]), "3/4")),
    ["Revision", "Revision vor dem BGH"]);
  assert.equal(riskPictureHtml(figuresOf(["first_instance.court_fees"]), "60 %"), "");
});

test("the first instance's early endings stand beside its judgement, in the order of the report", () => {
  const html = riskPictureHtml(figuresOf([...parties("first_instance"), ...parties("first_instance.default_judgment"),
    ...parties("first_instance.withdrawal"), "totals.claimant_with_appeal", "totals.defendant_with_appeal"]), "60 %");
  assert.deepEqual(names(html), ["Erste Instanz", "Erste Instanz mit Klagerücknahme",
    "Erste Instanz mit Versäumnisurteil", "Mit Berufung"]);
  assert.match(html, /die Enden der ersten Instanz nach ihrer Regel/);
  // Without the first instance, no ending.
  assert.deepEqual(names(riskPictureHtml(figuresOf([...parties("appeal"), ...parties("first_instance.withdrawal")]),
    "60 %")), ["Berufung"]);
});

test("with legal aid the state is a third payer, in each way, the legend and the bars", () => {
  // Parts 100, 200 and the state's 300 (old; new one more each): the widest
  // bar is the first instance's old 600 ... new 603.
  const html = riskPictureHtml(figuresOf([...parties("first_instance"), "first_instance.state_total"]), "60 %");
  assert.match(html, /Kläger 100,00\s€<\/span>, <span class="beklagter">Beklagter 200,00\s€<\/span>, <span class="staat">Staatskasse 300,00\s€/);
  assert.match(html, /<span class="legende-staat">Staatskasse<\/span><\/figcaption>/);
  assert.match(html, /<span class="staat" style="width:49\.75%">/);
  assert.doesNotMatch(riskPictureHtml(figuresOf(parties("first_instance")), "60 %"), /Staatskasse/);
});
