// The engine's WebAssembly travels in the page as text: base 85, four bytes
// in five characters, from an alphabet without the characters that HTML or
// a JavaScript string treat apart (" & ' < > \ ` { }).

export const kBase85Alphabet = Array.from({ length: 94 }, (_, i) => String.fromCharCode(33 + i))
  .filter((c) => !"\"&'<>\\`{}".includes(c)).join("");

const kDigits = new Map(Array.from(kBase85Alphabet, (c, i) => [c, i]));

// The `length` bytes that `text` holds: each five characters a number,
// most significant digit first, written as four bytes, big-endian.
export function decodeBase85(text, length) {
  const bytes = new Uint8Array(Math.ceil(text.length / 5) * 4);
  for (let i = 0, out = 0; i < text.length; i += 5, out += 4) {
    let value = 0;
    for (let k = 0; k < 5; ++k) value = value * 85 + kDigits.get(text[i + k]);
    bytes[out] = value >>> 24;
    bytes[out + 1] = (value >>> 16) & 0xff;
    bytes[out + 2] = (value >>> 8) & 0xff;
    bytes[out + 3] = value & 0xff;
  }
  return bytes.subarray(0, length);
}
