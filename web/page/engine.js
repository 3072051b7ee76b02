// ZEB's engine in the page (WebAssembly) and its JavaScript API, for the
// page, for embedding and for tests:
//   zeb.ready          a Promise that resolves once the engine is loaded
//                      (in zeb.html, window.zeb itself is there a moment
//                      after the page has loaded: the page unpacks its
//                      script first, web/page/start.js)
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

import { unpack } from "./base91.js";

// What the engine may ask of its host (WASI and Emscripten's standalone
// imports): it writes only into memory streams and reads no environment,
// so every file call is answered without a file, and the environment is
// empty.
function hostOf(memory) {
  const view = () => new DataView(memory().buffer);
  return {
    wasi_snapshot_preview1: {
      // Counts what would go to a descriptor as written.
      fd_write(fd, vectors, count, written) {
        let bytes = 0;
        for (let i = 0; i < count; i++) bytes += view().getUint32(vectors + 8 * i + 4, true);
        view().setUint32(written, bytes, true);
        return 0;
      },
      fd_seek: () => 70, // ESPIPE: no descriptor seeks
      fd_close: () => 0,
      fd_fdstat_get: () => 8, // EBADF: no descriptor is open
      environ_sizes_get(count, size) {
        view().setUint32(count, 0, true);
        view().setUint32(size, 0, true);
        return 0;
      },
      environ_get: () => 0,
      proc_exit(status) {
        throw new Error(`zeb: the engine ended with status ${status}`);
      },
    },
    env: { emscripten_notify_memory_growth() {} },
  };
}

// The API of the engine made from its WebAssembly `binary`, gzipped, in
// basE91.
export function connectEngine(binary) {
  let engine = null;
  const ready = unpack(binary)
    .then((wasm) => WebAssembly.instantiate(wasm, hostOf(() => engine.memory)))
    .then(({ instance }) => {
      engine = instance.exports;
      engine._initialize();
    });
  const bytes = () => new Uint8Array(engine.memory.buffer);
  const words32 = () => new Uint32Array(engine.memory.buffer);

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
    const vector = engine.malloc(4 * Math.max(words.length, 1));
    const output = engine.malloc(16); // ZebOutput: two pointers, two sizes
    try {
      words.forEach((word, i) => {
        const encoded = encoder.encode(word);
        const pointer = engine.malloc(encoded.length + 1);
        pointers.push(pointer);
        bytes().set(encoded, pointer);
        bytes()[pointer + encoded.length] = 0;
        words32()[(vector >> 2) + i] = pointer;
      });
      const status = entry(words.length, vector, output);
      const stream = (which) => {
        const start = words32()[(output >> 2) + which];
        const size = words32()[(output >> 2) + 2 + which];
        pointers.push(start);
        return bytes().slice(start, start + size);
      };
      return { status, stdout: stream(0), stderr: stream(1) };
    } finally {
      pointers.forEach((pointer) => engine.free(pointer));
      engine.free(output);
      engine.free(vector);
    }
  }

  function run(words) {
    return call("run", (count, vector, output) => engine.zebRun(count, vector, output), words);
  }

  function figures(words, { ways = true } = {}) {
    const entry = (count, vector, output) => engine.zebFigures(count, vector, ways ? 1 : 0, output);
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
      return engine === null ? 0 : engine.memory.buffer.byteLength;
    },
  });
}
