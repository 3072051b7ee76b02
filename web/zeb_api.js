// ZEB's engine in the page (WebAssembly, in this file), and its
// JavaScript API, for embedding and for tests:
//   zeb.ready        a Promise that resolves once the engine is loaded
//   zeb.run(words)   runs zeb with the argument vector `words` (strings,
//                    without the program name), as `zeb word ...` on the
//                    command line; returns {status, stdout, stderr}, the
//                    streams as Uint8Array. Every run starts from fresh
//                    settings.
//   zeb.memory       the size of the engine's WebAssembly memory in bytes
"use strict";

const zeb = (() => {
  let engine = null;

  function decodeBase64(text) {
    const characters = atob(text);
    const bytes = new Uint8Array(characters.length);
    for (let i = 0; i < characters.length; ++i) bytes[i] = characters.charCodeAt(i);
    return bytes;
  }

  const ready = createZebEngine({ wasmBinary: decodeBase64(zebEngineBinary) }).then((module) => {
    engine = module;
  });

  function run(words) {
    if (engine === null) throw new Error("zeb.run: the engine is not loaded yet; wait for zeb.ready");
    if (!Array.isArray(words) || !words.every((word) => typeof word === "string")) {
      throw new TypeError("zeb.run takes an array of strings");
    }
    const encoder = new TextEncoder();
    const pointers = [];
    const vector = engine._malloc(4 * Math.max(words.length, 1));
    try {
      words.forEach((word, i) => {
        const bytes = encoder.encode(word);
        const pointer = engine._malloc(bytes.length + 1);
        pointers.push(pointer);
        engine.HEAPU8.set(bytes, pointer);
        engine.HEAPU8[pointer + bytes.length] = 0;
        engine.HEAPU32[(vector >> 2) + i] = pointer;
      });
      const status = engine._zebRun(words.length, vector);
      const stream = (which) => {
        const start = engine._zebOutput(which);
        return engine.HEAPU8.slice(start, start + engine._zebOutputSize(which));
      };
      return { status, stdout: stream(0), stderr: stream(1) };
    } finally {
      pointers.forEach((pointer) => engine._free(pointer));
      engine._free(vector);
    }
  }

  return Object.freeze({
    ready,
    run,
    get memory() {
      return engine === null ? 0 : engine.HEAPU8.length;
    },
  });
})();
window.zeb = zeb;
