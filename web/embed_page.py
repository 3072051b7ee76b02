#!/usr/bin/env python3
"""Puts the web page together as one file: the page, its style sheet, its
script (the page's modules bundled into one) and the engine's WebAssembly
(gzipped by zopfli, which takes it to some 35 per cent, then in base 85,
its length first; web/page/engine.js unpacks it with web/page/base85.js and
the browser's DecompressionStream, and instantiates it).

  embed_page.py ZOPFLI TEMPLATE STYLE SCRIPT ENGINE_WASM VERSION OUTPUT
"""
import subprocess
import sys

# The alphabet of web/page/base85.js: the printable ASCII characters but
# those that HTML or a JavaScript string treat apart.
ALPHABET = ''.join(chr(c) for c in range(33, 127) if chr(c) not in '"&\'<>\\`{}')
assert len(ALPHABET) == 85


def base85(data):
    """Four bytes in five characters, most significant first; the last group
    padded with zeros, which the length given beside it cuts off."""
    data += bytes(-len(data) % 4)
    text = []
    for i in range(0, len(data), 4):
        value = int.from_bytes(data[i:i + 4], 'big')
        digits = []
        for _ in range(5):
            value, digit = divmod(value, 85)
            digits.append(ALPHABET[digit])
        text.extend(reversed(digits))
    return ''.join(text)


def main():
    zopfli, template, style, script, wasm, version, output = sys.argv[1:]
    text = lambda path: open(path, encoding='utf-8').read()
    # zopfli writes no time stamp into the gzip header: the same engine
    # gives the same page.
    packed = subprocess.run([zopfli, '--i15', '-c', wasm], check=True, capture_output=True).stdout
    pieces = {
        '@STYLE@': text(style).rstrip('\n'),
        '@WASM_GZIP_BASE85@': '%d %s' % (len(packed), base85(packed)),
        '@SCRIPT@': text(script).rstrip('\n'),
        '@VERSION@': version,
    }
    page = text(template)
    for placeholder, piece in pieces.items():
        if page.count(placeholder) != 1:
            sys.exit('embed_page: %s must stand once in %s' % (placeholder, template))
        # Inline code must not end its own element early.
        if placeholder != '@VERSION@' and ('</script' in piece.lower() or '</style' in piece.lower()):
            sys.exit('embed_page: %s holds a closing tag' % placeholder)
    for placeholder, piece in pieces.items():
        page = page.replace(placeholder, piece)
    with open(output, 'w', encoding='utf-8', newline='\n') as out:
        out.write(page)


if __name__ == '__main__':
    main()
