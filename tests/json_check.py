#!/usr/bin/env python3
"""-J against its schema and the text report:  json_check.py ZEB SCHEMA

For the report of 2013 and both reforms, every section switch, with and
without -V, who bears the costs with the parties' words, and the case
around the lawsuit: `zeb ... -J` and `-J -W` validate against SCHEMA with
unique keys, and each row says what `zeb ... -W` prints: label, values,
per cents, change and way. No text label is wider than the narrowest
label column (49, the totals'). Over random command lines of the case
around the lawsuit the totals are the sum of the parties' parts; with
every day of the case in one edition the column by the days is that
edition's column.
"""
import concurrent.futures
import datetime
import json
import random
import re
import subprocess
import sys

import jsonschema

ROW = re.compile(r'^(?P<label>\S.*?) +(?P<old>-?\d+\.\d\d) Euro'
                 r'(?:\t= *(?P<oldPercent>-?\d+) % des (?:Streit|Verfahrens)wertes\t *(?P<new>-?\d+\.\d\d) Euro'
                 r'\t= *(?P<newPercent>-?\d+) % des (?:Streit|Verfahrens)wertes'
                 r'(?: {4}= (?P<direction>[+-]) +(?P<change>\S+) %)?)?$')
# A row of per cents: both columns, no per cents of the amount.
PERCENT_ROW = re.compile(r'^(?P<label>\S.*?) +(?P<old>\d+\.\d\d) %\t{5} *(?P<new>\d+\.\d\d) %$')


def command_lines():
    sections = [[], ['-k'], ['-b'], ['-r'], ['-m'], ['-k', '-b']]
    shares = [[], ['-O60'], ['-O33,33', '-ohneB'], ['-O3/4', '-vorsteuerK', '-ohneK'],
              # Around the lawsuit.
              ['-GK', '-mahn', '-beweisB1500', '-O60', '-vorsteuerB'],
              ['-GB2,5', '-auftraggeberK3', '-auftraggeberB2', '-beweisK0,50'],
              # How the first instance ends.
              ['-ruecknahme', '-anerkenntnis', '-versaeumnis', '-O1/3'],
              ['-versaeumnis', '-GK', '-mahn', '-O60', '-ohneK']]
    lines = []
    for edition in ([], ['-2021'], ['-2025']):
        amounts = ['1', '5000', '115000', '30000001'] if edition else ['5000', '-1000', '16777217', '2147483647']
        for amount in amounts:
            for section in sections:
                for settlement in ([], ['-V']):
                    for share in shares if edition else [[]]:
                        lines.append([amount, *edition, *section, *settlement, *share])
    return lines


def appeal_lines():
    """An appeal taken as a decision: either appellant, its success as a per
    cent, a fraction or none, with the settlement and the case around the
    lawsuit."""
    lines = []
    for edition in ('-2021', '-2025'):
        for amount in ('1', '777', '10000', '30000001'):
            for words in (['-O60', '-berufungB', '-erfolg50'], ['-O1/3', '-berufungK', '-erfolg2/7'],
                          ['-O33,33', '-berufungK', '-V', '-GK', '-mahn', '-vorsteuerB'],
                          ['-O99,99', '-berufungB', '-erfolg12,5', '-ruecknahme', '-ohneK']):
                lines.append([amount, edition, *words])
    return lines


def run(zeb, words):
    result = subprocess.run(['zeb', *words], executable=zeb, capture_output=True)
    assert result.returncode == 0 and result.stderr == b'', (words, result)
    return result.stdout


def text_rows(text):
    """The rows of a text report under -W: (label, values, {column: steps})."""
    lines = text.split('\nAnmerkungen:')[0].split('\n')
    rows, column = [], None
    for line in lines[next(i for i, line in enumerate(lines) if line.startswith('Position')) + 1:]:
        if line.startswith('    Rechenweg'):
            column = 'new' if line.startswith('    Rechenweg ab ') else 'old'
            rows[-1][2][column] = []
        elif line.startswith('        '):
            rows[-1][2][column].append(line[8:])
        elif (match := ROW.match(line)) is not None:
            rows.append((match['label'], match.groupdict(), {}))
        elif (match := PERCENT_ROW.match(line)) is not None:
            rows.append((match['label'], dict(match.groupdict(), perCent=True, oldPercent=None,
                                              newPercent=None, direction=None, change=None), {}))
    return rows


def check(zeb, validator, words):
    # A reform's numbers are exact decimals: kept as written.
    reform = any(word in ('-2021', '-2025') for word in words)
    printed = (lambda value, places: value) if reform else (lambda value, places: '%.*f' % (places, float(value)))
    documents = []
    for ways in ([], ['-W']):
        raw = run(zeb, words + ['-J', *ways])
        assert raw.endswith(b'\n') and raw.count(b'\n') == 1, words
        validator.validate(json.loads(raw))
        documents.append(json.loads(raw.decode('utf-8'), parse_float=str))
    figures, with_ways = documents
    assert [dict(row, derivation=None) for row in with_ways['rows']] == figures['rows'], words
    keys = [item['key'] for item in figures['rows'] + figures['headings']]
    assert len(set(keys)) == len(keys), (words, keys)
    rows = text_rows(run(zeb, words + ['-W']).decode('cp850'))
    assert len(rows) == len(with_ways['rows']), words
    for row, (label, values, steps) in zip(with_ways['rows'], rows):
        where = (' '.join(words), row['key'])
        assert label == row['label'] + ':' + (' %d)' % row['note'] if row['note'] else ''), (where, label)
        assert len(label) <= 49, (where, label)
        expected = {'old': printed(row['old'], 2), 'new': None, 'oldPercent': None, 'newPercent': None,
                    'direction': None, 'change': None}
        if values.pop('perCent', False):
            expected.update(new=printed(row['new'], 2))
        elif row['basis'] != 0:
            expected.update(new=printed(row['new'], 2), oldPercent=str(row['oldPercent']),
                            newPercent=str(row['newPercent']), direction=row['direction'],
                            change=None if row['change'] is None else printed(row['change'], 1))
        assert dict(values, label=None) == dict(expected, label=None), where
        # The text writes each step in code page 850, the euro sign as "Euro".
        for column in ('old', 'new'):
            expected = [step.replace('€', 'Euro').encode('cp850', 'replace').decode('cp850')
                        for step in row['derivation'][column] or []]
            assert steps.get(column, []) == expected, (where, column)


def around_lines(count=200, seed=20261210):
    """Random command lines with a share and words of the case around the
    lawsuit, the whole report or its first instance alone."""
    generator = random.Random(seed)
    pick = lambda *words: [w for w in words if generator.randrange(3) == 0]
    lines = []
    for _ in range(count):
        words = [str(generator.randrange(1, 10 ** generator.randrange(3, 9))),
                 generator.choice(['-2021', '-2025']),
                 generator.choice(['-O60', '-O0', '-O100', '-O1/3', '-O33,33', '-O99,99']), '-beweisK1']
        for side in 'KB':
            words += pick('-G' + side + generator.choice(['', '0,5', '2,5']), '-auftraggeber%s%d' % (
                side, generator.choice([2, 8, 9])), '-beweis%s%d' % (side, generator.randrange(10 ** 5)),
                '-ohne' + side, '-vorsteuer' + side)
            # No clients of a party without a lawyer in the report.
            if '-ohne' + side in words and not any(w.startswith('-G' + side) for w in words):
                words = [w for w in words if not w.startswith('-auftraggeber' + side)]
        words += pick('-mahn', '-V', '-ruecknahme', '-anerkenntnis', '-versaeumnis', '-k')
        # Each word says its value once.
        if sum(word.startswith('-beweisK') for word in words) > 1:
            words.remove('-beweisK1')
        lines.append(words)
    return lines


def cents(value):
    return round(float(value) * 100)


def check_sums(zeb, words):
    """The totals are the sum of the parties' parts, and what each party bears
    in all of a variant of the first instance is all its costs and those
    before it (without input tax, where no party deducts it)."""
    figures = json.loads(run(zeb, words + ['-J']), parse_float=str)
    rows = {row['key']: row for row in figures['rows']}
    value = lambda key, column: cents(rows[key][column]) if key in rows else 0
    for column in ('old', 'new'):
        for path in ('with_appeal', 'with_revision', 'with_bgh_revision'):
            if 'totals.' + path in rows:
                assert (value('totals.claimant_' + path, column) + value('totals.defendant_' + path, column)
                        == value('totals.' + path, column)), (words, path, column)
        if any(w.startswith('-vorsteuer') for w in words):
            continue
        # The payment order's section, where the lawsuit follows one.
        before = sum(value(key, column) for key in rows
                     if key.startswith(('pre_trial.', 'payment_order.' if '-mahn' in words else 'pre_trial.')))
        for variant in ('', 'settlement.', 'withdrawal.', 'acknowledgement.', 'default_judgment.'):
            prefix = 'first_instance.' + variant
            if prefix + 'claimant_total' not in rows:
                continue
            own = sum(value(prefix + key, column) for key in
                      ('court_fees', 'evidence', 'claimant_lawyer_costs', 'defendant_lawyer_costs'))
            assert (value(prefix + 'claimant_total', column) + value(prefix + 'defendant_total', column)
                    == before + own), (words, variant, column)


def aid_lines(count=120, seed=20261211):
    """Random command lines with legal aid for either side or both, a share,
    every section and variant."""
    generator = random.Random(seed)
    lines = []
    for _ in range(count):
        aided = generator.choice([['-pkhK'], ['-pkhB'], ['-pkhK', '-pkhB']])
        words = [str(generator.randrange(1, 10 ** generator.randrange(3, 9))), '-2025', *aided,
                 generator.choice(['-O60', '-O0', '-O100', '-O1/3', '-O99,99'])]
        for side in 'KB':
            if '-pkh' + side not in aided and generator.randrange(3) == 0:
                words.append(generator.choice(['-G' + side, '-ohne' + side]))
            if generator.randrange(4) == 0:
                words.append('-auftraggeber%s%d' % (side, generator.choice([2, 9])))
        words += [w for w in ('-V', '-ruecknahme', '-anerkenntnis', '-versaeumnis')
                  if generator.randrange(2) == 0]
        lines.append(words)
    return lines


def check_aid_sums(zeb, words):
    """Under legal aid, in every block: what the claimant, the defendant and
    the state bear together is the court costs and what each lawyer
    receives (an aided party's lawyer his row, another lawyer his bills),
    and the totals are the sum of the three parts."""
    figures = json.loads(run(zeb, words + ['-J']), parse_float=str)
    rows = {row['key']: row for row in figures['rows']}
    value = lambda key, column: cents(rows[key][column]) if key in rows else 0
    aided = ('-pkhK' in words, '-pkhB' in words)
    blocks = {key[:-len('state_total')] for key in rows if key.endswith('.state_total')}
    assert blocks, words
    for column in ('old', 'new'):
        for path in ('with_appeal', 'with_revision', 'with_bgh_revision'):
            if 'totals.' + path in rows:
                assert sum(value('totals.%s_%s' % (who, path), column)
                           for who in ('claimant', 'defendant', 'state')) == value('totals.' + path, column), (
                    words, path, column)
        for prefix in blocks:
            first = prefix.startswith('first_instance.')
            received = 0
            for party, name in enumerate(('claimant', 'defendant')):
                if aided[party]:
                    received += value(prefix + name + '_lawyer_receives', column)
                    continue
                own = prefix + name + '_lawyer_costs'
                received += value(own if own in rows else prefix + 'lawyer_costs', column)
                if first:
                    received += value('pre_trial.%s_lawyer_costs' % name, column)
            parts = sum(value(prefix + who + '_total', column) for who in ('claimant', 'defendant', 'state'))
            assert parts == value(prefix + 'court_fees', column) + received, (words, prefix, column)


def before_labour_courts(lines):
    """The same command lines before the labour courts (-arbeit, whose
    columns are those of -2025)."""
    return [['-2025' if w == '-2021' else w for w in words] + ['-arbeit'] for words in lines]


def check_one_edition(zeb, validator, words, seed):
    """With every day in one edition, the column by the days is that
    edition's column of the report without days, key by key."""
    generator = random.Random(seed)
    change = datetime.date(2025, 6, 1).toordinal()
    for edition, start in ((0, change - 1500), (1, change)):
        day = lambda: datetime.date.fromordinal(start + generator.randrange(150)).strftime('%d.%m.%Y')
        days = sorted([day() for _ in range(7)], key=lambda d: d[6:] + d[3:5] + d[:2])
        words = ['-2025' if w == '-2021' else w for w in words]
        dated = words + ['-anhaengig' + days[2], '-auftragK' + days[3], '-auftragB' + days[2],
                         '-vorgerichtK' + days[0], '-vorgerichtB' + days[1],
                         '-berufungAm' + days[5], '-revisionAm' + days[6]]
        raw = run(zeb, dated + ['-J'])
        validator.validate(json.loads(raw))
        by_days = json.loads(raw, parse_float=str)
        plain = json.loads(run(zeb, words + ['-J']), parse_float=str)
        assert by_days['columns'][0] == 'Kosten nach den Daten des Falls', dated
        expected = {row['key']: row['new' if edition else 'old'] for row in plain['rows']
                    if row['basis'] != 0}
        got = {row['key']: row['old'] for row in by_days['rows'] if row['basis'] != 0}
        assert got == expected, (dated, [k for k in got if got[k] != expected.get(k)])


def divorce_lines():
    """Divorces: law.md's case, the attached matters, the court practice, two
    lawyers, the withdrawal, legal aid, the value's caps and the case by its
    dates."""
    base = ['-scheidung', '-2025', '-nettoK3000', '-nettoB2000']
    return [base + ['-anrechte4'],
            base + ['-sorge', '-umgang', '-anwaltB', '-ruecknahme', '-pkhK'],
            base + ['-anrechte2', '-kinder2', '-vermoegen200.000', '-pkhB', '-anwaltB'],
            ['-scheidung', '-2025', '-nettoK99999999', '-nettoB0,50', '-anrechte30', '-sorge',
             '-ruecknahme', '-pkhK', '-pkhB'],
            base + ['-anrechte4', '-anwaltB', '-pkhB', '-anhaengig20.05.2025', '-auftragK10.06.2025']]


def main():
    zeb, schema_path = sys.argv[1:3]
    with open(schema_path, encoding='utf-8') as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    lines = command_lines() + appeal_lines() + divorce_lines()
    around = around_lines() + before_labour_courts(around_lines(60, 20261212))
    aid = aid_lines() + before_labour_courts(aid_lines(40, 20261213))
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        list(pool.map(lambda words: check(zeb, validator, words), lines + around + aid))
        list(pool.map(lambda words: check_sums(zeb, words), around))
        list(pool.map(lambda words: check_aid_sums(zeb, words), aid))
        undated = around + aid
        list(pool.map(lambda i: check_one_edition(zeb, validator, undated[i], i), range(0, len(undated), 3)))
    print('%d command lines: -J valid against its schema, with the values of the text report; '
          'in %d of them the totals are the sum of the parties\' parts, in %d with legal aid '
          'also the state\'s; by the days in one edition, %d give that edition\'s column'
          % (len(lines) + len(around) + len(aid), len(around), len(aid), 2 * len(range(0, len(undated), 3))))


if __name__ == '__main__':
    main()
