#!/usr/bin/python3
"""Writes a declaration whose teacher rows fail almost every check, for timing
the PDF of a report of more than 2,000 pages (not committed).

Usage: /usr/bin/python3 bench/generar_informe_largo.py [FILE] [ROWS]
(default: bench/data/informe_largo.xls, 46,000 rows: some 2,200 report pages)

Every sheet has all the columns the checks read. DATOSDOC rows carry only a
period (one of 3,000 months, so that each failing check lists many periods),
an order number and a name; every other cell is empty, which most rules
report.
"""

import os
import sys

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from generar_planilla_grande import DOC_COLUMNS, EMP_COLUMNS, EMPLOYER_ROW, write_header  # noqa: E402

PERIODS = ["%04d/%02d" % (1800 + n // 12, n % 12 + 1) for n in range(3000)]


def build(rows):
    book = xlwt.Workbook(encoding="utf-8")
    employer = book.add_sheet("DATOSEMP")
    payments = book.add_sheet("PAGOS")
    doc = book.add_sheet("DATOSDOC")
    write_header(employer, EMP_COLUMNS)
    for c, value in enumerate(EMPLOYER_ROW):
        if value != "":
            employer.write(1, c, PERIODS[0] if c == 0 else value)
    write_header(payments, ["PERLIQ", "KALDOREN", "PROVISORIO", "FECVTO", "FECPAGO", "PAGO"])
    write_header(doc, DOC_COLUMNS)
    for r in range(1, rows + 1):
        doc.write(r, 0, PERIODS[r % len(PERIODS)])
        doc.write(r, 1, r)
        doc.write(r, DOC_COLUMNS.index("APENOM"), "DOCENTE %d" % r)
    return book


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "data", "informe_largo.xls")
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 46000
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    build(rows).save(path)
    print("%s: %d filas" % (path, rows))


if __name__ == "__main__":
    main()
