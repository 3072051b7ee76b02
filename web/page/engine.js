// ZEB's engine in the page (WebAssembly) and its JavaScript API, for the
// page, for embedding and for tests:
//   zeb.ready          a Promise that resolves once the engine is loaded
//   zeb.run(words)     runs zeb with the argument vector `words` (strings,
//                      without the program name), as `zeb word ...` on the
//                      command line; returns {status, stdout, stderr}, the
//                      streams as Uint8Array.
//   zeb.figures(words, {ways})
//                      runs zeb with the same argument vector and returns
//                      the report's figures instead of its bytes:
//                        status    the exit status (1: the usage screen,
//                                  2: a reform's amount refused; no rows)
//                        amount    the amount in dispute the report
//                                  computes with (after the 2013 report's
//                                  reduction to 32 bits, or a reform's cap
//                                  of 30 million), or null
//                        columns   the captions of the two columns
//                                  ["Kosten bis 31.05.2025", "Kosten ab
//                                  01.06.2025"], or null
//                        remarks   lines of the table that are no row (the
//                                  cap of the value), as the text shows them
//                        headings  [{key, level, label, row}]: level 1 a
//                                  section ("appeal"), 2 a variant
//                                  ("appeal.settlement"); row the index of
//                                  the first row after it
//                        rows      [{key, label, note, old, new, basis,
//                                  oldPercent, newPercent, direction,
//                                  change, headings, derivation}], in
//                                  report order: key the row's path
//                                  ("appeal.settlement.court_fees"), which
//                                  stays when its label is reworded; label
//                                  as the text report shows it, without
//                                  colon and note mark;
//                                  note the number of the note it marks, or
//                                  null; old and new the values as printed:
//                                  the single-precision numbers of the
//                                  report of 2013, the cents of a reform
//                                  exactly as decimals; basis the percent
//                                  basis (a Number, exact below 2^53; 0 when
//                                  only the old value is shown, and then
//                                  the four comparison fields are null);
//                                  oldPercent and newPercent whole per cent;
//                                  direction "+" or "-" and change the size
//                                  of the change in per cent, as the report
//                                  prints them ("%c %4.1f"); headings the
//                                  labels of the section and the variant
//                                  it stands under; derivation the way to
//                                  the values, {old: [lines], new: [lines]}
//                                  (new null for a row with one value), or
//                                  null when `ways` is false.
//                      The rows are the text report's: -h and -E change
//                      nothing, and -A has nothing to leave out. `zeb -J`
//                      writes the same document; doc/figures.schema.json
//                      describes it.
//   zeb.memory         the size of the engine's WebAssembly memory in bytes
// Every call starts from a fresh program; nothing of it stays in the
// engine's memory.

import { decodeBase85 } from "./base85.js";

// The bytes that `text` holds, "<length> <base 85>", unpacked from gzip.
async function unpack(text) {
  const [length, digits] = text.split(" ");
  const bytes = decodeBase85(digits, Number(length));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The API of the engine that `createEngine` (Emscripten's factory) makes
// from the WebAssembly `binary`, gzipped, in base 85 after its length.
export function connectEngine(createEngine, binary) {
  let engine = null;
  const ready = unpack(binary).then((wasmBinary) => createEngine({ wasmBinary })).then((module) => {
    engine = module;
  });

  // Calls `entry(count, vector, output)` of the engine with `words` and
  // returns its status and the bytes of both streams, freeing everything it
  // allocated.
  function call(name, entry, words) {
    if (engine === null) throw new Error(`zeb.${name}: the engine is not loaded yet; wait for zeb.ready`);
    if (!Array.isArray(words) || !words.every((word) => typeof word === "string")) {
      throw new TypeError(`zeb.${name} takes an array of strings`);
    }
    const encoder = new TextEncoder();
    const pointers = [];
    const vector = engine._malloc(4 * Math.max(words.length, 1));
    const output = engine._malloc(16); // ZebOutput: two pointers, two sizes
    try {
      words.forEach((word, i) => {
        const bytes = encoder.encode(word);
        const pointer = engine._malloc(bytes.length + 1);
        pointers.push(pointer);
        engine.HEAPU8.set(bytes, pointer);
        engine.HEAPU8[pointer + bytes.length] = 0;
        engine.HEAPU32[(vector >> 2) + i] = pointer;
      });
      const status = entry(words.length, vector, output);
      const stream = (which) => {
        const start = engine.HEAPU32[(output >> 2) + which];
        const size = engine.HEAPU32[(output >> 2) + 2 + which];
        pointers.push(start);
        return engine.HEAPU8.slice(start, start + size);
      };
      return { status, stdout: stream(0), stderr: stream(1) };
    } finally {
      pointers.forEach((pointer) => engine._free(pointer));
      engine._free(output);
      engine._free(vector);
    }
  }

  function run(words) {
    return call("run", (count, vector, output) => engine._zebRun(count, vector, output), words);
  }

  function figures(words, { ways = true } = {}) {
    const entry = (count, vector, output) => engine._zebFigures(count, vector, ways ? 1 : 0, output);
    const json = JSON.parse(new TextDecoder().decode(call("figures", entry, words).stdout));
    const labels = json.headings.map((heading) => heading.label);
    for (const row of json.rows) row.headings = row.headings.map((i) => labels[i]);
    return json;
  }

  return Object.freeze({
    ready,
    run,
    figures,
    get memory() {
      return engine === null ? 0 : engine.HEAPU8.length;
    },
  });
}
