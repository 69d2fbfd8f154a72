"""Reads the offer's workbook back as a spreadsheet program would and checks every
position, its number formats and the totals' formulas. Usage: offer_workbook.py FILE"""
import sys

import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1]).active
rows = [[cell for cell in row] for row in sheet.iter_rows()]
by_text = {cell.value: cell for row in rows for cell in row if isinstance(cell.value, str)}
faults = []


def expect(what, got, wanted):
    if got != wanted:
        faults.append(f"{what}: {got!r}, not {wanted!r}")


heading = by_text["Наименование"].row
names = {2: "Труба 530×8 ст.17Г1С ГОСТ 20295-85", 3: "Труба 219×10 ст.20 ГОСТ 8732-78",
         4: "Труба 325×8"}
# Each position: number, quantity, pipes, length, mass, price, cost, vehicles.
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
        expect(f"{column}{r}", sheet[f"{column}{r}"].value, value)
first, last = heading + 1, heading + len(positions)
expect("mass format", sheet[f"G{first}"].number_format, "#,##0.000")
expect("price format", sheet[f"H{first}"].number_format, "#,##0.00")
expect("cost format", sheet[f"I{first}"].number_format, "#,##0.00")
expect("pipes format", sheet[f"E{first}"].number_format, "#,##0")

totals = last + 1
expect("totals caption", sheet[f"B{totals}"].value, "Итого")
for column in "EFGIJ":
    expect(f"{column}{totals}", sheet[f"{column}{totals}"].value,
           f"=SUM({column}{first}:{column}{last})")
expect("cost total format", sheet[f"I{totals}"].number_format, "#,##0.00")
vat = totals + 1
expect("VAT rate", sheet[f"C{vat}"].value, 22)
expect("VAT", sheet[f"I{vat}"].value, f"=ROUND(I{totals}*C{vat}/(100+C{vat}),2)")
# The results a spreadsheet program shows before it computes anything itself: the values
# the workbook keeps beside its formulas.
values = openpyxl.load_workbook(sys.argv[1], data_only=True).active
for column, wanted in zip("EFGIJ", (160, 1824.06, 150.211, 10064785, 6)):
    expect(f"{column}{totals} value", values[f"{column}{totals}"].value, wanted)
expect("VAT value", values[f"I{vat}"].value, 1814961.23)
for line in ("Стоимость: 10 064 785,00 руб. без учёта позиций с договорной ценой",
             "в том числе НДС 22 %: 1 814 961,23 руб.",
             "Десять миллионов шестьдесят четыре тысячи семьсот восемьдесят пять рублей 00 копеек",
             "Транспорт (стандартный полувагон): 6 ТС; не менее 3 ТС по грузоподъёмности",
             "Цены по прайсу от 10.12.2026",
             "Клиент: ООО \"Трубстрой\""):
    if line not in by_text:
        faults.append(f"no line {line!r}")
if sheet.column_dimensions["B"].width < 30:
    faults.append("the name column is too narrow to read")

if faults:
    print("\n".join(faults))
    sys.exit(1)
