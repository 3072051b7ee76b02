#!/usr/bin/env python3
"""Puts the web page together as one file: the page, its style sheet, its
script (the page's modules bundled into one), the engine's JavaScript and
the engine's WebAssembly (gzipped, which takes it to some 40 per cent, then
base64; the page unpacks it with the browser's DecompressionStream).

  embed_page.py TEMPLATE STYLE SCRIPT ENGINE_JS ENGINE_WASM VERSION OUTPUT
"""
import base64
import gzip
import sys


def main():
    template, style, script, engine, wasm, version, output = sys.argv[1:]
    text = lambda path: open(path, encoding='utf-8').read()
    pieces = {
        '@STYLE@': text(style).rstrip('\n'),
        '@ENGINE@': text(engine).rstrip('\n'),
        # No time stamp in the gzip header: the same engine gives the same page.
        '@WASM_GZIP_BASE64@': base64.b64encode(
            gzip.compress(open(wasm, 'rb').read(), compresslevel=9, mtime=0)).decode('ascii'),
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
