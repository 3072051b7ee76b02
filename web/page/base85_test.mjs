import { test } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { fileURLToPath } from "node:url";
import { decodeBase85, kBase85Alphabet } from "./base85.js";

test("the page decodes what the build encodes, of every length, and no character needs escaping", () => {
  assert.equal(kBase85Alphabet.length, 85);
  assert.doesNotMatch(kBase85Alphabet, /["&'<>\\`{} ]/);
  // Four bytes of zeros are five times the first digit; 2^32 - 1 is the
  // greatest number five digits hold below 85^5.
  assert.deepEqual(decodeBase85("!!!!!", 4), new Uint8Array(4));
  const web = fileURLToPath(new URL("..", import.meta.url));
  const script = `import sys\nsys.dont_write_bytecode = True\nsys.path.insert(0, ${JSON.stringify(web)})\nimport embed_page\n` +
    "print(embed_page.base85(bytes.fromhex(sys.stdin.read())))";
  for (const length of [0, 1, 2, 3, 4, 5, 255, 1000]) {
    const bytes = Uint8Array.from({ length }, (_, i) => (i * 151 + 7 * length) % 256);
    if (length > 4) bytes.fill(255, 0, 4);
    const run = spawnSync("python3", ["-c", script], { input: Buffer.from(bytes).toString("hex") });
    assert.equal(run.status, 0, run.stderr.toString());
    assert.deepEqual(decodeBase85(run.stdout.toString().trim(), length), bytes, `length ${length}`);
  }
});
