include(${CMAKE_CURRENT_LIST_DIR}/PdfChecks.cmake)
run_script(offer.scn ../scenario/data/price/cost.csv)
expect_output("print dialog -> printed.pdf")
expect_output("save dialog -> offer.pdf")
expect_output("save dialog -> offer.xlsx")
expect_output("save dialog -> offer.offer")
expect_output("question: Предложение № 101226-1530 изменено. Сохранить изменения? -> no")
expect_output("message: Файл \"cost.csv\" не является файлом предложения. Открытое предложение не изменилось.")
# Opened again, the offer shows what it showed when it was saved.
expect_output("StringGrid1.Row[3] = 3|Труба 325×8|30|шт.|30|339|21,201|договорная|договорная|1")
expect_output("Label9.Text = Стоимость: 10 064 785,00 руб. без учёта позиций с договорной ценой")
# The table, the totals and the transport shown before the offer was saved, and again when
# it was opened after it had been discarded: the same lines in the same order.
string(REPLACE ";" "<semicolon>" shown "${runner_output}")
string(REGEX MATCHALL "StringGrid1\\.Row\\[[0-9]+\\] = [^\n]*|Label(8|9|11|12|13|14)\\.Text = [^\n]*"
    figures "${shown}")
# Before: 4 rows and 6 labels; discarded: 2 rows; opened again: 4 rows and 6 labels.
list(LENGTH figures count)
if(NOT count EQUAL 23)
    message(FATAL_ERROR "unexpected figures shown (${count}):\n${runner_output}")
endif()
list(SUBLIST figures 0 10 before)
list(SUBLIST figures 12 10 after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "the offer opened again shows other figures:\n${before}\n${after}")
endif()
list(GET figures 11 discarded)
if(NOT discarded STREQUAL "StringGrid1.Row[1] = |||||||||")
    message(FATAL_ERROR "the discarded offer left a position: ${discarded}")
endif()
# "Копировать": the table as tab-separated lines, which a spreadsheet takes as columns,
# then the lines under the table (totals, VAT, the sum in words, transport), a cell each.
expect_output("clipboard: №\tНаименование\tКол-во\tЕд.\tТруб, шт.\tДлина, м\tМасса, т\tЦена, руб./т\tСтоимость, руб.\tТС\\n1\tТруба 530×8 ст.17Г1С ГОСТ 20295-85\t1000\tм\t88\t1000\t104,01\t78 500,00\t8 164 785,00\t4\\n2\tТруба 219×10 ст.20 ГОСТ 8732-78\t25\tт\t42\t485,06\t25\t76 000,00\t1 900 000,00\t1\\n3\tТруба 325×8\t30\tшт.\t30\t339\t21,201\tдоговорная\tдоговорная\t1\\n\\nИтого: 150,211 т, 1824,06 м, 160 шт.\\nСтоимость: 10 064 785,00 руб. без учёта позиций с договорной ценой\\nв том числе НДС 22 %: 1 814 961,23 руб.\\nДесять миллионов шестьдесят четыре тысячи семьсот восемьдесят пять рублей 00 копеек\\nТранспорт (стандартный полувагон): 6 ТС; не менее 3 ТС по грузоподъёмности\\nЦены по прайсу от 10.12.2026\\n")
expect_lines(offer.pdf offer.txt)
expect_lines(printed.pdf offer.txt)
# A letter to a client: no heading of the program's printouts.
execute_process(COMMAND pdftotext -enc UTF-8 ${WORK}/offer.pdf - OUTPUT_VARIABLE text)
if(text MATCHES "Напечатано")
    message(FATAL_ERROR "offer.pdf carries the heading of a printout:\n${text}")
endif()

# The workbook, as a spreadsheet program reads it: values, number formats and formulas.
expect_offer_workbook(offer.xlsx)
