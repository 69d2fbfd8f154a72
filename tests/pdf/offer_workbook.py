"""Reads the offer's workbook back as a spreadsheet program would and checks every
position, its number formats, the page set-up, and that its formulas compute: a small
evaluator works the sheet's formulas out, as a spreadsheet program does, before and after
a quantity and the VAT rate are changed. Usage: offer_workbook.py FILE"""
import re
import sys
from decimal import ROUND_HALF_UP, Decimal

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
values = openpyxl.load_workbook(sys.argv[1], data_only=True).active
by_text = {cell.value: cell for row in sheet.iter_rows() for cell in row
           if isinstance(cell.value, str) and not cell.value.startswith("=")}
faults = []


def expect(what, got, wanted):
    if isinstance(wanted, float) and isinstance(got, (int, float)):
        if abs(got - wanted) > 1e-9 * max(1, abs(wanted)):
            faults.append(f"{what}: {got!r}, not {wanted!r}")
    elif got != wanted:
        faults.append(f"{what}: {got!r}, not {wanted!r}")


class Sheet:
    """The sheet's cells worked out from their formulas; `changed` overrides cells."""

    TOKEN = re.compile(r'\s*(?:(?P<num>\d+(?:\.\d+)?(?:E[-+]?\d+)?)|"(?P<str>[^"]*)"|'
                       r'(?P<range>[A-Z]+\d+:[A-Z]+\d+)|(?P<ref>[A-Z]+\d+)|(?P<fn>[A-Z]+)\(|'
                       r'(?P<op>[-+*/&=(),]))')

    def __init__(self, changed):
        self.changed = changed
        self.memo = {}

    def __getitem__(self, name):
        if name not in self.memo:
            raw = self.changed.get(name, sheet[name].value)
            self.memo[name] = self.formula(raw[1:]) if isinstance(raw, str) and \
                raw.startswith("=") else raw
        return self.memo[name]

    def formula(self, text):
        tokens = []
        at = 0
        while at < len(text):
            m = self.TOKEN.match(text, at)
            if not m:
                raise ValueError(f"cannot read {text[at:]!r}")
            tokens.append((m.lastgroup, m.group(m.lastgroup)))
            at = m.end()
        parser = Parser(self, tokens)
        value = parser.compare()
        if parser.at != len(tokens):
            raise ValueError(f"left over in {text!r}")
        return value


class Parser:
    """One formula's tokens, read by precedence: comparison, &, + -, * /."""

    def __init__(self, cells, tokens):
        self.cells = cells
        self.tokens = tokens
        self.at = 0

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else (None, None)

    def take(self, op):
        if self.peek() == ("op", op):
            self.at += 1
            return True
        return False

    def compare(self):
        left = self.concat()
        if self.take("="):
            return left == self.concat()
        return left

    def concat(self):
        value = self.additive()
        while self.take("&"):
            value = text_of(value) + text_of(self.additive())
        return value

    def additive(self):
        value = self.term()
        while True:
            if self.take("+"):
                value += self.term()
            elif self.take("-"):
                value -= self.term()
            else:
                return value

    def term(self):
        value = self.factor()
        while True:
            if self.take("*"):
                value *= self.factor()
            elif self.take("/"):
                value /= self.factor()
            else:
                return value

    def factor(self):
        kind, token = self.peek()
        self.at += 1
        if kind == "num":
            return float(token)
        if kind == "str":
            return token
        if kind == "ref":
            value = self.cells[token]
            return 0 if value is None else value
        if kind == "range":
            return [self.cells[c.coordinate] for row in sheet[token] for c in row]
        if kind == "op" and token == "(":
            value = self.compare()
            self.take(")")
            return value
        if kind == "op" and token == "-":
            return -self.factor()
        if kind == "fn":
            args = []
            while not self.take(")"):
                args.append(self.compare())
                self.take(",")
            return FUNCTIONS[token](*args)
        raise ValueError(f"unexpected {token!r}")


def text_of(value):
    if isinstance(value, float) and value == int(value):
        return str(int(value))
    return str(value)


def round_half_up(x, digits, rounding=ROUND_HALF_UP):
    # Spreadsheets round the decimal they show (15 digits), away from zero on a half.
    exact = Decimal(repr(x)).quantize(Decimal(1).scaleb(-int(digits)), rounding=rounding)
    return float(exact)


FUNCTIONS = {
    "SUM": lambda cells: sum(v for v in cells if isinstance(v, (int, float))),
    "ROUND": round_half_up,
    "ROUNDUP": lambda x, digits: round_half_up(x, digits, "ROUND_UP"),
    "INT": lambda x: float(int(x // 1)),
    "IF": lambda test, yes, no: yes if test else no,
}

heading = by_text["Наименование"].row
names = {2: "Труба 530×8 ст.17Г1С ГОСТ 20295-85", 3: "Труба 219×10 ст.20 ГОСТ 8732-78",
         4: "Труба 325×8"}
# Each position as the window shows it: number, quantity, pipes, length, mass, price, cost,
# vehicles.
positions = [
    (1, 1000, 88, 1000, 104.01, 78500, 8164785, 4),
    (2, 25, 42, 485.06, 25, 76000, 1900000, 1),
    (3, 30, 30, 339, 21.201, "договорная", "договорная", 1),
]
columns = "ACEFGHIJ"
for i, wanted in enumerate(positions):
    r = heading + 1 + i
    expect(f"B{r}", sheet[f"B{r}"].value, names[i + 2])
    for column, value in zip(columns, wanted):
        expect(f"{column}{r} value", values[f"{column}{r}"].value, value)
first, last = heading + 1, heading + len(positions)
# The rows compute: length, mass and cost are formulas, not figures.
for column in "EFGI":
    if not str(sheet[f"{column}{first}"].value).startswith("="):
        faults.append(f"{column}{first} is no formula: {sheet[f'{column}{first}'].value!r}")
expect("mass format", sheet[f"G{first}"].number_format, "#,##0.000")
expect("price format", sheet[f"H{first}"].number_format, "#,##0.00")
expect("cost format", sheet[f"I{first}"].number_format, "#,##0.00")
expect("pipes format", sheet[f"E{first}"].number_format, "#,##0")
expect("border", sheet[f"I{first}"].border.left.style, "thin")

totals = last + 1
vat = totals + 1
expect("totals caption", sheet[f"B{totals}"].value, "Итого")
for column in "EFGIJ":
    expect(f"{column}{totals}", sheet[f"{column}{totals}"].value,
           f"=SUM({column}{first}:{column}{last})")
expect("cost total format", sheet[f"I{totals}"].number_format, "#,##0.00")
expect("VAT rate", sheet[f"C{vat}"].value, 22)
expect("VAT caption", values[f"B{vat}"].value, "в том числе НДС 22 %")
for column, wanted in zip("EFGIJ", (160, 1824.06, 150.211, 10064785, 6)):
    expect(f"{column}{totals} value", values[f"{column}{totals}"].value, wanted)
expect("VAT value", values[f"I{vat}"].value, 1814961.23)

# Worked out by the formulas, every figure is the one the workbook keeps beside them.
worked = Sheet({})
for row in sheet.iter_rows():
    for cell in row:
        if isinstance(cell.value, str) and cell.value.startswith("="):
            expect(f"{cell.coordinate} computed", worked[cell.coordinate],
                   values[cell.coordinate].value)

# A client changes the first quantity to 2000 m, the third to 31 pipes and the rate to 0:
# the rows, the totals and the VAT follow (the window's figures for the same offer).
changed = Sheet({f"C{first}": 2000, f"C{last}": 31, f"C{vat}": 0})
for name, wanted in ((f"E{first}", 176.0), (f"F{first}", 2000.0), (f"G{first}", 208.02),
                     (f"I{first}", 16329570.0), (f"E{last}", 31.0), (f"F{last}", 350.3),
                     (f"G{totals}", 208.02 + 25 + round_half_up(350.3 * 62.54 / 1000, 3)),
                     (f"I{totals}", 18229570.0), (f"I{vat}", 0), (f"B{vat}", "Без НДС")):
    expect(f"{name} after the change", changed[name], wanted)
taxed = Sheet({f"C{first}": 2000})
expect("VAT after the change", taxed[f"I{vat}"], round_half_up(18229570 * 22 / 122, 2))

# The page: A4 across, the columns on one page's width, the heading on every page.
expect("orientation", sheet.page_setup.orientation, "landscape")
expect("paper", str(sheet.page_setup.paperSize), "9")
expect("fit to the page", sheet.sheet_properties.pageSetUpPr.fitToPage, True)
expect("pages wide", sheet.page_setup.fitToWidth or 1, 1)  # absent: one
expect("pages high", sheet.page_setup.fitToHeight, 0)  # as many as it takes
expect("heading on every page", sheet.print_title_rows, f"${heading}:${heading}")

# Under the table, no text states a figure the formulas would leave behind.
for row in sheet.iter_rows(min_row=totals + 1):
    for cell in row:
        if isinstance(cell.value, str) and not cell.value.startswith("=") and (
                re.search(r"руб\.|рубл|\d+ ТС|\d т\b", cell.value)):
            faults.append(f"{cell.coordinate} states a figure: {cell.value!r}")
for line in ("ООО \"Тесмарик-Трубы\"", "Клиент: ООО \"Трубстрой\"", "Цены по прайсу от 10.12.2026",
             "Условия оплаты: 100 % предоплата", "Тел.: +7 (000) 000-00-02, e-mail: "
             "ivanov@tesmarik.example"):
    if line not in by_text:
        faults.append(f"no line {line!r}")
if sheet.column_dimensions["B"].width < 30:
    faults.append("the name column is too narrow to read")

if faults:
    print("\n".join(faults))
    sys.exit(1)
