#!/usr/bin/env python3
"""-stapel against the single command line:  batch_check.py ZEB SCHEMA [COUNT]

COUNT random claims (2000 unless given) of both reforms, with every kind of
word, some refused and some of the report of 2013, in a file with comments,
blank lines, tabs and CR LF: every JSON line validates against SCHEMA, each
figure equals the value of the same key in `zeb <that line> -J` (the way
too, under -W), and each refused line carries the message that the command
line gives. The table (-csv), read back in the German dialect, holds the
same numbers.
"""
import concurrent.futures
import csv
import io
import json
import random
import subprocess
import sys
import tempfile
from decimal import Decimal

import jsonschema


def claim(rng):
    if rng.random() < 0.05:
        # A divorce: no amount, its words.
        return ['-scheidung', rng.choice(['-2025', '-2025', '-2021']),
                '-nettoK%d' % rng.randint(0, 20000), '-nettoB%d,%02d' % (rng.randint(0, 9000), rng.randint(0, 99)),
                *rng.sample(['-anrechte4', '-sorge', '-umgang', '-kinder2', '-vermoegen150000', '-anwaltB',
                             '-ruecknahme', '-pkhK', '-pkhB', '-W', '-O60'], rng.randint(0, 4))]
    law = rng.choice([['-2025']] * 4 + [['-2021']] * 3 + [[]])
    words = [str(rng.choice([rng.randint(1, 9999), rng.randint(1, 2_000_000), rng.randint(1, 40_000_000)]))]
    words += law
    words += rng.choice([[], [], ['-k'], ['-b'], ['-r'], ['-m']])
    if rng.random() < 0.5:
        share = rng.choice([str(rng.randint(0, 100)), '%d,%02d' % (rng.randint(0, 99), rng.randint(0, 99)),
                            '%d/%d' % (rng.randint(0, 3), rng.randint(3, 7))])
        words.append('-O' + share)
        words += rng.sample(['-ohneK', '-ohneB', '-vorsteuerK', '-vorsteuerB'], rng.randint(0, 1))
        if rng.random() < 0.2:
            words += rng.sample(['-berufungK', '-berufungB', '-erfolg50', '-erfolg1/3'], rng.randint(1, 2))
    words += rng.sample(['-V', '-GK', '-GB2,5', '-mahn', '-beweisK1500', '-auftraggeberB3', '-ruecknahme',
                         '-anerkenntnis', '-versaeumnis', '-pkhK', '-pkhB', '-arbeit', '-W', '-h', '-E'],
                        rng.randint(0, 3))
    if rng.random() < 0.03:
        words.insert(rng.randint(1, len(words)), rng.choice(['-Q', '-gk', '-O120', '5.000']))
    return words


def single(zeb, words):
    """`zeb <words> -J` (an HTML document's -h changes no figure); refused, the
    message of `zeb <words>`."""
    figures = [word for word in words if word != '-h']
    result = subprocess.run(['zeb', *figures, '-J'], executable=zeb, capture_output=True)
    if result.returncode != 0:
        result = subprocess.run(['zeb', *words], executable=zeb, capture_output=True)
    return result.returncode, result.stdout, result.stderr


def main():
    zeb, schema_path = sys.argv[1:3]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    rng = random.Random(38)
    claims = [claim(rng) for _ in range(count)]
    # The file: a comment, blank lines, tabs and CR LF among the claims.
    lines, numbers = ['# Forderungen'], []
    for words in claims:
        if rng.random() < 0.05:
            lines.append(rng.choice(['', '   ', '\t# skipped']))
        lines.append(rng.choice([' ', '\t', '  ']).join(words) + rng.choice(['', '\r', ' ']))
        numbers.append(len(lines))
    with tempfile.NamedTemporaryFile('w', suffix='.txt', delete=False, newline='') as file:
        file.write('\n'.join(lines) + '\n')
    batch = subprocess.run(['zeb', '-stapel', file.name], executable=zeb, capture_output=True)
    objects = [json.loads(line, parse_float=Decimal) for line in batch.stdout.decode('utf-8').splitlines()]
    validator = jsonschema.Draft202012Validator(json.load(open(schema_path, encoding='utf-8')))
    for record in objects:
        validator.validate(record)
    assert [record['line'] for record in objects] == numbers

    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        singles = list(pool.map(lambda words: single(zeb, words), claims))
    refused = 0
    for words, record, (status, stdout, stderr) in zip(claims, objects, singles):
        if status != 0:
            assert record == {'line': record['line'], 'status': status,
                              'error': stderr.decode('cp850').rstrip('\n')}, (words, record, stderr)
            refused += 1
            continue
        report = json.loads(stdout, parse_float=Decimal)
        if not any(word in ('-2021', '-2025') for word in words):
            assert record['status'] == 2 and 'Im Stapel' in record['error'], (words, record)
            refused += 1
            continue
        assert record['status'] == 0 and record['amount'] == report['amount'], (words, record)
        assert record['columns'] == report['columns'], words
        expected = {row['key']: [row['old']] + ([row['new']] if row['basis'] else []) for row in report['rows']}
        assert record['figures'] == expected, words
        assert list(record['figures']) == [row['key'] for row in report['rows']], words
        if '-W' in words:
            ways = {row['key']: row['derivation'] for row in report['rows']}
            assert record['ways'] == ways, words
        else:
            assert 'ways' not in record, words
    summary = batch.stderr.decode('cp850')
    assert batch.returncode == (3 if refused else 0), (batch.returncode, summary)
    assert not refused or summary.endswith(f'{count - refused} Forderungen berechnet, {refused} zurückgewiesen.\n'), summary

    # The table: read back as a spreadsheet reads it, the same numbers.
    keys = ['header.amount', 'first_instance.court_fees', 'first_instance.claimant_share', 'totals.with_appeal',
            'aid_refused.claimant_lawyer_costs']
    for words in (['-csv'], ['-csv', ','.join(keys)]):
        table = subprocess.run(['zeb', '-stapel', file.name, *words], executable=zeb, capture_output=True)
        assert table.stdout.startswith(b'\xef\xbb\xbf'), table.stdout[:10]
        rows = list(csv.reader(io.StringIO(table.stdout.decode('utf-8-sig'), newline=''), delimiter=';'))
        header, rows = rows[0], rows[1:]
        columns = [name for name in header[3:-1] if not name.endswith('.new')]
        assert len(words) == 1 or [name.removesuffix('.old') for name in columns] == keys, header
        for record, row in zip(objects, rows, strict=True):
            cells = dict(zip(header, row, strict=True))
            assert int(cells['line']) == record['line'] and int(cells['status']) == record['status']
            if record['status']:
                assert cells['error'] == record['error'] and cells['law'] == ''
                continue
            assert cells['law'] == record['columns'][1][-4:], (cells, record['columns'])
            for name in columns:
                key = name.removesuffix('.old')
                values = record['figures'].get(key, [])
                got = [cells[name]] + ([cells[key + '.new']] if key != 'header.amount' else [])
                want = [str(value).replace('.', ',') for value in values] + [''] * (len(got) - len(values))
                assert got == want, (record['line'], key, got, want)
    print(f'{count} claims: {count - refused} computed equal to -J, {refused} refused with its message; '
          'the table reads back the same')


if __name__ == '__main__':
    main()
