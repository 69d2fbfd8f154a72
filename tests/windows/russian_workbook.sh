#!/usr/bin/env bash
# The offer's workbook made by the Windows program in a prefix as a Russian Windows has it
# (decimal comma, a user named "Иван") reads back with every number a number.
#   tests/windows/russian_workbook.sh RUNNER.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runner=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d /tmp/tesmarik-ru-workbook-XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$here/../pdf/offer.scn" "$here/../scenario/data/price/cost.csv" "$work/"
cd "$work"
if ! TESMARIK_WINE_RUSSIAN=1 "$here/wine-run.sh" "$runner" <offer.scn >out.txt 2>err.txt ||
    ! grep -q "save dialog -> offer.xlsx" out.txt; then
    cat out.txt err.txt >&2
    echo "FAIL the runner made no workbook in the Russian prefix" >&2
    exit 1
fi
/usr/bin/python3 "$here/../pdf/offer_workbook.py" offer.xlsx
echo "ok   the workbook made in the Russian prefix reads back with numbers as numbers"
