#!/usr/bin/env python3
"""Puts the web page together as one file: the page, its style sheet, its
script (the page's modules bundled into one) and the engine's WebAssembly,
both gzipped by zopfli (which takes them to some 35 per cent), then in
basE91, and the small script that starts the page as it is
(web/page/start.js: it unpacks the page's script with web/page/base91.js
and the browser's DecompressionStream and runs it; web/page/engine.js
unpacks the engine the same way and instantiates it).

  embed_page.py ZOPFLI TEMPLATE STYLE SCRIPT START ENGINE_WASM VERSION OUTPUT
"""
import re
import subprocess
import sys

# The alphabet of web/page/base91.js: the printable ASCII characters but
# those that end a JavaScript string or begin a closing tag in a script.
ALPHABET = ''.join(chr(c) for c in range(33, 127) if chr(c) not in '"\\<')
assert len(ALPHABET) == 91


def base91(data):
    """basE91: 13 bits in two characters where their value is above 88, else
    14, the bits in order from the lowest; the last one or two characters
    hold what is left."""
    bits = count = 0
    text = []
    for byte in data:
        bits |= byte << count
        count += 8
        if count > 13:
            value = bits & 8191
            if value > 88:
                bits >>= 13
                count -= 13
            else:
                value = bits & 16383
                bits >>= 14
                count -= 14
            text += [ALPHABET[value % 91], ALPHABET[value // 91]]
    if count:
        text.append(ALPHABET[bits % 91])
        if count > 7 or bits > 90:
            text.append(ALPHABET[bits // 91])
    return ''.join(text)


def minified_css(css):
    """The style sheet without its comments and the blanks around its
    punctuation: the same rules in fewer bytes."""
    css = re.sub(r'/\*.*?\*/', '', css, flags=re.S)
    css = re.sub(r'\s+', ' ', css)
    css = re.sub(r' ?([{};,>]) ?', r'\1', css)
    css = re.sub(r': ', ':', css)
    return css.replace(';}', '}').strip()


def minified_html(html):
    """The page without its comments and the indentation of its lines, which
    HTML collapses anyway: it has no preformatted text with lines."""
    assert not re.search(r'<(pre|textarea)[^>]*>[^<]*\n', html), 'preformatted text keeps its blanks'
    html = re.sub(r'<!--.*?-->\n?', '', html, flags=re.S)
    return re.sub(r'\n[ \t]+', '\n', html)


def main():
    zopfli, template, style, script, start, wasm, version, output = sys.argv[1:]
    text = lambda path: open(path, encoding='utf-8').read()
    # zopfli writes no time stamp into the gzip header: the same engine
    # and script give the same page.
    packed = lambda path: subprocess.run([zopfli, '--i15', '-c', path], check=True, capture_output=True).stdout
    pieces = {
        '@STYLE@': minified_css(text(style)),
        '@WASM_GZIP_BASE91@': base91(packed(wasm)),
        '@SCRIPT_GZIP_BASE91@': base91(packed(script)),
        '@START@': text(start).rstrip('\n'),
        '@VERSION@': version,
    }
    page = minified_html(text(template))
    for placeholder, piece in pieces.items():
        if page.count(placeholder) != 1:
            sys.exit('embed_page: %s must stand once in %s' % (placeholder, template))
        # Inline code must not end its own element early.
        if placeholder in ('@STYLE@', '@START@') and ('</script' in piece.lower() or '</style' in piece.lower()):
            sys.exit('embed_page: %s holds a closing tag' % placeholder)
    for placeholder, piece in pieces.items():
        page = page.replace(placeholder, piece)
    with open(output, 'w', encoding='utf-8', newline='\n') as out:
        out.write(page)


if __name__ == '__main__':
    main()
