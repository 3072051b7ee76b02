#!/usr/bin/env python3
"""A second, independent model of the report's table: the report of 2013 in
exact rational arithmetic with explicit roundings to 64-, 53- and 24-bit
significands, the reforms in cents from the published fee tables.

Run with the path of the built program: it compares the table of the text
and the HTML report (column header to last row) for several hundred amounts
and switch sets, byte for byte, and exits non-zero on the first difference.
"""
import csv
import math
import datetime
import os
import random
import re
import subprocess
import sys
from fractions import Fraction as F


def rnd(x, bits):
    """x rounded to the nearest value with a `bits`-bit significand, ties to even."""
    x = F(x)
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    a = abs(x)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    if F(2) ** e > a:
        e -= 1
    scaled = a * F(2) ** (bits - 1 - e)
    m = scaled.numerator // scaled.denominator
    rest = scaled - m
    if rest > F(1, 2) or (rest == F(1, 2) and m % 2 == 1):
        m += 1
    return sign * m * F(2) ** (e - (bits - 1))


def E(x):
    return rnd(x, 64)


def D(x):
    return rnd(x, 53)


def S(x):
    return rnd(x, 24)


def dconst(text):
    """The double nearest to a decimal constant."""
    return D(F(text))


# Fee schedules: (up to, step, court per step, lawyer per step) above the
# fixed fees of the first bracket.
OLD = (300, 25, 25, [(1500, 300, 10, 20), (5000, 500, 8, 28), (10000, 1000, 15, 37),
                     (25000, 3000, 23, 40), (50000, 5000, 29, 72), (200000, 15000, 100, 77),
                     (500000, 30000, 150, 118), (None, 50000, 150, 150)])
NEW = (500, 35, 45, [(2000, 500, 18, 35), (10000, 1000, 19, 51), (25000, 3000, 26, 46),
                     (50000, 5000, 35, 75), (200000, 15000, 120, 85), (500000, 30000, 179, 120),
                     (None, 50000, 180, 150)])


def fee(table, amount, court):
    """The fee for `amount` (an unsigned 64-bit number), as unsigned 64 bits."""
    first, fixed_court, fixed_lawyer, brackets = table
    total = fixed_court if court else fixed_lawyer
    lower = first
    for up_to, step, c, l in brackets:
        if amount <= lower:
            break
        top = amount if up_to is None or amount < up_to else up_to
        steps = -(-(top - lower) // step)
        total += steps * (c if court else l)
        lower = up_to
    low = total % 2**32
    return low if low < 2**31 else low - 2**32 + 2**64


def money(table, amount, court):
    return F(fee(table, amount % 2**64, court))


def round_percent(q):
    t = E(q * 100)
    if t.denominator == 1 and -2**31 <= t < 2**31:
        return int(t)
    v = D(t + F(1, 2))
    if not (-2**31 - 1 < v < 2**31):
        return -2**31
    return int(v)  # int() truncates toward zero


class Model:
    def __init__(self, reckoning, html, settlement, currency, value_name='Streitwertes'):
        self.reckoning = reckoning
        self.value_name = value_name
        self.html = html
        self.settlement = settlement
        self.currency = currency
        self.out = []

    def label(self, text):
        if self.html:
            return (text.replace('ü', '&uuml;').replace('ß', '&szlig;').replace('ä', '&auml;')
                    .replace('ö', '&ouml;').replace('§ ', '&sect;&nbsp;').replace('30.000.000 ',
                    '30.000.000&nbsp;').replace('Abs. ', 'Abs.&nbsp;'))
        return text

    def row(self, label, old, new, basis, adjust=0, html=None):
        """A row; `basis` 0 shows the old value alone. The values are exact
        fractions (2013) or whole cents (a reform). `html`: the label of the
        HTML document as it stands, where it says more than the text's."""
        label = html if self.html and html else self.label(label)
        cur = self.currency
        if self.reckoning.exact:
            # What an appellant keeps may be below 0.
            amount = lambda v: ('-' if v < 0 else '') + '%d.%02d' % divmod(abs(v), 100)
        else:
            amount = lambda v: '%.2f' % float(v)
        if basis == 0:
            if self.html:
                self.out.append('<tr>\n<td>%s</td>\n<td class="betrag">%9s&nbsp;%s</td>\n'
                                '<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n<td>&nbsp;</td>\n'
                                '</tr>\n\n' % (label, amount(old), cur))
            else:
                self.out.append('%-50s%11s %s\n' % (label, amount(old), cur))
            return
        direction = '+' if new >= old else '-'
        if self.reckoning.exact:
            percent = lambda v: -half_up(-v, basis) if v < 0 else half_up(v, basis)
            po, pn = percent(old), percent(new)
            if old <= 0:
                # A row that starts from nothing shows no change.
                self.out.append(('<tr>\n<td>%s</td>\n<td class="betrag alt">%9s&nbsp;%s</td>\n'
                                 '<td class="prozent alt">= %4i&nbsp;%% des %s</td>\n'
                                 '<td class="betrag">%9s&nbsp;%s</td>\n'
                                 '<td class="prozent">= %4i&nbsp;%% des %s</td>\n'
                                 '<td>&nbsp;</td>\n</tr>\n\n' if self.html else
                                 '%-*s%12s %s\t=%4i %% des %s\t%12s %s\t=%4i %% des '
                                 '%s\n')
                                % ((label, amount(old), cur, po, self.value_name, amount(new), cur,
                                    pn, self.value_name) if self.html
                                   else (50 + adjust, label, amount(old), cur, po, self.value_name,
                                         amount(new), cur, pn, self.value_name)))
                return
            change = '%d.%d' % divmod(half_up(abs(new - old) * 1000, old), 10)
        else:
            basis_d = D(basis)
            change = '%.1f' % float(S(E(E(E(new / old) - 1) * (100 if direction == '+' else -100))))
            po = round_percent(D(E(old / basis_d)))
            pn = round_percent(D(E(new / basis_d)))
        if self.html:
            self.out.append(
                '<tr>\n<td>%s</td>\n<td class="betrag alt">%9s&nbsp;%s</td>\n'
                '<td class="prozent alt">= %4i&nbsp;%% des %s</td>\n'
                '<td class="betrag">%9s&nbsp;%s</td>\n'
                '<td class="prozent">= %4i&nbsp;%% des %s</td>\n'
                '<td class="prozent">%c %4s&nbsp;%%</td>\n</tr>\n\n'
                % (label, amount(old), cur, po, self.value_name, amount(new), cur, pn,
                   self.value_name, direction, change))
        else:
            self.out.append('%-*s%12s %s\t=%4i %% des %s\t%12s %s\t=%4i %% des '
                            '%s    = %c %4s %%\n'
                            % (50 + adjust, label, amount(old), cur, po, self.value_name,
                               amount(new), cur, pn, self.value_name, direction, change))

    def percent_row(self, label, old, new):
        """A row of per cents in hundredths, both columns, no per cents of the
        amount."""
        text = lambda v: '%d.%02d' % divmod(v, 100)
        if self.html:
            self.out.append('<tr>\n<td>%s</td>\n<td class="betrag alt">%9s&nbsp;%%</td>\n'
                            '<td>&nbsp;</td>\n<td class="betrag">%9s&nbsp;%%</td>\n'
                            '<td>&nbsp;</td>\n<td>&nbsp;</td>\n</tr>\n\n'
                            % (self.label(label), text(old), text(new)))
        else:
            self.out.append('%-50s%12s %%\t\t\t\t\t%12s %%\n' % (label, text(old), text(new)))

    def heading(self, level, label):
        if self.html:
            label = self.label(label)
            self.out.append('\n<tr>\n<th class="%sueberschrift" colspan="6">%s:</th>\n</tr>\n\n'
                            % ('unter' if level == 2 else '', label))
            return
        n = len(label)
        left = int((80 - n) / 2) - 1
        right = 78 - n - left
        ch = '-' if level == 2 else '='
        self.out.append(ch * max(left, 0) + ' ' + label + ': ' + ch * max(right, 0) + '\n')

    def column_header(self):
        until, since = self.reckoning.dates
        # The case by its dates: its first column by them.
        first = ('Kosten nach den Daten des Falls' if getattr(self.reckoning, 'days', None)
                 else 'Kosten bis ' + until)
        if self.html:
            self.out.append('<tr>\n<th>Position</th>\n<th colspan="2">%s</th>\n'
                            '<th colspan="2">Kosten ab %s</th>\n<th>Ver&auml;nderung</th>\n'
                            '</tr>\n\n' % (first, since))
        else:
            self.out.append('=' * 81 + '\n' + '%-50s' % 'Position' + '%s\t\t\t\t'
                            'Kosten ab %s\t\t\tVeränderung\n' % (first, since))

    def line(self, text):
        """A line of the table that is no row."""
        text = text.replace('%s', self.currency)
        self.out.append('<tr>\n<td colspan="6">%s</td>\n</tr>\n\n' % self.label(text)
                        if self.html else text + '\n')


def half_up(numerator, denominator):
    """numerator / denominator rounded to a whole number, half up."""
    return (2 * numerator + denominator) // (2 * denominator)


class Of2013:
    """The report of 2013: single-precision values from whole-euro fees."""
    exact = False
    dates = ('31.07.2013', '01.08.2013')

    def __init__(self, amount):
        self.amount = amount
        self.basis = amount % 2**64
        self.capped = False

    # One edition a column, no days.
    lawyers_differ = staticmethod(lambda index: False)

    def base(self):
        s_amount = S(self.amount)
        b0 = int(s_amount) if s_amount >= 0 else 2**32 + int(s_amount)
        fees = [[S(money(t, self.amount, court)) for t in (OLD, NEW)] for court in (True, False)]
        return s_amount, b0, fees

    def payment_order(self, after_objection=False):
        return [max(S(D(money(t, self.amount, True)) * dconst('0.5')), F(minimum))
                for t, minimum in zip((OLD, NEW), (23, 32))]

    def block(self, kc, kl, rates=None, first=False, around=None, lawyers=2, index=0):
        """The report of 2013 knows no party without a lawyer: `lawyers` is 2."""
        values = []
        for t in (OLD, NEW):
            c = D(kc // 10 * S(money(t, self.amount, True)))
            l = S(D(money(t, self.amount, False)) * dconst(kl))
            e = min(S(E(l * dconst('0.2'))), F(20))
            g = D(E(E(e + l) * dconst('1.16')))
            values.append({'court': c, 'lawyer': l, 'gross': g, 'process': E(E(g + g) + c)})
        return values

    shown = staticmethod(S)
    half = staticmethod(lambda p: S(E(p / 2)))
    total = staticmethod(lambda p, before=None: D(p) if before is None else D(E(before + p)))


DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'data')


def published_tables():
    """Anlage 2 GKG and RVG as published, in cents: {(edition, kind): rows}."""
    tables = {}
    with open(os.path.join(DATA, 'fee-tables.csv')) as f:
        for row in csv.DictReader(f):
            if row['schedule'] == 'new':
                tables.setdefault(('2013', row['kind']), []).append(
                    (int(row['amount_up_to']), 100 * int(row['fee'])))
    with open(os.path.join(DATA, 'fee-tables-2021-2025.csv')) as f:
        for row in csv.DictReader(f):
            tables.setdefault((row['edition'], row['kind']), []).append(
                (int(row['amount_up_to']), int(row['fee_cents'])))
    return tables


PUBLISHED = published_tables()
# Above the tables' last row (500.000 euros) every started 50.000 euros add
# these cents (law.md); the payment order's minimums (KV GKG Nr. 1100).
ABOVE = {('2013', 'court'): 18000, ('2013', 'lawyer'): 15000, ('2021', 'court'): 19800,
         ('2021', 'lawyer'): 16500, ('2025', 'court'): 21000, ('2025', 'lawyer'): 17500}
MINIMUM = {'2013': 3200, '2021': 3600, '2025': 3800}
CAP = 30000000


class Column:
    """The editions of a column's matters: all one edition, or (`days`) each
    by the day that decides it (law.md, "The case by its dates"): an
    instance's court fees by its pending or filing day, a lawyer's by the
    mandate, the work before the lawsuit and the payment order apart; a
    day not given is the pending day's (a mandate), the mandate's (before
    the lawsuit), or the law in force (an appeal, a revision)."""

    def __init__(self, edition, days=None):
        on = lambda day: '2021' if day <= (2025, 5, 31) else '2025'
        if days is None:
            self.courts = [edition] * 4
            self.lawyers = [[edition] * 2] * 4
            self.before, self.po = [edition] * 2, edition
            return
        pending = days['anhaengig']
        mandates = [days.get('auftrag' + side, pending) for side in 'KB']
        later = [on(days['berufungAm']) if 'berufungAm' in days else '2025',
                 on(days['revisionAm']) if 'revisionAm' in days else '2025']
        self.courts = [on(pending), later[0], later[1], later[1]]
        self.lawyers = [[on(m) for m in mandates], [later[0]] * 2, [later[1]] * 2, [later[1]] * 2]
        self.before = [on(days.get('vorgericht' + side, m)) for side, m in zip('KB', mandates)]
        self.po = on(pending)


def days_of(switches):
    """The days of the case among the words, as (year, month, day), or None."""
    days = {}
    for word in switches:
        m = re.fullmatch(r'-(anhaengig|auftrag[KB]|vorgericht[KB]|berufungAm|revisionAm)'
                         r'(\d\d)\.(\d\d)\.(\d{4})', word)
        if m:
            days[m[1]] = (int(m[4]), int(m[3]), int(m[2]))
    return days or None


class MatterFees:
    """The 1,0 lawyer fees of each matter: each party's instance, the payment
    order, each party's work before the lawsuit."""

    def __init__(self, instance, po, before):
        self.instance, self.po, self.before = instance, po, before


def fees_of(fee):
    return fee if isinstance(fee, MatterFees) else MatterFees([fee, fee], fee, [fee, fee])


class InCents:
    """A reform: the editions before and after it, in whole cents; with the
    case's days the first column by them."""
    exact = True

    def __init__(self, amount, reform, proceeding=None, days=None):
        self.proceeding = proceeding or CIVIL
        self.editions = {'-2021': ('2013', '2021'), '-2025': ('2021', '2025')}[reform]
        self.dates = {'-2021': ('31.12.2020', '01.01.2021'), '-2025': ('31.05.2025', '01.06.2025')}[reform]
        self.columns = [Column(self.editions[0], days), Column(self.editions[1])]
        self.days = days
        self.amount = min(amount, CAP)
        self.basis = self.amount
        self.capped = amount > CAP

    def matter_fees(self, column, index):
        """The lawyer fees of the matters of instance `index` in `column`."""
        lawyer = lambda e: self.fee(e, 'lawyer')
        return MatterFees([lawyer(e) for e in column.lawyers[index]], lawyer(column.po),
                          [lawyer(e) for e in column.before])

    def lawyers_differ(self, index):
        return any(c.lawyers[index][0] != c.lawyers[index][1] for c in self.columns)

    def fee(self, edition, kind):
        rows = PUBLISHED[(edition, kind)]
        for up_to, cents in rows:
            if self.amount <= up_to:
                return cents
        top, cents = rows[-1]
        return cents + -(-(self.amount - top) // 50000) * ABOVE[(edition, kind)]

    def base(self):
        fees = [[self.fee(c.courts[0], 'court') for c in self.columns],
                [self.fee(c.lawyers[0][0], 'lawyer') for c in self.columns]]
        return 100 * self.amount, self.amount, fees

    def payment_order(self, after_objection=False):
        """The payment order's court fee: its rate of the court fee, at least
        the edition's minimum; none where an objection leaves it unearned."""
        p = self.proceeding
        if after_objection and not p['owed after objection']:
            return [0, 0]
        return [max(half_up(self.fee(c.po, 'court') * p['payment order'], 10), p['minimum'][c.po])
                for c in self.columns]

    def block(self, kc, kl, rates=None, first=False, around=None, lawyers=2, index=0):
        """The block's values per column; around a lawsuit, and where the two
        lawyers' mandates fall under different editions, each party's bill,
        the evidence and the payment order's court fee of the first instance;
        the process costs count the `lawyers` there are."""
        values = []
        # Each party's bill where the lawyers' editions differ: who has one
        # as the words say.
        textbook = (around is None or not around.words) and not self.lawyers_differ(index)
        around = around or EMPTY_AROUND
        for column, po_court in zip(self.columns, self.payment_order(True)):
            c = half_up(kc * self.fee(column.courts[index], 'court'), 10)
            fee = self.matter_fees(column, index)
            if textbook:
                fee = fee.instance[0]
                l = half_up(fee * int(kl.replace('.', '')), 10)
                expenses = min(half_up(l * 20, 100), 2000)
                g = l + expenses + half_up((l + expenses) * 19, 100)
                values.append({'court': c, 'lawyer': l, 'gross': g, 'process': c + lawyers * g,
                               'bills': [(l + expenses, g)] * 2})
                continue
            po = min(po_court, c) if first and around.mahn else 0
            bills = [around.instance(fee, party, rates, first, True) for party in (0, 1)]
            evidence = sum(around.evidence) if first else 0
            raised = rates[0] + around.raised(0)
            values.append({'court': c - po, 'po court': po, 'evidence': evidence, 'fee': fee,
                           'assigned': [assigned_bill(self, column.lawyers[index][p], around, p, rates)
                                        for p in (0, 1)],
                           'rates': rates, 'bills': bills, 'gross': bills[0][1],
                           'lawyer': half_up(fee.instance[0] * (sum(rates) - rates[0] + raised), 10),
                           'process': c - po + evidence + bills[0][1] + bills[1][1]})
        return values

    def ending(self, kc, sides, around):
        """The block of a first instance that ends early: each party's bill by
        its rates (None: its lawyer did not act), with the credits onto it."""
        values = []
        for column, po_court in zip(self.columns, self.payment_order(True)):
            c = half_up(kc * self.fee(column.courts[0], 'court'), 10)
            fee = self.matter_fees(column, 0)
            po = min(po_court, c) if around.mahn else 0
            bills = [around.instance(fee, party, rates, True, True) if rates else (0, 0)
                     for party, rates in enumerate(sides)]
            values.append({'court': c - po, 'po court': po, 'evidence': 0, 'fee': fee,
                           'assigned': [assigned_bill(self, column.lawyers[0][p], around, p, sides[p])
                                        for p in (0, 1)],
                           'rates': sides, 'bills': bills,
                           'process': c - po + bills[0][1] + bills[1][1]})
        return values

    shown = staticmethod(lambda v: v)
    half = staticmethod(lambda p: half_up(p, 2))
    total = staticmethod(lambda p, before=None: p if before is None else before + p)


# Each instance's judgement and settlement: court rate in tenths, lawyer
# rate and its label, and the lawyer's fees in tenths (procedure, hearing,
# settlement).
SECTIONS = [
    ('Erstinstanzliches Verfahren vor dem Amts- oder Landgericht oder Verwaltungsgericht',
     (30, '2.5', '2,5', (13, 12)), (10, '3.5', '3,5', (13, 12, 10))),
    ('Berufungsverfahren in Zivilsachen oder Klageverfahren vor dem Oberverwaltungsgericht/'
     'Verwaltungsgerichtshof oder Finanzgericht', (40, '2.8', '2,8', (16, 12)),
     (20, '4.1', '4,1', (16, 12, 13))),
    ('Revisionsverfahren (soweit nicht die Vertretung durch einen beim BGH zugelassenen Anwalt '
     'vorgeschrieben ist)', (50, '3.1', '3,1', (16, 15)), (30, '4.4', '4,4', (16, 15, 13))),
    ('Revisionsverfahren (soweit die Vertretung durch einen beim BGH zugelassenen Anwalt '
     'vorgeschrieben ist)', (50, '3.8', '3,8', (23, 15)), (30, '5.1', '5,1', (23, 15, 13))),
]


# How the first instance may end early (law.md, "How a lawsuit ends"): its
# word, heading, court rate in tenths, each party's lawyer fees in tenths
# (None: no lawyer acted) and the party that bears the costs.
ENDINGS = [
    ('-ruecknahme', 'Verfahren mit Klagerücknahme vor der Verhandlung', 10, ((13,), (13,)), 0),
    ('-anerkenntnis', 'Verfahren mit Anerkenntnisurteil', 10, ((13, 12), (13, 12)), 1),
    ('-versaeumnis', 'Verfahren mit Versäumnisurteil', 30, ((13, 5), None), 1),
]

# The lawsuit before the civil courts: its sections and endings, the court
# fee of an appeal withdrawn before its grounds (KV 1221), the payment
# order's rate in tenths and minimums (KV 1100), and that the claimant
# advances the court fees (§ 12 GKG) and every instance refunds lawyers.
CIVIL = {'sections': SECTIONS, 'endings': ENDINGS, 'withdrawn': 10, 'payment order': 5,
         'minimum': MINIMUM, 'owed after objection': True, 'advanced': True,
         'refunds first': True, 'totals': 'arg'}

# The labour courts (law.md, "Labour courts"): KV GKG Teil 8, no section of a
# lawyer admitted only at the highest court, a settlement and an early end
# without a contested hearing free of court fees, the enforcement order's
# 0,4 (KV 8100) owed only without an objection, no advances (§ 11 GKG), and
# no refund of lawyers in the first instance (§ 12a ArbGG).
LABOUR = {
    'sections': [
        ('Erstinstanzliches Verfahren vor dem Arbeitsgericht',
         (20, '2.5', '2,5', (13, 12)), (0, '3.5', '3,5', (13, 12, 10))),
        ('Berufungsverfahren vor dem Landesarbeitsgericht',
         (32, '2.8', '2,8', (16, 12)), (0, '4.1', '4,1', (16, 12, 13))),
        ('Revisionsverfahren vor dem Bundesarbeitsgericht',
         (40, '3.1', '3,1', (16, 15)), (0, '4.4', '4,4', (16, 15, 13))),
    ],
    'endings': [
        ('-ruecknahme', 'Verfahren mit Klagerücknahme vor der Verhandlung', 0, ((13,), (13,)), 0),
        ('-anerkenntnis', 'Verfahren mit Anerkenntnisurteil in der Güteverhandlung', 0,
         ((13, 12), (13, 12)), 1),
        ('-versaeumnis', 'Verfahren mit Versäumnisurteil', 20, ((13, 5), None), 1),
    ],
    'withdrawn': 8, 'payment order': 4, 'minimum': {'2021': 2900, '2025': 3100},
    'owed after objection': False, 'advanced': False, 'refunds first': False, 'totals': 'ar'}


def court_label(tenths):
    """The label of the court fees at a rate of `tenths`."""
    if tenths == 0:
        return 'Keine Gerichtsgebühr:'
    whole, rest = divmod(tenths, 10)
    rate = '%d' % whole if rest == 0 else '%d,%d' % (whole, rest)
    return '%s Gerichtsgebühr%s:' % (rate, '' if tenths == 10 else 'en')


def shown_sections(switches):
    """Which sections the switch words show: payment order ('m'), first
    instance ('k'), appeal ('b') and revisions ('r'). A section switch only
    clears the others."""
    show = {'m': True, 'k': True, 'b': True, 'r': True}
    for keep in 'kbrm':
        if '-' + keep in switches:
            for section in show:
                if section != keep:
                    show[section] = False
    return show


def share_won(word):
    """The claimant's share won that a word -O... gives: (won, of, decimals),
    decimals None for a fraction; None for no share."""
    fraction = re.fullmatch(r'-O(\d{1,6})/(\d{1,6})', word)
    if fraction:
        won, of = int(fraction[1]), int(fraction[2])
        return (won, of, None) if of >= 1 and won <= of else None
    per_cent = re.fullmatch(r'-O(\d{1,6})(?:[,.](\d{1,2}))?%?', word)
    if not per_cent:
        return None
    places = len(per_cent[2] or '')
    won, of = int(per_cent[1]) * 10 ** places + int(per_cent[2] or 0), 100 * 10 ** places
    return (won, of, places) if won <= of else None


class Around:
    """The case around a reform's lawsuit (law.md, "Around the lawsuit"): each
    side's business fee (VV 2300), clients (VV 1008) and evidence advance, a
    payment order before the lawsuit; bills in cents, each fee rounded on
    its own."""

    def __init__(self, switches):
        self.rate = [0, 0]      # business fee in tenths, claimant first
        self.clients = [1, 1]
        self.evidence = [0, 0]  # cents
        self.mahn = '-mahn' in switches
        self.lawyer = ('-ohneK' not in switches, '-ohneB' not in switches)
        # Legal aid without installments (law.md, "Legal aid"), claimant first.
        self.aid = ('-pkhK' in switches, '-pkhB' in switches)
        self.words = self.mahn or any(self.aid)
        for word in switches:
            for party, side in enumerate('KB'):
                m = re.fullmatch(r'-G%s(?:(\d)(?:[,.](\d)0?)?)?' % side, word)
                if m:
                    self.rate[party] = 13 if m[1] is None else 10 * int(m[1]) + int(m[2] or 0)
                    self.words = True
                m = re.fullmatch(r'-auftraggeber%s(\d{1,2})' % side, word)
                if m:
                    self.clients[party] = int(m[1])
                    self.words = True
                m = re.fullmatch(r'-beweis%s(\d{1,9})(?:[,.](\d{1,2}))?' % side, word)
                if m:
                    self.evidence[party] = 100 * int(m[1]) + int((m[2] or '0').ljust(2, '0'))
                    self.words = True

    def raised(self, party):
        return min(3 * (self.clients[party] - 1), 20)

    @staticmethod
    def bill(fees, credited):
        """(net, gross) of fees with a credit: flat rate of the fees before it."""
        flat = min(half_up(fees * 20, 100), 2000)
        net = fees - credited + flat
        return net, net + half_up(net * 19, 100)

    def business_credit(self, fee, party):
        """Half the business fee as it arose, VV 1008 included, at most 0,75,
        at its own edition's fee."""
        arisen = self.rate[party] + self.raised(party)
        return half_up(fees_of(fee).before[party] * min(5 * arisen, 75), 100) if self.rate[party] else 0

    def payment_order_fee(self, fee, party):
        return half_up(fees_of(fee).po * ((10 if party == 0 else 5) + self.raised(party)), 10)

    def business(self, fee, party):
        return self.bill(half_up(fees_of(fee).before[party] * (self.rate[party] + self.raised(party)), 10), 0)

    def payment_order(self, fee, party, credit):
        if not self.mahn or not self.lawyer[party]:
            return 0, 0
        m = self.payment_order_fee(fee, party)
        return self.bill(m, min(self.business_credit(fee, party), m) if credit else 0)

    def instance(self, fee, party, rates, first, credit):
        if first and not self.lawyer[party]:
            return 0, 0
        fees = [half_up(fees_of(fee).instance[party] * (t + (self.raised(party) if i == 0 else 0)), 10)
                for i, t in enumerate(rates) if t]
        credited = 0
        if first:
            m = self.payment_order_fee(fee, party) if self.mahn else 0
            c = self.business_credit(fee, party) if credit else 0
            credited = min(m + c - min(c, m), fees[0])
        return self.bill(sum(fees), credited)


# No case around the lawsuit: a block of each party's own bill.
EMPTY_AROUND = Around([])


# The fees of an assigned lawyer above 4.000 euros (§ 49 RVG, law.md), in
# euros: (value up to, fee); the last row for every value above.
ASSIGNED = {
    '2021': [(5000, 284), (6000, 295), (7000, 306), (8000, 317), (9000, 328), (10000, 339),
             (13000, 354), (16000, 369), (19000, 384), (22000, 399), (25000, 414), (30000, 453),
             (35000, 492), (40000, 531), (45000, 570), (50000, 609), (None, 659)],
    '2025': [(5000, 319), (6000, 330), (7000, 341), (8000, 352), (9000, 363), (10000, 374),
             (13000, 389), (16000, 404), (19000, 419), (22000, 434), (25000, 449), (30000, 488),
             (35000, 527), (40000, 566), (45000, 605), (50000, 644), (65000, 692), (80000, 739),
             (None, 786)],
}


def assigned_fee(r, edition):
    """The 1,0 fee of an assigned lawyer: that of § 13 RVG up to 4.000 euros."""
    if r.amount <= 4000:
        return r.fee(edition, 'lawyer')
    return 100 * next(fee for up_to, fee in ASSIGNED[edition] if up_to is None or r.amount <= up_to)


def assigned_bill(r, edition, around, party, rates):
    """The gross bill the state pays an aided party's lawyer for `rates`;
    None without legal aid or where its lawyer did not act."""
    if around is None or not around.aid[party] or not rates:
        return None
    fee = assigned_fee(r, edition)
    fees = [half_up(fee * (t + (around.raised(party) if i == 0 else 0)), 10)
            for i, t in enumerate(rates) if t]
    return around.bill(sum(fees), 0)[1]


class CostRisk:
    """Who bears the costs (law.md, "Who bears the costs"), in cents."""

    def __init__(self, share, switches, proceeding=None):
        self.won, self.of, self.places = share
        # Per party, claimant first: a lawyer in the first instance, input tax.
        self.lawyer = ('-ohneK' not in switches, '-ohneB' not in switches)
        self.net = ('-vorsteuerK' in switches, '-vorsteuerB' in switches)
        self.proceeding = proceeding or CIVIL
        self.sums = {}

    def refunds(self, index):
        """Whether the instance `index` refunds the winner's lawyer."""
        return index > 0 or self.proceeding['refunds first']

    def not_refunded_rows(self, m, rows, index, around):
        """What no one refunds each party: where the instance refunds no
        lawyer, all its own (§ 12a ArbGG); around the lawsuit, where a
        business fee was earned, its lawyers' bills beyond the refund."""
        if index != 0 or (self.refunds(0) and not (around and any(around.rate))):
            return
        if self.refunds(0):
            m.row('Nicht erstattet, trägt der Kläger selbst:', *rows['nK'], m.reckoning.basis)
            m.row('Nicht erstattet, trägt der Beklagte selbst:', *rows['nB'], m.reckoning.basis)
            return
        m.row('Nicht erstattet (§ 12a ArbGG), Kläger trägt:', *rows['nK'], m.reckoning.basis,
              html='Anwaltskosten, nicht erstattet (&sect; 12a ArbGG): der Kl&auml;ger '
                   'tr&auml;gt selbst:')
        m.row('Nicht erstattet (§ 12a ArbGG), Beklagter trägt:', *rows['nB'], m.reckoning.basis,
              html='Anwaltskosten, nicht erstattet (&sect; 12a ArbGG): der Beklagte '
                   'tr&auml;gt selbst:')

    def part(self, party, share=None):
        """The part of the costs a party bears as the report writes it."""
        return part_text(share or (self.won, self.of, self.places), party)

    def costs(self, party, column, first):
        if first and not self.lawyer[party]:
            return 0
        net, gross = column['bills'][party]
        return net if self.net[party] else gross

    def pick(self, party, bill):
        return bill[0] if self.net[party] else bill[1]

    def share_rows(self, m, rows, bearer, basis, share=None, court_only=False):
        """The costs to distribute, the court costs alone where the instance
        refunds no lawyer, and each party's part of them."""
        parts = ((self.part(0, share), self.part(1, share)) if bearer is None
                 else ('0 %', '100 %') if bearer else ('100 %', '0 %'))
        m.row('Zu verteilende Gerichtskosten:' if court_only else 'Zu verteilende Kosten:',
              *rows['T'], basis)
        m.row('davon trägt der Kläger %s:' % parts[0], *rows['K'], basis)
        m.row('davon trägt der Beklagte %s:' % parts[1], *rows['B'], basis)

    def judgement(self, m, values, index, basis, around=None, bearer=None, appeal=None):
        """The rows that split a judgement's costs by the share won, or an
        ending's, whose `bearer` bears them all. With an appeal taken as a
        decision (`appeal`: the appellant, the claimant's share within the
        appeal and of the first instance after it), the appeal's by its own
        share, its court fee advanced by the appellant, with a balance; the
        first instance's parts enter the sums by the final result."""
        if around is not None and any(around.aid):
            return self.judgement_with_aid(m, values, index, basis, around, bearer)
        first = index == 0
        case = around is not None and around.words and first
        decided = appeal is not None and index == 1
        refunds = self.refunds(index)
        won, of = (self.won, self.of) if bearer is None else (100 * bearer, 100)
        if decided and bearer is None:
            won, of = appeal['within'][:2]
        advanced = decided and appeal['appellant'] == 1
        rows = {k: [] for k in ('T', 'K', 'B', 'pB', 'pK', 'nK', 'nB')}
        for column in values:
            ev = around.evidence if case and bearer is None else [0, 0]
            if case:
                # Refunded: payment order and first instance, without the
                # business fee's credit; charged: every matter after it.
                court = column['court'] + column['po court']
                costs, unpaid = [], []
                for party in (0, 1):
                    fee = column['fee']
                    business = (self.pick(party, around.business(fee, party))
                                if around.rate[party] else 0)
                    if not self.lawyer[party]:
                        # Its lawyer before the lawsuit stays its own.
                        costs.append(0)
                        unpaid.append(business)
                        continue
                    rates = column['rates'] if bearer is None else column['rates'][party]
                    refunded = (self.pick(party, around.payment_order(fee, party, False)) +
                                (self.pick(party, around.instance(fee, party, rates, True, False))
                                 if rates else 0))
                    charged = (business +
                               self.pick(party, around.payment_order(fee, party, True)) +
                               self.pick(party, column['bills'][party]))
                    costs.append(refunded if refunds else 0)
                    unpaid.append(charged - refunded if refunds else charged)
            else:
                court = column['court']
                costs = [self.costs(0, column, first), self.costs(1, column, first)]
                unpaid = [0, 0] if refunds else costs
                costs = costs if refunds else [0, 0]
            t = court + ev[0] + ev[1] + costs[0] + costs[1]
            k = half_up(t * (of - won), of)
            if self.proceeding['advanced']:
                balance = (0 if advanced else court) + ev[0] + costs[0] - k
            else:
                # No one advanced: the claimant pays its quota of the court
                # costs to the state, and its lawyer.
                balance = half_up((court + ev[0] + ev[1]) * (of - won), of) + costs[0] - k
            for key, value in zip(rows, (t, k, t - k, max(balance, 0), max(-balance, 0), *unpaid)):
                rows[key].append(value)
        self.share_rows(m, rows, bearer, basis, appeal['within'] if decided else None,
                        not refunds)
        if (first or decided) and refunds:
            m.row('Ausgleich: der Beklagte zahlt dem Kläger:', *rows['pB'], basis)
            m.row('Ausgleich: der Kläger zahlt dem Beklagten:', *rows['pK'], basis)
        self.not_refunded_rows(m, rows, index, around if case else None)
        if case or (first and not refunds):
            for key, name in (('K', 'Kläger'), ('B', 'Beklagter')):
                m.row('%s trägt insgesamt:' % name,
                      *[a + b for a, b in zip(rows[key], rows['n' + key])], basis)
        if appeal is not None:
            appeal['costs'][('W' if bearer is not None else 'T2' if decided else 'T1')] = rows['T']
            if first and bearer is None:
                appeal['costs']['N'] = rows['nK' if appeal['appellant'] == 0 else 'nB']
        # Each party's part along the paths of the totals: a, ar, ag, with
        # what no one refunds it. An ending enters none.
        for party, key in ((0, 'K'), (1, 'B')) if bearer is None else ():
            for s in (0, 1):
                value = rows[key][s] + rows['n' + key][s]
                if appeal is not None and first:
                    fw, fo = appeal['final'][:2]
                    k = half_up(rows['T'][s] * (fo - fw), fo)
                    value = (k if party == 0 else rows['T'][s] - k) + rows['n' + key][s]
                if index == 0:
                    self.sums[('a', party, s)] = value
                else:
                    self.sums[('arg'[index - 1], party, s)] = self.sums.get(('a', party, s), 0) + value

    def judgement_with_aid(self, m, values, index, basis, around, bearer):
        """Legal aid (law.md): only the lawyer costs are balanced; each party
        without aid bears its quota of the court costs, the state the rest;
        an aided party's lawyer gets the state's bill and keeps of the
        opponent's payment first his difference, the rest passes to the state."""
        first = index == 0
        aid = around.aid
        refunds = self.refunds(index)
        won, of = (self.won, self.of) if bearer is None else (100 * bearer, 100)
        rows = {k: [] for k in ('T', 'K', 'B', 'pB', 'pK', 'refund', 'nK', 'nB', 'rK', 'rB',
                                'tK', 'tB', 'state', 'all')}
        for column in values:
            court, fee = column['court'], column['fee']
            own, unpaid = [], []
            for party in (0, 1):
                business = around.business(fee, party)[1] if around.rate[party] and first else 0
                rates = column['rates'] if bearer is None else column['rates'][party]
                if first and not self.lawyer[party]:
                    own.append(0)
                    unpaid.append(business)
                    continue
                refunded = around.instance(fee, party, rates, first, False)[1] if rates else 0
                if not refunds:
                    # Each party its own lawyer (§ 12a ArbGG): an aided
                    # party's the state pays.
                    own.append(0)
                    unpaid.append(business + (0 if aid[party] else column['bills'][party][1]))
                    continue
                own.append(refunded)
                unpaid.append(business + column['bills'][party][1] - refunded)
            t = own[0] + own[1]
            k = half_up(t * (of - won), of)
            pays = [max(k - own[0], 0), max(own[0] - k, 0)]  # the claimant's, the defendant's
            court_k = half_up(court * (of - won), of)
            quota = [court_k, court - court_k]
            receives, passed, assigned = [0, 0], [0, 0], [0, 0]
            for party in (0, 1):
                if not aid[party]:
                    receives[party] = own[party]
                    continue
                assigned[party] = column['assigned'][party] or 0
                received = pays[1 - party]
                kept = min(received, max(own[party] - assigned[party], 0))
                passed[party] = received - kept
                receives[party] = assigned[party] + kept
            totals = []
            for party in (0, 1):
                if aid[party]:
                    totals.append(pays[party] + unpaid[party])
                else:
                    totals.append(own[party] + quota[party] + pays[party] - pays[1 - party] + unpaid[party])
            state = sum(quota[p] + assigned[p] - passed[p] for p in (0, 1) if aid[p])
            refund = quota[1] if aid[1] and not aid[0] else 0
            if not refunds:
                # Only the court costs are split.
                t, k = court, quota[0]
            for key, value in (('T', t), ('K', k), ('B', t - k), ('pB', pays[1]), ('pK', pays[0]),
                               ('refund', refund), ('nK', unpaid[0]), ('nB', unpaid[1]),
                               ('rK', receives[0]), ('rB', receives[1]), ('tK', totals[0]),
                               ('tB', totals[1]), ('state', state),
                               ('all', court + receives[0] + receives[1] + unpaid[0] + unpaid[1])):
                rows[key].append(value)
        self.share_rows(m, rows, bearer, basis, court_only=not refunds)
        if aid[0] and refunds:
            m.row('Beklagter zahlt Anwalt des Klägers (§ 126 ZPO):', *rows['pB'], basis,
                  html='Ausgleich: der Beklagte zahlt dem Anwalt des Kl&auml;gers (&sect; 126 ZPO):')
        elif refunds:
            m.row('Ausgleich: der Beklagte zahlt dem Kläger:', *rows['pB'], basis)
        if aid[1] and refunds:
            m.row('Kläger zahlt Anwalt des Beklagten (§ 126 ZPO):', *rows['pK'], basis,
                  html='Ausgleich: der Kl&auml;ger zahlt dem Anwalt des Beklagten (&sect; 126 ZPO):')
        elif refunds:
            m.row('Ausgleich: der Kläger zahlt dem Beklagten:', *rows['pK'], basis)
        # Only a claimant that advanced the court fee gets the aided
        # defendant's quota back.
        if aid[1] and not aid[0] and self.proceeding['advanced']:
            m.row('Staatskasse erstattet Kläger (§ 31 Abs. 3 GKG):', *rows['refund'], basis,
                  html='Gerichtskosten: die Staatskasse erstattet dem Kl&auml;ger (&sect; 31 Abs. 3 GKG):')
        self.not_refunded_rows(m, rows, index, around)
        for party, key, name in ((0, 'rK', 'Klägers'), (1, 'rB', 'Beklagten')):
            if aid[party]:
                m.row('Anwalt des %s erhält insgesamt:' % name, *rows[key], basis)
        m.row('Kläger trägt insgesamt:', *rows['tK'], basis)
        m.row('Beklagter trägt insgesamt:', *rows['tB'], basis)
        m.row('Staatskasse trägt insgesamt:', *rows['state'], basis)
        # The paths of the totals: the parties' and the state's parts, and
        # what the judgement cost in all. An ending enters none.
        if bearer is not None:
            return
        self.in_all = rows['all']
        for party, key in ((0, 'tK'), (1, 'tB'), (2, 'state')):
            for s in (0, 1):
                value = rows[key][s]
                if index == 0:
                    self.sums[('a', party, s)] = value
                else:
                    self.sums[('arg'[index - 1], party, s)] = self.sums.get(('a', party, s), 0) + value

    def settlement(self, m, values, first, basis, around=None):
        case = around is not None and around.words and first
        parts = []
        for party, label in ((0, 'Kosten aufgehoben: der Kläger trägt:'),
                             (1, 'Kosten aufgehoben: der Beklagte trägt:')):
            borne = []
            for column in values:
                court, own = column['court'], self.costs(party, column, first)
                if case:
                    fee = column['fee']
                    court += column['po court'] + column['evidence']
                    own += ((self.pick(party, around.business(fee, party))
                             if around.rate[party] else 0) +
                            self.pick(party, around.payment_order(fee, party, True)))
                half = half_up(court, 2)
                borne.append((half if party == 0 else court - half) + own)
            m.row(label, *borne, basis)
            parts.append(borne)
        if around is not None and any(around.aid):
            # Legal aid: half the court fee each (§ 29 Nr. 2 GKG); an aided
            # claimant's half stays with the state, an aided defendant's the
            # claimant may claim from it; each aided lawyer the state's bill.
            aid = around.aid
            totals, state = [[], []], []
            for s, column in enumerate(values):
                court = column['court']
                halves = [half_up(court, 2), court - half_up(court, 2)]
                assigned = [column['assigned'][p] or 0 for p in (0, 1)]
                state.append(sum(assigned[p] + (halves[p] if p == 0 or aid[0] else 0)
                                 for p in (0, 1) if aid[p]))
                for party in (0, 1):
                    owes = halves[1] if party == 1 and aid[1] and not aid[0] else 0
                    totals[party].append(owes if aid[party] else parts[party][s])
            for party, name in ((0, 'Klägers'), (1, 'Beklagten')):
                if aid[party]:
                    m.row('Anwalt des %s erhält insgesamt:' % name,
                          *[v['assigned'][party] for v in values], basis)
            m.row('Kläger trägt insgesamt:', *totals[0], basis)
            m.row('Beklagter trägt insgesamt:', *totals[1], basis)
            m.row('Staatskasse trägt insgesamt:', *state, basis)
        elif case or (first and not self.refunds(0)):
            # With the costs cancelled, what each party bears in all is its part.
            for party, name in ((0, 'Kläger'), (1, 'Beklagter')):
                m.row('%s trägt insgesamt:' % name, *parts[party], basis)

    def totals(self, m, html, basis, appeal_only=False):
        # The text labels fit the totals' 49 columns: the defendant's last
        # one says less than the claimant's.
        paths = [('a', ('mit Berufung',) * 2, 'mit Berufung'),
                 ('r', ('mit Berufung und Revision',) * 2, 'mit Berufung und Revision'),
                 ('g', ('mit Berufung u. Revision v. d. BGH', 'mit Berufung u. Rev. v. d. BGH'),
                  'mit Berufung und Revision vor dem BGH')]
        for key, texts, long in paths[:1] if appeal_only else [p for p in paths if p[0] in
                                                                   self.proceeding['totals']]:
            for party, name in ((0, 'Kläger'), (1, 'Beklagter')):
                m.row('%s trägt %s:' % (name, long if html else texts[party]),
                      self.sums[(key, party, 0)], self.sums[(key, party, 1)], basis, -1)
            if (key, 2, 0) in self.sums:
                m.row('Staatskasse trägt %s:' % (long if html else texts[1]),
                      self.sums[(key, 2, 0)], self.sums[(key, 2, 1)], basis, -1)


def part_text(share, party):
    """The part of a share that a party bears, as the report writes it."""
    won, of, places = share
    n = of - won if party == 0 else won
    if places is None:
        g = math.gcd(n, of)
        return '%d/%d' % (n // g, of // g)
    whole, rest = divmod(n, 10 ** places)
    return ('%d' % whole if places == 0 else '%d,%0*d' % (whole, places, rest)) + ' %'


def appeal_shares(first, success, appellant):
    """The claimant's share within the appeal and of the first instance
    after it (law.md, "An appeal as a decision"), exact, as shares."""
    won, of, places = first
    sw, sof, splaces = success
    within = (sw, sof, splaces) if appellant == 0 else (sof - sw, sof, splaces)
    final_won = won * sof + (of - won) * sw if appellant == 0 else won * (sof - sw)
    if places is not None and splaces is not None:
        # A per cent of a per cent, with no more places than it needs.
        final_of, final_places = of * sof, places + splaces + 2
        while final_places > 0 and final_won % 10 == 0 and final_of % 10 == 0:
            final_won, final_of, final_places = final_won // 10, final_of // 10, final_places - 1
        final = (final_won, final_of, final_places)
    else:
        g = math.gcd(final_won, of * sof)
        final = (final_won // g, of * sof // g, None)
    return within, final


def appeal_decision(m, amount, appeal):
    """"Lohnt sich die Berufung?": for the appellant the claim and its
    costs together, in each outcome, and the break-even success s* = T2 /
    (V2 + V2 / V1 x T1 + T2)."""
    a, v2, c = appeal['appellant'], appeal['value'], appeal['costs']
    won, of, _ = appeal['first']
    v1 = 100 * amount
    claim = v2 if a == 1 else v1 - v2
    n = c.get('N', [0, 0])
    names = [('Der Kläger behält', 'Der Kl&auml;ger beh&auml;lt'), ('Der Beklagte zahlt',) * 2]
    name = names[a][1] if m.html else names[a][0]

    def part(total, share):  # the appellant's part where the claimant wins `share`
        k = half_up(total * (share[1] - share[0]), share[1])
        return k if a == 0 else total - k

    def in_all(claimed, costs, s):
        return claimed + costs + n[s] if a == 1 else claimed - costs - n[s]

    def at(success, s):
        within, final = appeal_shares(appeal['first'], success, a)
        regained = half_up(v2 * success[0], success[1])
        claimed = v2 - regained if a == 1 else claim + regained
        return in_all(claimed, part(c['T1'][s], final) + part(c['T2'][s], within), s)

    without = [in_all(claim, part(c['T1'][s], appeal['first']), s) for s in (0, 1)]
    m.heading(1, 'Lohnt sich die Berufung?')
    m.row(name + ' ohne Berufung insgesamt:', *without, amount)
    m.row('%s bei %s Erfolg:' % (name, part_text(appeal['success'], 1)),
          *[at(appeal['success'], s) for s in (0, 1)], amount)
    m.row(name + ', wenn die Berufung scheitert:', *[at((0, 100, 0), s) for s in (0, 1)], amount)
    m.row(name + ' bei vollem Erfolg insgesamt:', *[at((100, 100, 0), s) for s in (0, 1)], amount)
    m.row(name + ' nach Rücknahme insgesamt:',
          *[without[s] + (c['W'][s] if a == 1 else -c['W'][s]) for s in (0, 1)], amount)
    m.percent_row('Die Berufung lohnt sich ab einem Erfolg von:',
                  *[half_up(10000 * c['T2'][s] * v1,
                            v2 * v1 + v2 * c['T1'][s] + c['T2'][s] * v1) for s in (0, 1)])


def borne_costs(column, first, around, net):
    """What the parties bear of a judgement: its court costs and each party's
    bills as it bears them, net of VAT where it deducts input tax; in the
    first instance with the payment order and the bills before the lawsuit.
    The totals over instances add these around a lawsuit, so that they are
    the sum of the parties' parts."""
    pick = lambda party, bill: bill[0] if net[party] else bill[1]
    total = column['court'] + column.get('po court', 0) + column.get('evidence', 0)
    for party in (0, 1):
        total += pick(party, column['bills'][party])
        if first:
            fee = column['fee']
            if around.rate[party]:
                total += pick(party, around.business(fee, party))
            total += pick(party, around.payment_order(fee, party, True))
    return total


# What the state pays an aided party's lawyer: text and HTML labels.
AID_ROWS = [('Anwalt des Klägers aus Staatskasse (§ 49 RVG):',
             'Anwaltskosten des Kl&auml;gers aus der Staatskasse (&sect; 49 RVG):'),
            ('Anwalt des Beklagten aus Staatskasse (§ 49 RVG):',
             'Anwaltskosten des Beklagten aus der Staatskasse (&sect; 49 RVG):')]


def block_rows(m, r, rows, values, basis):
    """The rows of a block, each aided party's state bill under its lawyer
    costs."""
    for key, label in rows:
        shown = [v['bills'][key][1] if key in (0, 1) else v[key] for v in values]
        m.row(label, r.shown(shown[0]), r.shown(shown[1]), basis)
        for party in (0, 1):
            assigned = [v.get('assigned', [None, None])[party] for v in values]
            if key in (party, 'gross') and assigned[0] is not None:
                m.row(AID_ROWS[party][0], *assigned, basis, html=AID_ROWS[party][1])


def table(amount, switches):
    """The table of the report for `amount` and the switch words `switches`."""
    if '-scheidung' in switches:
        return divorce_table(switches)
    html = '-h' in switches
    settlement = '-V' in switches
    show = shown_sections(switches)
    if '-berufungK' in switches or '-berufungB' in switches:
        show = {'m': False, 'k': True, 'b': True, 'r': False}
    reform = [w for w in switches if w in ('-2021', '-2025')]
    proceeding = LABOUR if '-arbeit' in switches else CIVIL
    days = days_of(switches)
    r = InCents(amount, reform[0], proceeding, days) if reform else Of2013(amount)
    shares = [share_won(w) for w in switches if w.startswith('-O')]
    risk = CostRisk(shares[0], switches, proceeding) if shares else None
    around = Around(switches) if reform and Around(switches).words else None
    # An appeal taken as a decision: the first instance and the appeal alone.
    appeal = None
    if '-berufungK' in switches or '-berufungB' in switches:
        a = 0 if '-berufungK' in switches else 1
        successes = [share_won('-O' + w[7:]) for w in switches if w.startswith('-erfolg')]
        success = successes[-1] if successes else (0, 100, 0)
        won, of, _ = risk.won, risk.of, risk.places
        within, final = appeal_shares((won, of, risk.places), success, a)
        appeal = {'appellant': a, 'first': (won, of, risk.places), 'success': success,
                  'within': within, 'final': final, 'costs': {},
                  'value': -(-(100 * min(amount, CAP) * (of - won if a == 0 else won)) // of)}
    m = Model(r, html, settlement, '&#8364;' if html and '-E' in switches else 'Euro')
    net = ('-vorsteuerK' in switches, '-vorsteuerB' in switches)
    m.column_header()
    basis = r.basis
    shown_amount, fee_basis, fees = r.base()
    m.row('Streitwert:', shown_amount, 0, 0)
    if r.capped:
        m.line('Der Streitwert zählt höchstens mit 30.000.000 %s (§ 39 Abs. 2 GKG; § 22 Abs. 2 RVG '
               'für einen Auftraggeber in derselben Angelegenheit).')
    m.row('Gerichtsgebühr:', *fees[0], fee_basis)
    m.row('Anwaltsgebühr:', *fees[1], fee_basis)
    lawyers = ['Anwaltskosten des Klägers:', 'Anwaltskosten des Beklagten:']
    lawyer_fees = [r.matter_fees(c, 0) for c in r.columns] if around else []
    if around and any(around.rate) and (show['m'] or show['k']):
        m.heading(1, 'Vorgerichtliche Tätigkeit')
        for party in (0, 1):
            if around.rate[party]:
                m.row(lawyers[party], *[around.business(f, party)[1] for f in lawyer_fees], basis)
    if around and any(around.aid) and show['k']:
        # The application refused, named for the side that applied; after
        # the claimant's no lawsuit: the 1,0 fee of VV 3335.
        m.heading(1, {(1, 0): 'Prozesskostenhilfe des Klägers abgelehnt, keine Klage',
                      (0, 1): 'Prozesskostenhilfe des Beklagten abgelehnt',
                      (1, 1): 'Prozesskostenhilfe beider Parteien abgelehnt, keine Klage'}[
                          tuple(int(bool(a)) for a in around.aid)])
        for party in (0, 1):
            if around.aid[party]:
                m.row(lawyers[party], *[around.bill(half_up(f.instance[party] * (10 + around.raised(party)), 10),
                                                    0)[1] for f in lawyer_fees], basis)
    if show['m'] or (around and around.mahn and show['k']):
        m.heading(1, 'Mahnverfahren')
        after_objection = around is not None and around.mahn
        po = r.payment_order(after_objection)
        if after_objection and not proceeding['owed after objection']:
            m.row('Keine Gerichtsgebühr (Mahnbescheid, Widerspruch):', po[0], po[1], basis)
        else:
            label = court_label(proceeding['payment order'])
            m.row(label + ' 1)', po[0], po[1], basis, 1,
                  html=m.label(label) + ' <sup><a href="#Mindest">1</a></sup>')
        if around and around.mahn:
            for party in (0, 1):
                m.row(lawyers[party], *[around.payment_order(f, party, True)[1]
                                        for f in lawyer_fees], basis)
    totals = {}
    for index, (heading, judgement, settle) in enumerate(proceeding['sections']):
        if not show['kbrr'[index]]:
            continue
        endings = ([e for e in proceeding['endings'] if e[0] in switches]
                   if reform and index == 0 else [])
        decided = appeal is not None and index == 1
        # An appeal taken as a decision at its own value: cents round up to
        # a started step of the fee tables.
        rs = InCents(-(-appeal['value'] // 100), reform[-1], proceeding, days) if decided else r
        basis = rs.basis
        m.heading(1, heading)
        if decided:
            m.row('Wert der Berufung:', appeal['value'], 0, 0)
        if settlement or endings or decided:
            m.heading(2, 'Verfahren mit streitigem Urteil')
        for variant, (kc, kl, kl_label, rates) in enumerate((judgement, settle)):
            if variant == 1:
                if not settlement:
                    break
                m.heading(2, 'Verfahren mit Prozeßvergleich')
            # A party without a lawyer in the first instance has none in its
            # process costs.
            present = [index > 0 or '-ohne' + p not in switches for p in 'KB']
            values = rs.block(kc, kl, rates, index == 0, around or Around(switches), sum(present),
                              index)
            court = court_label(kc)
            if around is None and not r.lawyers_differ(index):
                process = {(True, True): 'Prozeßkosten: Gerichtskosten + 2 * Anwaltskosten:',
                           (True, False): 'Prozeßkosten ohne Anwalt des Beklagten:',
                           (False, True): 'Prozeßkosten ohne Anwalt des Klägers:',
                           (False, False): 'Prozeßkosten ohne Anwälte:'}[tuple(present)]
                rows = [('court', court), ('lawyer', kl_label + ' Anwaltsgebühren:'),
                        ('gross', kl_label + ' Anwaltsgebühren + Auslagenpauschale + MwSt:'),
                        ('process', process)]
            else:
                case = around or EMPTY_AROUND
                if index == 0 and case.mahn and proceeding['owed after objection']:
                    court = court[:-1] + ', abzüglich Mahnverfahren:'
                rows = [('court', court)]
                if index == 0 and sum(case.evidence):
                    rows.append(('evidence', 'Zeugen und Sachverständige (KV 9005):'))
                if index == 0 or case.clients[0] != case.clients[1] or r.lawyers_differ(index):
                    rows += [(party, label) for party, label in enumerate(lawyers)]
                else:
                    rate = '%d,%d' % divmod(int(kl.replace('.', '')) + around.raised(0), 10)
                    rows += [('lawyer', rate + ' Anwaltsgebühren:'),
                             ('gross', rate + ' Anwaltsgebühren + Auslagenpauschale + MwSt:')]
                rows.append(('process', 'Prozeßkosten: Gerichtskosten + beide Anwälte:'))
            block_rows(m, rs, rows, values, basis)
            if variant == 1:
                m.row('Prozeßkosten: 50 % Anteil für jede Partei:',
                      r.half(values[0]['process']), r.half(values[1]['process']), basis, 1)
                if risk:
                    risk.settlement(m, values, index == 0, basis, around)
            else:
                if risk:
                    risk.judgement(m, values, index, basis, around, appeal=appeal)
                for s in (0, 1):
                    p = values[s]['process']
                    if around and (index == 0 or any(net)):
                        p = borne_costs(values[s], index == 0, around, net)
                    if risk and any(around.aid if around else ()):
                        p = risk.in_all[s]
                    if index == 0:
                        totals[('a', s)] = r.total(p)
                    else:
                        totals[('arg'[index - 1], s)] = r.total(p, totals.get(('a', s), 0))
        if decided:
            # Withdrawn before its grounds: the court fee of KV 1221 (1,0) or
            # KV 8221 (0,8), the appellant's lawyer 1,6 (VV 3200), the
            # respondent's 1,1 (VV 3201), all borne by the appellant (§ 516
            # Abs. 3 ZPO).
            m.heading(2, 'Berufung vor der Begründung zurückgenommen')
            sides = [(16,), (11,)] if appeal['appellant'] == 0 else [(11,), (16,)]
            case = around or Around(switches)
            values = []
            for column in rs.columns:
                fee = rs.matter_fees(column, 1)
                bills = [case.instance(fee, p, sides[p], False, True) for p in (0, 1)]
                court = half_up(rs.fee(column.courts[1], 'court') * proceeding['withdrawn'], 10)
                values.append({'court': court, 'bills': bills, 'fee': fee, 'rates': sides,
                               'process': court + bills[0][1] + bills[1][1]})
            block_rows(m, rs, [('court', court_label(proceeding['withdrawn'])), (0, lawyers[0]),
                               (1, lawyers[1]),
                               ('process', 'Prozeßkosten: Gerichtskosten + beide Anwälte:')],
                       values, basis)
            if risk:
                risk.judgement(m, values, 1, basis, around, appeal['appellant'], appeal)
        basis = r.basis
        for _, ending_heading, kc, sides, bearer in endings:
            m.heading(2, ending_heading)
            values = r.ending(kc, sides, around or Around(switches))
            court = court_label(kc)
            rows = [('court', court[:-1] + (', abzüglich Mahnverfahren:' if around and around.mahn
                                            and proceeding['owed after objection'] else ':'))]
            rows += [(party, label) for party, label in enumerate(lawyers)]
            rows.append(('process', 'Prozeßkosten: Gerichtskosten + beide Anwälte:'))
            block_rows(m, r, rows, values, basis)
            if risk:
                risk.judgement(m, values, 0, basis, around, bearer)
    if appeal is not None:
        m.heading(1, 'Gesamtkosten mehrerer Instanzen')
        m.row('Gesamtkosten mit Berufung:', totals[('a', 0)], totals[('a', 1)], basis, -1)
        risk.totals(m, html, basis, appeal_only=True)
        appeal_decision(m, min(amount, CAP), appeal)
    elif show['k'] and show['b'] and show['r']:
        m.heading(1, 'Gesamtkosten mehrerer Instanzen')
        labels = [('Gesamtkosten mit Berufung:', 'Gesamtkosten mit Berufung:'),
                  ('Gesamtkosten mit Berufung und Revision:',
                   'Gesamtkosten mit Berufung und Revision:'),
                  ('Gesamtkosten mit Berufung u. Revision v. d. BGH:',
                   'Gesamtkosten mit Berufung und Revision vor dem BGH:')]
        for key, (text_label, html_label) in zip(proceeding['totals'], labels):
            m.row(html_label if html else text_label,
                  r.shown(totals[(key, 0)]), r.shown(totals[(key, 1)]), basis, -1)
        if risk:
            risk.totals(m, html, basis)
    text = ''.join(m.out)
    return text if html else text.encode('cp850').decode('latin-1')


# A divorce with its attached matters (law.md, "Divorce"), -2025 alone: the
# value of the divorce (§ 43 FamGKG), its bounds and the court practice on
# children and assets, the pension equalisation (§ 50), custody and contact
# (§ 44 Abs. 2) by the edition's cap, their sum at most 30 million; one
# court fee of 2,0 (KV 1110), each lawyer 1,3 + 1,2; the costs cancelled.
DIVORCE = {'months': 3, 'least': 300000, 'most': 100000000, 'pension': 10, 'pension least': 100000,
           'matter': 20, 'matter most': {'2021': 400000, '2025': 500000}, 'child': 25000,
           'assets': 5, 'spouse': 6000000, 'per child': 3000000}


def euros_of(text):
    """The cents of an amount as the words spell it: 3000, 2.500,50, 2500.50."""
    match = re.fullmatch(r'(\d{1,3}(?:\.\d{3})+|\d+)(?:([,.])(\d{1,2}))?', text)
    whole, mark, cents = match.groups()
    assert not (mark == '.' and '.' in whole)
    return int(whole.replace('.', '')) * 100 + int((cents or '0').ljust(2, '0'))


class Divorce:
    """The values of a divorce under each edition of -2025; with the case's
    days the first column's court fee and values by the pending day, each
    lawyer by its mandate (§ 63 Abs. 1 FamGKG, § 60 Abs. 1 RVG)."""
    exact = True
    dates = ('31.05.2025', '01.06.2025')

    def __init__(self, switches):
        self.days = days_of(switches)
        columns = [Column('2021', self.days), Column('2025')]
        self.editions = [c.courts[0] for c in columns]
        self.lawyers = [c.lawyers[0] for c in columns]
        word = lambda prefix: next((w[len(prefix):] for w in switches if w.startswith(prefix)),
                                   None)
        self.income = DIVORCE['months'] * (euros_of(word('-nettoK')) + euros_of(word('-nettoB')))
        self.rights = int(word('-anrechte') or 0)
        children, assets = word('-kinder'), word('-vermoegen')
        value = self.income
        if children is not None:
            value -= DIVORCE['months'] * int(children) * DIVORCE['child']
        if assets is not None:
            allowances = 2 * DIVORCE['spouse'] + int(children or 0) * DIVORCE['per child']
            value += half_up(max(euros_of(assets) - allowances, 0) * DIVORCE['assets'], 100)
        self.divorce = min(max(value, DIVORCE['least']), DIVORCE['most'])
        self.pension = (max(self.rights * half_up(self.income * DIVORCE['pension'], 100),
                            DIVORCE['pension least']) if self.rights else None)
        matter = lambda: [min(half_up(self.divorce * DIVORCE['matter'], 100),
                              DIVORCE['matter most'][e]) for e in self.editions]
        self.custody = matter() if '-sorge' in switches else None
        self.contact = matter() if '-umgang' in switches else None
        self.sum = [min(self.divorce + (self.pension or 0) + sum(m[i] for m in (self.custody,
                        self.contact) if m), CAP * 100) for i in (0, 1)]
        self.basis = -(-self.sum[1] // 100)

    @staticmethod
    def fee(edition, kind, cents):
        value = -(-cents // 100)
        rows = PUBLISHED[(edition, kind)]
        top, fee = rows[-1]
        return next((f for up_to, f in rows if value <= up_to),
                    fee + -(-(value - top) // 50000) * ABOVE[(edition, kind)])

    def bill(self, i, tenths, assigned=False, side=0):
        value = -(-self.sum[i] // 100)
        e = self.lawyers[i][side]
        fee = self.fee(e, 'lawyer', self.sum[i])
        if assigned and value > 4000:
            fee = 100 * next(f for up_to, f in ASSIGNED[e] if up_to is None or value <= up_to)
        fees = half_up(fee * tenths, 10)
        net = fees + min(half_up(fees * 20, 100), 2000)
        return net + half_up(net * 19, 100)


def divorce_block(m, d, switches, court_tenths, lawyer_tenths, bearer):
    """A block of the divorce: its court fee and bills, then what each spouse
    and the state bear; `bearer` None: the costs cancelled."""
    aided = ['-pkhK' in switches, '-pkhB' in switches]
    lawyers = [True, '-anwaltB' in switches]
    court = [half_up(d.fee(e, 'court', d.sum[i]) * court_tenths, 10)
             for i, e in enumerate(d.editions)]
    m.row(court_label(court_tenths), *court, d.basis)
    bills, assigned = [[0, 0], [0, 0]], [[0, 0], [0, 0]]
    for side, name in enumerate(('Antragstellers', 'Antragsgegners')):
        if not lawyers[side]:
            continue
        bills[side] = [d.bill(i, lawyer_tenths, False, side) for i in (0, 1)]
        m.row('Anwaltskosten des %s:' % name, *bills[side], d.basis)
        if aided[side]:
            assigned[side] = [d.bill(i, lawyer_tenths, True, side) for i in (0, 1)]
            m.row('Staatskasse zahlt Anwalt des %s:' % name, *assigned[side], d.basis)
    borne, state = [[0, 0], [0, 0]], [0, 0]
    for i in (0, 1):
        if bearer is None:
            halves = [half_up(court[i], 2), court[i] - half_up(court[i], 2)]
            for side in (0, 1):
                if aided[side]:
                    state[i] += halves[side] + assigned[side][i]
                else:
                    borne[side][i] = halves[side] + bills[side][i]
        else:
            other = 1 - bearer
            if aided[bearer]:
                state[i] = court[i] + assigned[bearer][i]
            else:
                borne[bearer][i] = court[i] + bills[bearer][i]
            borne[bearer][i] += bills[other][i]
    m.row('Antragsteller trägt insgesamt:', *borne[0], d.basis)
    m.row('Antragsgegner trägt insgesamt:', *borne[1], d.basis)
    if any(aided):
        m.row('Staatskasse trägt insgesamt:', *state, d.basis)
    return court, aided


def divorce_table(switches):
    """The table of a divorce's report."""
    html = '-h' in switches
    d = Divorce(switches)
    m = Model(d, html, False, '&#8364;' if html and '-E' in switches else 'Euro',
              'Verfahrenswertes')
    m.column_header()
    m.heading(1, 'Scheidung mit Folgesachen vor dem Familiengericht')
    m.row('Wert der Scheidung (§ 43 FamGKG):', d.divorce, d.divorce, d.basis)
    if d.pension is not None:
        m.row('Wert des Versorgungsausgleichs (§ 50 FamGKG):', d.pension, d.pension, d.basis)
    if d.custody:
        m.row('Wert der elterlichen Sorge (§ 44 FamGKG):', *d.custody, d.basis)
    if d.contact:
        m.row('Wert des Umgangs (§ 44 FamGKG):', *d.contact, d.basis)
    m.row('Verfahrenswert (§ 44 Abs. 1 FamGKG):', *d.sum, d.basis)
    withdrawn = '-ruecknahme' in switches
    if withdrawn:
        m.heading(2, 'Verfahren mit Scheidungsbeschluss')
    court, aided = divorce_block(m, d, switches, 20, 25, None)
    # The advance: 2,0 on the divorce value alone, before service; at the
    # end half the fee each.
    paid = [0 if aided[0] else half_up(d.fee(e, 'court', d.divorce) * 20, 10) for e in d.editions]
    own = [half_up(c, 2) for c in court]
    beyond = [max(p - o, 0) for p, o in zip(paid, own)]
    short = [max(o - p, 0) for p, o in zip(paid, own)]
    if not aided[0]:
        m.row('Vorschuss des Antragstellers vor Zustellung:', *paid, d.basis)
    if not aided[1]:
        m.row('Antragsgegner zahlt der Staatskasse nach:',
              *[c - o - b for c, o, b in zip(court, own, beyond)], d.basis)
    if not any(aided):
        m.row('Antragsgegner erstattet dem Antragsteller:', *beyond, d.basis)
    if not aided[0] and any(short):
        m.row('Antragsteller zahlt der Staatskasse nach:', *short, d.basis)
    if withdrawn:
        m.heading(2, 'Scheidungsantrag zurückgenommen')
        divorce_block(m, d, switches, 5, 13, 0)
    text = ''.join(m.out)
    return text if html else text.encode('cp850').decode('latin-1')


def divorce_day_cases(seed=20261216, count=150):
    """Divorces by their dates: the pending day and the spouses' mandates at
    random around the change of 01.06.2025."""
    generator = random.Random(seed)
    change = datetime.date(2025, 6, 1).toordinal()
    day = lambda n: datetime.date.fromordinal(n).strftime('%d.%m.%Y')
    cases = []
    for amount, switches in generator.sample(divorce_cases(), count):
        pending = change + generator.randrange(-200, 200)
        words = ['-anhaengig' + day(pending)]
        for side in 'KB':
            if generator.randrange(2):
                words.append('-auftrag%s%s' % (side, day(pending + generator.randrange(-90, 90))))
        switches = list(switches)
        for word in words:
            switches.insert(generator.randrange(len(switches) + 1), word)
        cases.append((amount, switches))
    return cases


def divorce_cases(seed=20261213, count=400):
    """Divorces at random: incomes spelt as amounts are, from nothing to the
    caps, pension rights, custody and contact, the court practice, one or
    two lawyers, the withdrawal and legal aid."""
    generator = random.Random(seed)

    def income():
        cents = generator.choice([0, generator.randrange(100, 200000), generator.randrange(10 ** 9),
                                  generator.randrange(10 ** 11)])
        whole, rest = divmod(cents, 100)
        kind = generator.randrange(4)
        if kind == 0 or (kind == 1 and rest == 0):
            return '%d' % whole
        if kind == 1:
            return '%d,%02d' % (whole, rest)
        if kind == 2:
            return '%d.%02d' % (whole, rest)
        return '{:,}'.format(whole).replace(',', '.') + ',%02d' % rest

    cases = []
    for _ in range(count):
        switches = ['-scheidung', '-2025', '-nettoK' + income(), '-nettoB' + income()]
        if generator.randrange(4):
            switches.append('-anrechte%d' % generator.choice([0, 1, 2, 4, generator.randrange(31)]))
        if generator.randrange(4) == 0:
            switches.append('-kinder%d' % generator.randrange(21))
        if generator.randrange(4) == 0:
            switches.append('-vermoegen' + income())
        switches += [w for w in ('-sorge', '-umgang', '-anwaltB', '-ruecknahme', '-pkhK', '-pkhB',
                                 '-h') if generator.randrange(3) == 0]
        if '-h' in switches and generator.randrange(2):
            switches.append('-E')
        generator.shuffle(switches)
        cases.append((None, switches))
    return cases


def program_table(program, amount, switches):
    amount = [] if amount is None else [str(amount)]
    run = subprocess.run([program, *amount, *switches, '-A'], capture_output=True, check=True)
    out = run.stdout.decode('latin-1')
    if '-h' in switches:
        return out[out.index('<table>\n') + 8:out.index('</table>\n')]
    return out[out.index('=' * 81 + '\n'):]


def amounts():
    bounds = [300, 500, 1500, 2000, 5000, 10000, 25000, 50000, 200000, 500000]
    picked = {0, 1, -1, -1000, 115000, 2**17, 2**24, 2**24 + 1, 2**31 - 1, -2**31, 1000000}
    for b in bounds:
        picked.update({b - 1, b, b + 1})
    for b in range(200000, 500001, 30000):
        picked.update({b, b + 1})
    generator = random.Random(20130801)
    for _ in range(150):
        picked.add(generator.randrange(0, 1000000))
    for _ in range(60):
        picked.add(generator.randrange(-2**31, 2**31))
    for _ in range(40):
        picked.add(int(10 ** generator.uniform(5, 9.3)) % 2**31)
    return sorted(picked)


def cost_risk_cases():
    """Reforms with a share won: random amounts, per cents with and without
    decimals, fractions, the parties' switches and the sections."""
    generator = random.Random(20260101)
    shares = ['-O0', '-O100', '-O100,00', '-O0/1', '-O1/1', '-O3/4', '-O60', '-O60%', '-O33,33',
              '-O95', '-O50', '-O999999/999999']
    cases = []
    for _ in range(400):
        kind = generator.randrange(4)
        if kind == 0:
            share = '-O%d%s' % (generator.randrange(101), generator.choice(['', '%']))
        elif kind == 1:
            share = '-O%d%s%0*d' % (generator.randrange(100), generator.choice(',.'),
                                    *generator.choice([(1, generator.randrange(10)),
                                                       (2, generator.randrange(100))]))
        elif kind == 2:
            of = generator.randrange(1, 10 ** generator.randrange(1, 7))
            share = '-O%d/%d' % (generator.randrange(of + 1), of)
        else:
            share = generator.choice(shares)
        switches = [generator.choice(['-2021', '-2025']), share]
        switches += [w for w in ('-ohneK', '-ohneB', '-vorsteuerK', '-vorsteuerB', '-V', '-h')
                     if generator.randrange(3) == 0]
        switches += generator.choice([[], [], [], ['-k'], ['-b'], ['-r'], ['-m']])
        amount = generator.choice([generator.randrange(1, 100000), generator.randrange(1, 10 ** 8),
                                   generator.choice([1, 500, 5000, 10000, CAP, CAP + 1])])
        cases.append((amount, switches))
    return cases


def around_cases(seed=20251209, count=400):
    """Reforms around the lawsuit: business fees, a payment order, clients and
    evidence at random, with and without a share won and the parties'
    switches, in every section."""
    generator = random.Random(seed)
    cases = []
    for _ in range(count):
        switches = [generator.choice(['-2021', '-2025'])]
        for side in 'KB':
            if generator.randrange(2):
                switches.append('-G' + side + generator.choice(
                    ['', '%d' % generator.randrange(1, 3),
                     '%d%s%d' % (generator.randrange(3), generator.choice(',.'),
                                 generator.randrange(10))]))
            if generator.randrange(3) == 0:
                switches.append('-auftraggeber%s%d' % (side, generator.choice(
                    [1, 2, 3, 7, 8, 9, 99])))
            if generator.randrange(3) == 0:
                switches.append('-beweis%s%d%s' % (side, generator.randrange(10 ** 6),
                                                    generator.choice(['', ',5', '.05'])))
        if generator.randrange(2):
            switches.append('-mahn')
        if generator.randrange(3):
            switches.append(generator.choice(['-O60', '-O0', '-O100', '-O1/3', '-O33,33']))
            switches += [w for w in ('-ohneK', '-ohneB', '-vorsteuerK', '-vorsteuerB')
                         if generator.randrange(3) == 0]
        switches += [w for w in ('-V', '-h') if generator.randrange(3) == 0]
        switches += generator.choice([[], [], ['-k'], ['-b'], ['-r'], ['-m']])
        # Only valid rates: 0,5 to 2,5.
        switches = [w for w in switches
                    if not re.fullmatch(r'-G[KB](?:\d[,.]?\d?)?', w) or w[3:] == '' or
                    50 <= int(w[3:].replace(',', '').replace('.', '').ljust(2, '0')) * 10 <= 250]
        # A party's clients change nothing where it has no lawyer in the
        # report: the program refuses the word.
        for side in 'KB':
            if ('-ohne' + side in switches and not any(w.startswith('-G' + side) for w in switches)
                    and ('-k' in switches or '-m' in switches)):
                switches = [w for w in switches if not w.startswith('-auftraggeber' + side)]
        amount = generator.choice([generator.randrange(1, 100000), generator.randrange(1, 10 ** 8),
                                   generator.choice([1, 500, 5000, 10000, CAP + 1])])
        cases.append((amount, switches))
    return cases


def ending_cases():
    """Reforms whose first instance ends early: one to three endings at
    random, alone or around the lawsuit, with and without a share won."""
    generator = random.Random(20261209)
    words = [e[0] for e in ENDINGS]
    cases = []
    for amount, switches in around_cases(20261209, 250) + cost_risk_cases()[:150]:
        endings = generator.sample(words, generator.randrange(1, 4))
        for word in endings:
            switches.insert(generator.randrange(1, len(switches) + 1), word)
        cases.append((amount, switches))
    return cases


def aid_cases(seed=20261210, count=300):
    """Legal aid for either side or both, at random: with and without a
    share won, the settlement, the endings, each section, several clients,
    and for a party without aid a business fee or no lawyer."""
    generator = random.Random(seed)
    cases = []
    for _ in range(count):
        aided = generator.choice([['-pkhK'], ['-pkhB'], ['-pkhK', '-pkhB']])
        switches = ['-2025', *aided]
        for side in 'KB':
            if '-pkh' + side in aided:
                continue
            if generator.randrange(3) == 0:
                switches.append('-G' + side + generator.choice(['', '2', '0,5']))
            if generator.randrange(4) == 0:
                switches.append('-ohne' + side)
        for side in 'KB':
            if generator.randrange(4) == 0:
                switches.append('-auftraggeber%s%d' % (side, generator.choice([2, 3, 9])))
        if generator.randrange(4):
            switches.append(generator.choice(['-O60', '-O0', '-O100', '-O1/3', '-O33,33', '-O99,99']))
        switches += [w for w in ('-V', '-h', '-ruecknahme', '-anerkenntnis', '-versaeumnis')
                     if generator.randrange(3) == 0]
        switches += generator.choice([[], [], ['-k'], ['-b'], ['-r']])
        # A party's clients change nothing where it has no lawyer in the report.
        for side in 'KB':
            if ('-ohne' + side in switches and not any(w.startswith('-G' + side) for w in switches)
                    and '-k' in switches):
                switches = [w for w in switches if not w.startswith('-auftraggeber' + side)]
        # Without a share, no party's switch.
        if not any(w.startswith('-O') for w in switches):
            switches = [w for w in switches if not w.startswith('-ohne')]
        amount = generator.choice([generator.randrange(1, 100000), generator.randrange(1, 10 ** 8),
                                   generator.choice([1, 4000, 4001, 5000, 10000, 50001, 80001])])
        generator.shuffle(switches)
        cases.append((amount, switches))
    return cases


def appeal_cases(seed=20261211, count=300):
    """An appeal taken as a decision: either appellant, a share won by which
    it lost something, its success as a per cent, with decimals, a fraction
    or none, alone or with the case around the lawsuit, the endings and the
    settlement."""
    generator = random.Random(seed)
    cases = []
    for amount, switches in around_cases(seed, count):
        switches = [w for w in switches if w not in ('-k', '-b', '-r', '-m') and
                    not w.startswith('-O')]
        appellant = generator.choice('KB')
        share = generator.choice(['-O60', '-O1/3', '-O33,33', '-O99,99', '-O1', '-O999/1000',
                                  '-O%d' % generator.randrange(1, 100)])
        switches += [share, '-berufung' + appellant]
        kind = generator.randrange(5)
        if kind == 1:
            switches.append('-erfolg%d' % generator.randrange(101))
        elif kind == 2:
            switches.append('-erfolg%d,%02d' % (generator.randrange(100), generator.randrange(100)))
        elif kind == 3:
            of = generator.randrange(1, 10 ** generator.randrange(1, 7))
            switches.append('-erfolg%d/%d' % (generator.randrange(of + 1), of))
        switches += [w for w in ('-ruecknahme', '-versaeumnis', '-k', '-b')
                     if generator.randrange(5) == 0]
        generator.shuffle(switches)
        cases.append((amount, switches))
    return cases


def day_cases(seed=20261214, count=400):
    """The case by its dates (-2025): the cost risk, the case around the
    lawsuit, the endings, legal aid, the appeal as a decision and the labour
    courts, each with days at random around the change of 01.06.2025, in
    their order: the pending day, each side's mandate and pre-trial mandate,
    the appeal's and the revision's day; law.md's worked case."""
    generator = random.Random(seed)
    drawn = (cost_risk_cases()[:100] + around_cases(seed, 100) + ending_cases()[:60] +
             aid_cases(seed, 60) + appeal_cases(seed, 80) + labour_cases(seed, 60))
    change = datetime.date(2025, 6, 1).toordinal()
    day = lambda n: datetime.date.fromordinal(n).strftime('%d.%m.%Y')
    cases = []
    for amount, switches in generator.sample(drawn, min(count, len(drawn))):
        switches = ['-2025' if w == '-2021' else w for w in switches]
        if '-2025' not in switches:
            switches.append('-2025')
        pending = change + generator.randrange(-300, 300)
        words = ['-anhaengig' + day(pending)]
        for side in 'KB':
            mandate = pending
            if generator.randrange(2):
                mandate = pending + generator.randrange(-60, 60)
                words.append('-auftrag%s%s' % (side, day(mandate)))
            if generator.randrange(3) == 0:
                words.append('-vorgericht%s%s' % (side, day(mandate - generator.randrange(300))))
        appeal = pending + generator.randrange(400)
        if generator.randrange(2):
            words.append('-berufungAm' + day(appeal))
        if generator.randrange(3) == 0:
            words.append('-revisionAm' + day(appeal + generator.randrange(300)))
        for word in words:
            switches.insert(generator.randrange(1, len(switches) + 1), word)
        cases.append((amount, switches))
    cases.append((10000, ['-2025', '-O60', '-berufungB', '-anhaengig15.03.2024', '-auftragK01.03.2024',
                          '-auftragB01.04.2024', '-berufungAm10.01.2026']))
    return cases


def labour_cases(seed=20261212, count=450):
    """The labour courts (-arbeit, with -2025): the cost risk, the case around
    the lawsuit, the endings, legal aid and the appeal as a decision, each
    drawn as for the civil lawsuit."""
    generator = random.Random(seed)
    drawn = (cost_risk_cases()[:120] + around_cases(seed, 120) + ending_cases()[:80] +
             aid_cases(seed, 80) + appeal_cases(seed, 80))
    cases = []
    for amount, switches in generator.sample(drawn, min(count, len(drawn))):
        switches = ['-2025' if w == '-2021' else w for w in switches]
        if '-2025' not in switches:
            switches.append('-2025')
        switches.insert(generator.randrange(1, len(switches) + 1), '-arbeit')
        cases.append((amount, switches))
    # law.md's worked lines: a dismissal at 3.000 gross a month.
    cases += [(9000, ['-2025', '-arbeit', '-O100', '-V', '-k']),
              (9000, ['-2025', '-arbeit', '-O0', '-V', '-k', '-h'])]
    return cases


def main():
    program = sys.argv[1]
    switch_sets = [[], ['-V'], ['-k'], ['-b', '-V'], ['-r'], ['-m'], ['-h'], ['-h', '-E', '-V']]
    reform_sets = [['-2025', '-V'], ['-2021', '-V'], ['-2025', '-h', '-E'], ['-2025', '-2025', '-m']]
    cases = [(amount, switches) for amount in amounts() for switches in switch_sets
             if switches in ([], ['-V']) or amount % 7 == 0 or abs(amount) <= 10**6]
    cases += [(amount, switches) for amount in amounts() + [CAP, CAP + 1, 45000000, 10**15]
              for switches in reform_sets if amount >= 1]
    cases += cost_risk_cases()
    cases += around_cases()
    cases += ending_cases()
    cases += aid_cases()
    cases += appeal_cases()
    cases += labour_cases()
    cases += day_cases()
    cases += divorce_cases()
    cases += divorce_day_cases()
    for amount, switches in cases:
        expected = table(amount, switches)
        actual = program_table(program, amount, switches)
        if expected != actual:
            for i, (a, b) in enumerate(zip(expected.splitlines(), actual.splitlines())):
                if a != b:
                    print('amount %s %s, line %d:\n  model:   %r\n  program: %r'
                          % (amount, ' '.join(switches), i + 1, a, b))
                    break
            else:
                print('amount %s %s: lengths differ' % (amount, ' '.join(switches)))
            return 1
    print('%d passed, 0 failed' % len(cases))
    return 0


if __name__ == '__main__':
    sys.exit(main())
