// The engine's WebAssembly and the page's script travel in the page
// gzipped, as text: basE91 (Joachim Henke's), 13 or 14 bits in two
// characters, from the printable ASCII characters but the three that a
// JavaScript string in a script element treats apart (" \ <).

export const kBase91Alphabet = Array.from({ length: 94 }, (_, i) => String.fromCharCode(33 + i))
  .filter((c) => !"\"\\<".includes(c)).join("");

const kDigits = new Map(Array.from(kBase91Alphabet, (c, i) => [c, i]));

// The bytes that `text` holds: each pair of characters a number below
// 91 * 91 of 13 bits (above 88) or 14, the bits in order from the lowest.
export function decodeBase91(text) {
  const bytes = new Uint8Array(Math.ceil((text.length * 14) / 16));
  let out = 0;
  let bits = 0;
  let count = 0;
  for (let i = 0; i + 1 < text.length; i += 2) {
    const value = kDigits.get(text[i]) + kDigits.get(text[i + 1]) * 91;
    bits |= value << count;
    count += (value & 8191) > 88 ? 13 : 14;
    for (; count > 7; count -= 8, bits >>>= 8) bytes[out++] = bits & 255;
  }
  if (text.length % 2) bytes[out++] = (bits | (kDigits.get(text.at(-1)) << count)) & 255;
  return bytes.subarray(0, out);
}

// The bytes that `text` holds in basE91, unpacked from gzip.
export async function unpack(text) {
  const stream = new Blob([decodeBase91(text)]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}
