#!/usr/bin/env python3
"""The figures as JSON (-J) against their schema and the text report.

  json_check.py ZEB SCHEMA

For a matrix of command lines (the report of 2013 and both reforms, every
section switch, with and without -V, who bears the costs with the parties'
words), `zeb ... -J` and `zeb ... -J -W` must be valid JSON that validates
against SCHEMA, with unique keys, and each row must say what the text report
(`zeb ... -W`) prints: its label, its values, per cents and change, and the
way to its values line for line. No label of the text report is wider than
the narrowest label column. Ends with the number of command lines checked.
"""
import concurrent.futures
import json
import re
import subprocess
import sys

import jsonschema

EDITIONS = [[], ['-2021'], ['-2025']]
AMOUNTS = {'2013': ['5000', '-1000', '16777217', '2147483647'],
           'reform': ['1', '5000', '115000', '30000001']}
SECTIONS = [[], ['-k'], ['-b'], ['-r'], ['-m'], ['-k', '-b']]
SHARES = [[], ['-O60'], ['-O33,33', '-ohneB'], ['-O3/4', '-vorsteuerK', '-ohneK']]
# The label column of the text report is 50 characters wide, one less for
# the totals: no label, with its colon and note mark, may be wider.
NARROWEST_LABEL_COLUMN = 49

ROW = re.compile(r'^(?P<label>\S.*?) +(?P<old>-?\d+\.\d\d) Euro'
                 r'(?:\t= *(?P<oldPercent>-?\d+) % des Streitwertes\t *(?P<new>-?\d+\.\d\d) Euro'
                 r'\t= *(?P<newPercent>-?\d+) % des Streitwertes'
                 r'(?: {4}= (?P<direction>[+-]) +(?P<change>\S+) %)?)?$')


def command_lines():
    lines = []
    for edition in EDITIONS:
        for amount in AMOUNTS['reform' if edition else '2013']:
            for sections in SECTIONS:
                for settlement in ([], ['-V']):
                    for share in SHARES if edition else [[]]:
                        lines.append([amount, *edition, *sections, *settlement, *share])
    return lines


def run(zeb, words):
    result = subprocess.run(['zeb', *words], executable=zeb, capture_output=True)
    assert result.returncode == 0 and result.stderr == b'', (words, result)
    return result.stdout


def text_rows(text):
    """The rows of a text report under -W: [label, values, {'old': steps, 'new': steps}]."""
    table = text.split('\nAnmerkungen:')[0].split('\n')
    table = table[table.index(next(line for line in table if line.startswith('Position'))) + 1:]
    rows = []
    column = None
    for line in table:
        if line.startswith('    Rechenweg'):
            column = 'new' if line.startswith('    Rechenweg ab ') else 'old'
            rows[-1][2][column] = []
        elif line.startswith('        '):
            rows[-1][2][column].append(line[8:])
        elif (match := ROW.match(line)) is not None:
            rows.append([match['label'], {k: v for k, v in match.groupdict().items() if k != 'label'}, {}])
    return rows


def printed(value, places, reform):
    """A JSON number as the text report prints it."""
    return value if reform else '%.*f' % (places, float(value))


def check(zeb, validator, words):
    reform = any(word in ('-2021', '-2025') for word in words)
    plain = run(zeb, words + ['-J'])
    with_ways = run(zeb, words + ['-J', '-W'])
    text = run(zeb, words + ['-W']).decode('cp850')
    documents = []
    for raw in (plain, with_ways):
        assert raw.endswith(b'\n') and raw.count(b'\n') == 1, words
        # Numbers kept as written: a reform's are exact decimals.
        document = json.loads(raw.decode('utf-8'), parse_float=str)
        validator.validate(json.loads(raw))
        documents.append(document)
    figures, ways = documents
    assert [dict(row, derivation=None) for row in ways['rows']] == figures['rows'], words
    keys = [row['key'] for row in figures['rows']] + [heading['key'] for heading in figures['headings']]
    assert len(set(keys)) == len(keys), (words, keys)

    rows = text_rows(text)
    assert len(rows) == len(ways['rows']), words
    for row, (label, values, steps) in zip(ways['rows'], rows):
        where = (' '.join(words), row['key'])
        mark = ' %d)' % row['note'] if row['note'] else ''
        assert label == row['label'] + ':' + mark, (where, label)
        assert len(label) <= NARROWEST_LABEL_COLUMN, (where, label)
        assert values['old'] == printed(row['old'], 2, reform), where
        if row['basis'] == 0:
            assert values['new'] is None and row['derivation']['new'] is None, where
        else:
            assert values['new'] == printed(row['new'], 2, reform), where
            assert [values['oldPercent'], values['newPercent']] == [str(row['oldPercent']), str(row['newPercent'])], where
            change = None if row['change'] is None else printed(row['change'], 1, reform)
            assert [values['direction'], values['change']] == [row['direction'], change], where
        # The text writes each step in code page 850, the euro sign as "Euro".
        for column in ('old', 'new'):
            expected = [step.replace('€', 'Euro').encode('cp850', 'replace').decode('cp850')
                        for step in row['derivation'][column] or []]
            assert steps.get(column, []) == expected, (where, column)


def main():
    zeb, schema_path = sys.argv[1:3]
    with open(schema_path, encoding='utf-8') as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    lines = command_lines()
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        list(pool.map(lambda words: check(zeb, validator, words), lines))
    print('%d command lines: -J valid against the schema, its values those of the text report'
          % len(lines))


if __name__ == '__main__':
    main()
