#!/usr/bin/python3
"""Writes a declaration-shaped workbook of 65,000 teacher rows for the reading
benchmark (about 18 MB; not committed).

Usage: /usr/bin/python3 bench/generar_planilla_grande.py [FILE]
(default: bench/data/planilla_grande.xls)

Sheets DATOSEMP (13 rows), PAGOS (13 rows) and DATOSDOC (65,000 rows: 5,000
teachers over 13 periods) with the columns the checks read: texts (periods,
names, CUIL, codes), whole numbers (order, document number, seniority), amounts
with cents and date cells (birth, entry, leaving), as a real declaration holds
them. The content is made up and always the same.
"""

import datetime
import os
import random
import sys

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FILE = os.path.join(HERE, "data", "planilla_grande.xls")
TEACHERS = 5000
PERIODS = ["2004/%02d" % m for m in range(1, 13)] + ["2004/12 SAC"]

DATE = xlwt.easyxf(num_format_str="dd/mm/yyyy")
AMOUNT = xlwt.easyxf(num_format_str="#,##0.00")
HEADER = xlwt.easyxf("font: bold on")

DOC_COLUMNS = ["PERLIQ", "ORDEN", "KALDOREN", "PROVISORIO", "ORIGINAL", "RECTIFICATIVA",
               "TIPODOC", "NRODOC", "CUIL", "APENOM", "FECNAC", "SEXO", "FINGEMP", "FECBAJA",
               "LICS/S", "MODREV", "FUN", "CATRE", "ANOS", "MESES", "C_APORTE", "PER_ZOL",
               "PAT_ZOL", "OBSERVACIONES"]
EMP_COLUMNS = ["PERLIQ", "KALDOREN", "PROVISORIO", "ESTABLECIMIENTO", "DISTRITO", "NIVEL",
               "EXPEDIENTE", "URBANO", "RURAL", "RESOLUCION", "DOMICILIO", "LOCALIDAD",
               "PROPIETARIO", "RLEGAL", "TIPODOCP", "NRODOCP", "TIPODOCR", "NRODOCR"]
EMPLOYER_ROW = ["(periodo)", 2743, "", "Instituto Santa Brígida", "CAÑUELAS", "EGB", "25900-1574838/04",
                "X", 0, "", "Av. Libertad 1234", "Cañuelas", "Asociación Civil Santa Brígida",
                "Marta Pérez", "DNI", 20123456, "DNI", 21234567]
SURNAMES = ["GONZALEZ", "RODRIGUEZ", "GOMEZ", "FERNANDEZ", "LOPEZ", "DIAZ", "MARTINEZ", "PEREZ",
            "GARCIA", "SANCHEZ", "ROMERO", "SOSA", "TORRES", "ALVAREZ", "RUIZ", "NUÑEZ"]
NAMES = ["MARIA", "JUAN", "ANA", "CARLOS", "LAURA", "JOSE", "SILVIA", "JORGE", "ROSA", "LUIS"]


def cuil(prefix, document):
    """A labour code with its right check digit (one in fifty rows gets a wrong one)."""
    digits = "%02d%08d" % (prefix, document)
    total = sum(int(d) * int(w) for d, w in zip(digits, "5432765432"))
    check = 11 - total % 11
    return "%02d-%08d-%d" % (prefix, document, 0 if check >= 10 else check)


def teacher(rng, number):
    document = rng.randint(10_000_000, 40_000_000)
    return {
        "nrodoc": document,
        "cuil": cuil(27, document) if number % 50 else "27-%08d-0" % document,
        "apenom": "%s %s %s (%d)" % (rng.choice(SURNAMES), rng.choice(NAMES), rng.choice(NAMES),
                                     number),
        "fecnac": datetime.datetime(rng.randint(1950, 1985), rng.randint(1, 12), rng.randint(1, 28)),
        "fingemp": datetime.datetime(rng.randint(1975, 2003), rng.randint(1, 12), rng.randint(1, 28)),
        "sexo": rng.choice("MF"),
        "modrev": rng.choice("TPS"),
        "fun": rng.choice(["MG", "PR", "DI", "SE", "BI"]),
        "catre": rng.choice(["H12", "H24", "C01", "C02", "D10"]),
        "anos": rng.randint(0, 35),
        "salary": round(rng.uniform(300, 2500), 2),
    }


def write_header(sheet, columns):
    for c, name in enumerate(columns):
        sheet.write(0, c, name, HEADER)


def write_teacher_row(sheet, r, period, order, t):
    amount = t["salary"]
    values = [
        (period, None), (order, None), (2743, None), ("", None), ("X", None), ("", None),
        ("DNI", None), (t["nrodoc"], None), (t["cuil"], None), (t["apenom"], None),
        (t["fecnac"], DATE), (t["sexo"], None), (t["fingemp"], DATE),
        (datetime.datetime(1899, 12, 30), DATE), (0, None), (t["modrev"], None),
        (t["fun"], None), (t["catre"], None), (t["anos"], None), (order % 12, None),
        (amount, AMOUNT), (round(amount * 0.14, 2), AMOUNT), (round(amount * 0.16, 2), AMOUNT),
        ("Ad honorem" if order % 97 == 0 else "sin novedad", None),
    ]
    for c, (value, style) in enumerate(values):
        if value == "":
            continue
        if style is None:
            sheet.write(r, c, value)
        else:
            sheet.write(r, c, value, style)


def build():
    rng = random.Random(2004)
    book = xlwt.Workbook(encoding="utf-8")
    employer = book.add_sheet("DATOSEMP")
    payments = book.add_sheet("PAGOS")
    doc = book.add_sheet("DATOSDOC")
    write_header(employer, EMP_COLUMNS)
    write_header(payments, ["PERLIQ", "KALDOREN", "PROVISORIO", "FECVTO", "FECPAGO", "PAGO"])
    for r, period in enumerate(PERIODS, start=1):
        for c, value in enumerate(EMPLOYER_ROW):
            if value != "":
                employer.write(r, c, period if c == 0 else value)
        payments.write(r, 0, period)
        payments.write(r, 1, 2743)
        payments.write(r, 3, datetime.datetime(2004, min(r, 12), 10), DATE)
        payments.write(r, 4, datetime.datetime(2004, min(r, 12), 8), DATE)
        payments.write(r, 5, 123456.78, AMOUNT)
    write_header(doc, DOC_COLUMNS)
    teachers = [teacher(rng, n) for n in range(TEACHERS)]
    row = 1
    for period in PERIODS:
        for order, t in enumerate(teachers, start=1):
            write_teacher_row(doc, row, period, order, t)
            row += 1
    return book


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FILE
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    build().save(path)
    print("%s: %.1f MB" % (path, os.path.getsize(path) / 1e6))


if __name__ == "__main__":
    main()
