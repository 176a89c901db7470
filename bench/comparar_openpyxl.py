#!/usr/bin/python3
"""Compares the cells our reader sees in .xlsx files ("kaldoren20 celdas")
with what openpyxl (Debian's python3-openpyxl, read-only mode) reads, cell by
cell: place, kind and value. Prints each difference and a summary.

Usage: /usr/bin/python3 bench/comparar_openpyxl.py KALDOREN20 FILE.xlsx...

openpyxl's own conventions are undone before comparing: it turns a date cell
into a datetime with the 1900 leap-year rule (serials below 61 moved a day)
and serial 0 into a bare time, so its dates are taken back to serials with
its own to_excel; errors come as their texts, booleans as bool.
"""

import datetime
import json
import subprocess
import sys

import openpyxl
from openpyxl.utils.datetime import to_excel

EPOCH = datetime.datetime(1899, 12, 30)


def ours(program, path):
    run = subprocess.run([program, "celdas", path], capture_output=True, text=True)
    if run.returncode != 0:
        return None, run.stderr.strip()
    cells = {}
    for line in run.stdout.splitlines():
        c = json.loads(line)
        value = c["valor"]
        if c["tipo"] == "fecha":
            value = (datetime.datetime.fromisoformat(value) - EPOCH).total_seconds() / 86400
        cells[(c["hoja"], c["fila"], c["columna"])] = (c["tipo"], value)
    return cells, None


def theirs(path, date1904):
    book = openpyxl.load_workbook(path, read_only=True, data_only=True)
    cells = {}
    for sheet in book.worksheets:
        for row in sheet.iter_rows():
            for cell in row:
                value = getattr(cell, "value", None)
                if value is None or not hasattr(cell, "row"):
                    continue
                place = (sheet.title, cell.row - 1, cell.column - 1)
                if cell.data_type == "e":
                    cells[place] = ("error", value)
                elif isinstance(value, bool):
                    cells[place] = ("logico", value)
                elif isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
                    serial = to_excel(value, epoch=book.epoch) if not isinstance(
                        value, datetime.time) else to_excel(value)
                    cells[place] = ("fecha", serial + (1462 if date1904 else 0))
                elif isinstance(value, (int, float)):
                    cells[place] = ("numero", value)
                else:
                    cells[place] = ("texto", str(value))
    return cells


def same(a, b):
    if a[0] != b[0]:
        return False
    if isinstance(a[1], float) or isinstance(b[1], float):
        return abs(float(a[1]) - float(b[1])) <= 1e-5 * max(1.0, abs(float(b[1])))
    return a[1] == b[1]


def main():
    program, files = sys.argv[1], sys.argv[2:]
    agree = differ = refused = unread = cells_total = 0
    for path in files:
        mine, error = ours(program, path)
        if mine is None:
            print("%s: rechazado: %s" % (path, error))
            refused += 1
            continue
        try:
            book = openpyxl.load_workbook(path, read_only=True)
            date1904 = book.epoch != openpyxl.utils.datetime.CALENDAR_WINDOWS_1900
            other = theirs(path, date1904)
        except Exception as error:  # the other reader's failure, not ours
            print("%s: openpyxl no lo lee (%s); nosotros: %d celdas" % (path, error, len(mine)))
            unread += 1
            continue
        notes = []
        for place in sorted(set(mine) | set(other), key=str):
            a, b = mine.get(place), other.get(place)
            if a is None or b is None or not same(a, b):
                notes.append("  %s: nuestro %r, openpyxl %r" % (place, a, b))
        cells_total += len(mine)
        if notes:
            differ += 1
            print("%s: %d diferencias" % (path, len(notes)))
            print("\n".join(notes[:8]))
        else:
            agree += 1
    print("%d archivos iguales celda por celda (%d celdas), %d con diferencias, %d rechazados, "
          "%d que openpyxl no lee" % (agree, cells_total, differ, refused, unread))


if __name__ == "__main__":
    main()
