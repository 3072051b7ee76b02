import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { fileURLToPath } from "node:url";
import { decodeBase91, kBase91Alphabet } from "./base91.js";

test("the page decodes what the build encodes, of every length, and no character ends the string or the script", () => {
  assert.equal(kBase91Alphabet.length, 91);
  assert.doesNotMatch(kBase91Alphabet, /["\\< ]/);
  // Two characters hold 13 bits where their value is above 88, else 14:
  // "!!" is 0 (14 bits), one byte of zeros and six bits to come; "#!" is 1.
  assert.deepEqual(decodeBase91("!!"), new Uint8Array(1));
  assert.deepEqual(decodeBase91("#!"), Uint8Array.of(1));
  const web = fileURLToPath(new URL("..", import.meta.url));
  const script = `import sys\nsys.dont_write_bytecode = True\nsys.path.insert(0, ${JSON.stringify(web)})\nimport embed_page\n` +
    "print(embed_page.base91(bytes.fromhex(sys.stdin.read())))";
  for (const length of [0, 1, 2, 3, 4, 5, 13, 14, 255, 1000]) {
    const bytes = Uint8Array.from({ length }, (_, i) => (i * 151 + 7 * length) % 256);
    if (length > 4) bytes.fill(255, 0, 4);
    if (length > 8) bytes.fill(0, 4, 8);
    const run = spawnSync("python3", ["-c", script], { input: Buffer.from(bytes).toString("hex") });
    assert.equal(run.status, 0, run.stderr.toString());
    assert.deepEqual(decodeBase91(run.stdout.toString().trim()), bytes, `length ${length}`);
  }
});
