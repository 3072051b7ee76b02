#!/usr/bin/env python3
"""Checks the HTML report with real components.

  html_check.py validate ZEB   validates each report against the HTML 4.01
                               Transitional DTD with OpenSP's onsgmls
  html_check.py browser ZEB    loads each report into headless Chromium and
                               checks the document object model it built

Each covers the default report, -V, -A, -E and each section switch, and the
reforms, one of them above the cap of the value. Prints 'N passed, N
failed' and exits non-zero on any failure.
"""
import html.parser
import os
import subprocess
import sys
import tempfile

from reference_model import shown_sections

SWITCH_SETS = [[], ['-V'], ['-A'], ['-E'], ['-k'], ['-b'], ['-r'], ['-m'], ['-E', '-V', '-A'],
               ['-2025'], ['-2021', '-E', '-V'], ['-2025', '-W', '-V'], ['-W', '-m'],
               ['-2025', '-O60', '-V', '-W', '-ohneK'],
               ['-2025', '-O60', '-W', '-ruecknahme', '-anerkenntnis', '-versaeumnis']]
AMOUNT = '5000'
# Above the cap of 30 million euros a reform's report has a line on it.
CASES = [(AMOUNT, switches) for switches in SWITCH_SETS] + [('45000000', ['-2025', '-V'])]
CATALOG = '/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc'
# The document type line is prescribed in lower case, which SGML's formal
# public identifiers do not allow; this one complaint is expected.
ALLOWED = 'invalid formal public identifier "-//w3c//dtd html 4.01 Transitional//en"'
VOID = {'br', 'meta', 'link', 'img', 'input', 'hr', 'col', 'base', 'area', 'wbr'}


def report(zeb, amount, switches, directory):
    path = os.path.join(directory, 'report%s%s.html' % (amount, ''.join(switches)))
    with open(path, 'wb') as out:
        subprocess.run([zeb, amount, '-h', *switches], stdout=out, stderr=subprocess.DEVNULL,
                       check=True)
    return path


def validate(path):
    run = subprocess.run(['onsgmls', '-s', '-c', CATALOG, path], capture_output=True, text=True)
    messages = [line for line in run.stderr.splitlines() if line.strip()]
    return [m for m in messages if ALLOWED not in m]


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent, self.children, self.text = tag, dict(attrs), parent, [], ''

    def all(self, tag):
        for child in self.children:
            if child.tag == tag:
                yield child
            yield from child.all(tag)

    def kids(self, tag):
        return [c for c in self.children if c.tag == tag]

    def full_text(self):
        return self.text + ''.join(c.full_text() for c in self.children)


class TreeBuilder(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node('#document', [], None)
        self.current = self.root

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.current)
        self.current.children.append(node)
        if tag not in VOID:
            self.current = node

    def handle_endtag(self, tag):
        node = self.current
        while node is not None and node.tag != tag:
            node = node.parent
        if node is not None and node.parent is not None:
            self.current = node.parent

    def handle_data(self, data):
        self.current.text += data


def dom_of(path, directory):
    profile = tempfile.mkdtemp(dir=directory)
    run = subprocess.run(
        ['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--user-data-dir=' + profile,
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--no-first-run', '--disable-quic', '--dump-dom', 'file://' + path],
        capture_output=True, timeout=120)
    builder = TreeBuilder()
    builder.feed(run.stdout.decode('utf-8'))
    return builder.root


def expected_rows(amount, switches):
    """Column header, base rows and the line of the cap, then every section's
    heading and rows, with a share won (-O) those of who bears the costs;
    under -W each row of values has a row of its way."""
    sections = shown_sections(switches)
    values = 2 if '-W' in switches else 1
    settled = '-V' in switches
    risk = any(w.startswith('-O') for w in switches)
    instance = 1 + 4 * values + (2 + 5 * values if settled else 0)
    instance += (3 + 2 * settled) * values if risk else 0
    rows = 1 + 3 * values + (1 if int(amount) > 30000000 else 0)
    rows += 1 + values if sections['m'] else 0
    rows += instance * (sections['k'] + sections['b'] + 2 * sections['r'])
    rows += 2 * values if risk and sections['k'] else 0  # the first instance's balance
    # The first instance's endings: the judgement's heading, each ending's
    # heading, four rows and those of who bears its costs with its balance.
    endings = sum(w in ('-ruecknahme', '-anerkenntnis', '-versaeumnis') for w in switches)
    if endings and sections['k']:
        rows += (0 if settled else 1) + endings * (1 + 4 * values + (5 * values if risk else 0))
    rows += (1 + (9 if risk else 3) * values) if sections['k'] and sections['b'] and sections['r'] else 0
    return rows


def browser_problems(dom, amount, switches):
    problems = []
    tables = list(dom.all('table'))
    if len(tables) != 1:
        return ['%d tables' % len(tables)]
    rows = list(tables[0].all('tr'))
    if len(rows) != expected_rows(amount, switches):
        problems.append('%d table rows, expected %d' % (len(rows), expected_rows(amount, switches)))
    for number, row in enumerate(rows, 1):
        cells = [c for c in row.children if c.tag in ('td', 'th')]
        width = sum(int(c.attrs.get('colspan', '1')) for c in cells)
        if width != 6:
            problems.append('row %d spans %d columns' % (number, width))

    links = [a for a in tables[0].all('a') if a.attrs.get('href') == '#Mindest']
    shows_payment_order = shown_sections(switches)['m']
    if len(links) != (1 if shows_payment_order else 0):
        problems.append('%d links to #Mindest' % len(links))

    notes = [d for d in dom.all('div') if d.attrs.get('class') == 'anmerkung']
    if '-A' in switches:
        if notes:
            problems.append('notes present under -A')
    elif len(notes) != 1:
        problems.append('%d notes blocks' % len(notes))
    else:
        lists = notes[0].kids('ol')
        items = lists[0].kids('li') if len(lists) == 1 else []
        endings = any(w in ('-ruecknahme', '-anerkenntnis', '-versaeumnis') for w in switches)
        if len(items) != 13 + any(w.startswith('-O') for w in switches) + endings:
            problems.append('%d notes' % len(items))
        else:
            lettered = {}
            for note, letters in ((2, 3), (9, 7)):
                sub = items[note - 1].kids('ol')
                if len(sub) != 1 or len(sub[0].kids('li')) != letters:
                    problems.append('note %d has no list of %d lettered items' % (note, letters))
                elif 'lower-alpha' not in sub[0].attrs.get('style', ''):
                    problems.append('note %d is not lettered' % note)
                else:
                    lettered[note] = sub[0].kids('li')
            targets = [a for a in dom.all('a') if a.attrs.get('name') == 'Mindest']
            note9c = lettered[9][2] if 9 in lettered else None
            if len(targets) != 1 or note9c is None or targets[0] not in note9c.all('a'):
                problems.append('the target "Mindest" is not in note 9 c')

    amounts = [c for c in tables[0].all('td') if 'betrag' in c.attrs.get('class', '').split()]
    currency = '\u20ac' if '-E' in switches else 'Euro'
    wrong = [c.full_text() for c in amounts if not c.full_text().endswith('\u00a0' + currency)]
    if not amounts or wrong:
        problems.append('amount cells without %r: %r' % (currency, wrong[:3]))
    return problems


def main():
    mode, zeb = sys.argv[1], os.path.abspath(sys.argv[2])
    passed = failed = 0
    with tempfile.TemporaryDirectory() as directory:
        # Legal aid's, an appeal's, the labour courts', a divorce's and the
        # case by its dates' rows only against the DTD: the browser's count of
        # rows follows the sections without them.
        aid = [(AMOUNT, ['-2025', '-pkhK', '-pkhB', '-O60', '-V', '-W', '-ruecknahme']),
               (AMOUNT, ['-2025', '-O60', '-berufungB', '-erfolg50', '-V', '-W']),
               (AMOUNT, ['-2025', '-arbeit', '-O60', '-V', '-W', '-GK', '-mahn', '-versaeumnis']),
               ('-scheidung', ['-2025', '-nettoK3000', '-nettoB2000', '-anrechte4', '-sorge',
                               '-anwaltB', '-ruecknahme', '-pkhB', '-W', '-E']),
               (AMOUNT, ['-2025', '-O60', '-berufungB', '-GK', '-mahn', '-anhaengig15.03.2024',
                         '-auftragB20.06.2025', '-berufungAm10.01.2026', '-W'])]
        for amount, switches in CASES + (aid if mode == 'validate' else []):
            path = report(zeb, amount, switches, directory)
            if mode == 'validate':
                problems = validate(path)
            else:
                problems = browser_problems(dom_of(path, directory), amount, switches)
            name = ' '.join([amount, '-h', *switches])
            if problems:
                failed += 1
                print('FAILED %s:\n  %s' % (name, '\n  '.join(problems)))
            else:
                passed += 1
                print('ok %s' % name)
    print('%d passed, %d failed' % (passed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
