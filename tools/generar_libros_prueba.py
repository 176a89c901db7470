#!/usr/bin/python3
"""Writes the small test workbooks of testdata/generados/ with xlwt.

Usage: /usr/bin/python3 tools/generar_libros_prueba.py [FOLDER]

xlwt (Debian's python3-xlwt) writes real Excel 97-2003 (BIFF8) files: texts go
to the shared string table (split over CONTINUE records when long), numbers to
RK or NUMBER records, dates to numbers under a date format. The files are
committed, so the tests do not need Python; run this again only to change
them, and update the tests that read them. What each file holds is written
beside its builder below and checked by src/workbook/WorkbookReader_test.cpp.
"""

import datetime
import os
import sys

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FOLDER = os.path.join(HERE, "..", "testdata", "generados")


def style(number_format):
    return xlwt.easyxf(num_format_str=number_format)


def fechas(dates_1904):
    """One sheet FECHAS. Column 0 describes the cell of column 1:
    row 1: 15/03/2004 under dd/mm/yyyy
    row 2: 15/03/2004 13:45:30 under dd/mm/yyyy hh:mm:ss
    row 3: 0.5 under hh:mm (a time alone is a date cell: 12:00 of day 0)
    row 4: 29/02/1904 under the built-in format 14 (m/d/yy)
    row 5: 1234.5 under #,##0.00 (a number)
    row 6: 3 under 0 "días" (the d is quoted: a number)
    row 7: 2.5 under [Red]0.00 (the bracket is not a token: a number)
    row 8: 31/12/9999 23:59:59 under dd/mm/yyyy hh:mm:ss (the last second)
    """
    book = xlwt.Workbook()
    book.dates_1904 = dates_1904
    sheet = book.add_sheet("FECHAS")
    rows = [
        ("fecha", datetime.datetime(2004, 3, 15), "dd/mm/yyyy"),
        ("fecha y hora", datetime.datetime(2004, 3, 15, 13, 45, 30), "dd/mm/yyyy hh:mm:ss"),
        ("hora", 0.5, "hh:mm"),
        ("bisiesto", datetime.datetime(1904, 2, 29), "M/D/YY"),
        ("importe", 1234.5, "#,##0.00"),
        ("dias", 3, '0 "días"'),
        ("rojo", 2.5, "[Red]0.00"),
        ("ultimo segundo", datetime.datetime(9999, 12, 31, 23, 59, 59), "dd/mm/yyyy hh:mm:ss"),
    ]
    sheet.write(0, 0, "DESCRIPCION")
    sheet.write(0, 1, "VALOR")
    for r, (description, value, number_format) in enumerate(rows, start=1):
        sheet.write(r, 0, description)
        sheet.write(r, 1, value, style(number_format))
    return book


def tipos():
    """One sheet TIPOS, row r holding in column 1 the kind named in column 0:
    1 entero 25900 (RK), 2 decimal 0.1 (NUMBER), 3 grande 1e20, 4 negativo -2.5,
    5 verdadero TRUE, 6 falso FALSE, 7 div0 #DIV/0!, 8 nd #N/A, 9 formula
    =1+1 (xlwt stores no result: an empty text), 10 entero grande 123456789012,
    11 centavos 12.34 (an RK scaled by 100); row 12 has a formatted blank in
    column 3 and nothing else, so the used range reaches column 3 and row 12.
    """
    book = xlwt.Workbook()
    sheet = book.add_sheet("TIPOS")
    sheet.write(0, 0, "TIPO")
    sheet.write(0, 1, "VALOR")
    values = [
        ("entero", 25900),
        ("decimal", 0.1),
        ("grande", 1e20),
        ("negativo", -2.5),
        ("verdadero", True),
        ("falso", False),
    ]
    for r, (name, value) in enumerate(values, start=1):
        sheet.write(r, 0, name)
        sheet.write(r, 1, value)
    sheet.write(7, 0, "div0")
    sheet.row(7).set_cell_error(1, 0x07)
    sheet.write(8, 0, "nd")
    sheet.row(8).set_cell_error(1, 0x2A)  # by code: xlwt maps some error texts wrongly
    sheet.write(9, 0, "formula")
    sheet.write(9, 1, xlwt.Formula("1+1"))
    sheet.write(10, 0, "entero grande")
    sheet.write(10, 1, 123456789012)
    sheet.write(11, 0, "centavos")
    sheet.write(11, 1, 12.34)
    sheet.write(12, 3, "", style("General"))
    return book


LONG_LATIN = "".join("Línea %05d de un texto largo, con eñes y acentos. " % i for i in range(200))
LONG_WIDE = "".join("第%05d行：長い文字列。" % i for i in range(700))


def textos():
    """One sheet TEXTOS with the texts of TEXTS below in column 0, one a row
    from row 0: long ones that the shared string table splits over CONTINUE
    records (one of 8-bit characters, one of 16-bit ones), rich text, texts
    that JSON must escape, and characters outside the Basic Multilingual
    Plane (a surrogate pair in the file)."""
    book = xlwt.Workbook()
    sheet = book.add_sheet("TEXTOS")
    for r, text in enumerate(TEXTS):
        sheet.write(r, 0, text)
    sheet.write_rich_text(len(TEXTS), 0, [("negrita ", xlwt.Font()), ("y normal", xlwt.Font())])
    return book


TEXTS = [
    "Cañuelas",
    "ÁÉÍÓÚ áéíóú ü ç €",
    LONG_LATIN,
    LONG_WIDE,
    'comillas "dobles" y \\ barra',
    "tabulador\ty\nsalto",
    "Ελληνικά και русский",
    "emoji \U0001F600 fin",
    LONG_LATIN[::-1],
]


def hojas():
    """Sheets in this order: "Año 2004" (a hidden sheet with one text),
    "VACIA" (no cells), "BORDES" (25 at row 0 col 0, 7 at row 65535 col 255,
    a text at row 3 col 2 and nothing between: ragged rows)."""
    book = xlwt.Workbook()
    first = book.add_sheet("Año 2004")
    first.write(0, 0, "oculta")
    first.visibility = 1
    book.add_sheet("VACIA")
    edges = book.add_sheet("BORDES")
    edges.write(0, 0, 25)
    edges.write(3, 2, "medio")
    edges.write(65535, 255, 7)
    return book


HOSTILE_TEXTS = {
    "comillas": 'Comillas "dobles", \'simples\' y \\barras\\ invertidas',
    "script": '<script>alert("x")</script> & ]]>',
    "control": "control\x01\x02\x07\x0b\x1b fin\ttab",
    "formula": '=HYPERLINK("http://x")',
    "escape": "_x0041_ no es una A",
}


def hostil():
    """A declaration whose texts hold quotes, backslashes, control characters,
    markup and a formula-looking text, each in a cell that fails its check.
    DATOSDOC starts at row 3, column C (its used range is not at A1)."""
    t = HOSTILE_TEXTS
    book = xlwt.Workbook()
    date = style("dd/mm/yyyy")
    emp = book.add_sheet("DATOSEMP")
    emp_cols = ["PERLIQ", "KALDOREN", "PROVISORIO", "ESTABLECIMIENTO", "DISTRITO", "NIVEL",
                "EXPEDIENTE", "URBANO", "RURAL", "RESOLUCION", "DOMICILIO", "LOCALIDAD",
                "PROPIETARIO", "RLEGAL", "TIPODOCP", "NRODOCP", "TIPODOCR", "NRODOCR"]
    emp_row = ["2004/03", 2743, "", t["formula"], t["script"], t["control"], t["comillas"], "X",
               0, "", t["escape"], "", t["comillas"], "", "DNI", 1, t["script"], 2]
    for c, (name, value) in enumerate(zip(emp_cols, emp_row)):
        emp.write(0, c, name)
        emp.write(1, c, value)
    pagos = book.add_sheet("PAGOS")
    for c, (name, value) in enumerate(zip(
            ["PERLIQ", "KALDOREN", "PROVISORIO", "FECVTO", "FECPAGO", "PAGO"],
            ["2004/03", 2743, "", t["script"], t["formula"], 10])):
        pagos.write(0, c, name)
        pagos.write(1, c, value)
    doc = book.add_sheet("DATOSDOC")
    doc_cols = ["PERLIQ", "ORDEN", "KALDOREN", "PROVISORIO", "ORIGINAL", "RECTIFICATIVA",
                "TIPODOC", "NRODOC", "CUIL", "FECNAC", "SEXO", "APENOM", "FINGEMP", "FECBAJA",
                "LICS/S", "MODREV", "FUN", "CATRE", "ANOS", "MESES", "C_APORTE", "PER_ZOL",
                "PAT_ZOL", "OBSERVACIONES"]
    doc_row = ["2004/03", 1, 2743, "", "X", "", t["formula"], 20123456, t["control"], 25000,
               t["control"], t["comillas"], 36000, 0, 0, "T", t["script"], t["escape"], 1, 2,
               1000, 140, 160, t["script"]]
    for c, (name, value) in enumerate(zip(doc_cols, doc_row)):
        doc.write(2, 2 + c, name)
        if name in ("FECNAC", "FINGEMP", "FECBAJA"):
            doc.write(3, 2 + c, value, date)
        else:
            doc.write(3, 2 + c, value)
    return book


BOOKS = {
    "fechas_1900.xls": lambda: fechas(False),
    "fechas_1904.xls": lambda: fechas(True),
    "tipos.xls": tipos,
    "textos.xls": textos,
    "hojas.xls": hojas,
    "declaracion_hostil.xls": hostil,
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    os.makedirs(folder, exist_ok=True)
    for name, build in BOOKS.items():
        path = os.path.join(folder, name)
        build().save(path)
        print(path)


if __name__ == "__main__":
    main()
