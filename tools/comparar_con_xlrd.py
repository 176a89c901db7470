#!/usr/bin/python3
"""Cross-checks `kaldoren20 celdas` against xlrd, an independent .xls reader.

Usage: /usr/bin/python3 tools/comparar_con_xlrd.py [--programa PATH] FILE_OR_FOLDER...

For every .xls file given (folders are searched recursively) both readers list
every cell that holds a value, in the JSON form of `kaldoren20 celdas`, and the
two lists are compared cell by cell. xlrd's cells are put in our terms first:
  - a date cell is a day count since 30/12/1899 (plus 1462 in a 1904 workbook),
    written YYYY-MM-DDTHH:MM:SS with the seconds rounded; one outside the years
    100-9999 is a number;
  - a number that is not finite is the error #NUM!;
  - blank cells are left out.
Numbers are compared as doubles. A file both readers refuse counts as agreeing.
Prints one line per file and a summary; exits 1 when some file differs.
"""

import argparse
import datetime
import json
import math
import os
import subprocess
import sys

import xlrd

DEFAULT_PROGRAM = os.path.join(os.path.dirname(__file__), "..", "build", "kaldoren20")
EPOCH = datetime.datetime(1899, 12, 30)
MAX_SHOWN = 5


def round_half_away(x):
    return int(math.copysign(math.floor(abs(x) + 0.5), x))


def date_text(day_count):
    """Our text of a day count, or None when it falls outside years 100-9999."""
    try:
        moment = EPOCH + datetime.timedelta(seconds=round_half_away(day_count * 86400))
    except OverflowError:
        return None
    if not 100 <= moment.year <= 9999:
        return None
    return moment.strftime("%Y-%m-%dT%H:%M:%S").rjust(19, "0")


def xlrd_cell(cell, datemode):
    """(tipo, valor) of an xlrd cell, or None for an empty or blank one."""
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return None
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return ("texto", cell.value)
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return ("logico", bool(cell.value))
    if cell.ctype == xlrd.XL_CELL_ERROR:
        return ("error", xlrd.error_text_from_code.get(cell.value, "#ERR%d" % cell.value))
    value = float(cell.value)
    if not math.isfinite(value):
        return ("error", "#NUM!")
    if cell.ctype == xlrd.XL_CELL_DATE:
        text = date_text(value + (1462 if datemode == 1 else 0))
        if text is not None:
            return ("fecha", text)
    return ("numero", value)


def read_with_xlrd(path):
    book = xlrd.open_workbook(path)
    cells = {}
    for sheet in book.sheets():
        for row in range(sheet.nrows):
            for column, cell in enumerate(sheet.row(row)):
                value = xlrd_cell(cell, book.datemode)
                if value is not None:
                    cells[(sheet.name, row, column)] = value
    return cells


def read_with_program(program, path):
    run = subprocess.run([program, "celdas", path], capture_output=True, timeout=120)
    if run.returncode != 0:
        raise RuntimeError(run.stderr.decode("utf-8", "replace").strip())
    cells = {}
    for line in run.stdout.decode("utf-8").splitlines():
        cell = json.loads(line)
        value = cell["valor"]
        if cell["tipo"] == "numero":
            value = float(value)
        cells[(cell["hoja"], cell["fila"], cell["columna"])] = (cell["tipo"], value)
    return cells


def differences(ours, theirs):
    found = []
    for key in sorted(set(ours) | set(theirs), key=lambda k: (k[0], k[1], k[2])):
        a, b = ours.get(key), theirs.get(key)
        if a != b:
            found.append("%s!%d,%d: kaldoren20 %r, xlrd %r" % (key[0], key[1], key[2], a, b))
    return found


def compare(program, path):
    """(agrees, text) for one file."""
    try:
        theirs = read_with_xlrd(path)
        xlrd_error = None
    except Exception as error:  # xlrd refuses many damaged files in many ways
        theirs, xlrd_error = None, "%s: %s" % (type(error).__name__, error)
    try:
        ours = read_with_program(program, path)
        our_error = None
    except RuntimeError as error:
        ours, our_error = None, str(error)
    if our_error and xlrd_error:
        return True, "ambos lo rechazan: kaldoren20 «%s»; xlrd %s" % (our_error, xlrd_error)
    if our_error:
        return False, "kaldoren20 lo rechaza («%s»), xlrd lo lee" % our_error
    if xlrd_error:
        return False, "xlrd lo rechaza (%s), kaldoren20 lee %d celdas" % (xlrd_error, len(ours))
    found = differences(ours, theirs)
    if not found:
        return True, "iguales: %d celdas" % len(ours)
    shown = "\n    ".join(found[:MAX_SHOWN])
    more = "\n    ... y %d más" % (len(found) - MAX_SHOWN) if len(found) > MAX_SHOWN else ""
    return False, "%d diferencias de %d celdas:\n    %s%s" % (len(found), len(ours), shown, more)


def xls_files(arguments):
    for argument in arguments:
        if os.path.isdir(argument):
            for folder, _, names in sorted(os.walk(argument)):
                for name in sorted(names):
                    if name.lower().endswith(".xls"):
                        yield os.path.join(folder, name)
        else:
            yield argument


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--programa", default=DEFAULT_PROGRAM)
    parser.add_argument("paths", nargs="+")
    options = parser.parse_args()
    agreeing = differing = 0
    for path in xls_files(options.paths):
        agrees, text = compare(options.programa, path)
        agreeing += agrees
        differing += not agrees
        print("%s %s: %s" % ("OK " if agrees else "DIF", path, text))
    print("%d archivos coinciden, %d difieren" % (agreeing, differing))
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
