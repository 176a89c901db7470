#!/usr/bin/python3
"""Reads what "kaldoren20 verificar --hallazgos --marcada --json" writes with
other programs' libraries: each document against docs/hallazgos.schema.json
(jsonschema), the same as HALLAZGOS.JSON, "inconsistencias" true exactly when
the exit status is 1; the marked copy with openpyxl: the list first, headers
bold and frozen, each cell a finding names filled light red with a note of
the finding, texts as texts (never formulas).

Usage: hallazgos_externos.py KALDOREN20 SOURCE_DIR
"""
import json
import os
import re
import subprocess
import sys
import tempfile

import jsonschema
import openpyxl

ROJO = "FFFFC7CE"
LIBROS = [
    ("testdata/workbooks/declaracion_con_errores.xls", 1),
    ("testdata/workbooks/declaracion_correcta.xls", 0),
    ("testdata/generados/declaracion_hostil.xls", 1),
]


def como_excel(texto):
    """A text of the copy as a spreadsheet program shows it: _xHHHH_ is the
    character of that code (openpyxl leaves it as written)."""
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), texto)


def sin_control(texto):
    return "".join(c for c in texto if c >= " " or c in "\t\n\r")


def revisar_copia(ruta, documento):
    libro = openpyxl.load_workbook(ruta)
    hojas = [h["hoja"] for h in documento["hallazgos"] if h["hoja"]]
    assert libro.sheetnames[0] == "HALLAZGOS", libro.sheetnames
    assert len(libro.sheetnames) == 4, libro.sheetnames
    lista = libro["HALLAZGOS"]
    assert lista.freeze_panes == "A2" and lista["A1"].font.b
    assert lista.max_row == len(documento["hallazgos"]) + 1
    for fila, h in enumerate(documento["hallazgos"], start=2):
        assert como_excel(lista.cell(fila, 3).value) == sin_control(h["texto"]), fila
        if h["celdas"]:
            assert lista.cell(fila, 6).hyperlink.location == h["celdas"][0]["ref"]
        for c in h["celdas"]:
            hoja, ref = c["ref"].rsplit("!", 1)
            celda = libro[hoja.strip("'")][ref]
            assert celda.fill.fgColor.rgb == ROJO, c["ref"]
            assert h["texto"] in celda.comment.text or sin_control(h["texto"]) in celda.comment.text
            if c["valor"] is None:
                assert celda.value is None, c["ref"]
            elif isinstance(celda.value, str):
                assert celda.data_type == "s", c["ref"]  # never a formula
                assert como_excel(celda.value) == sin_control(c["valor"]), c["ref"]
    for nombre in set(hojas):
        hoja = libro[nombre]
        encabezado = hoja.freeze_panes
        assert encabezado is not None, nombre
        fila = int(re.sub(r"[A-Z]+", "", encabezado)) - 1
        assert all(c.font.b for c in hoja[fila] if c.value is not None), nombre


def main():
    programa, fuente = sys.argv[1], sys.argv[2]
    with open(os.path.join(fuente, "docs", "hallazgos.schema.json"), encoding="utf-8") as f:
        validador = jsonschema.Draft202012Validator(json.load(f))
    with tempfile.TemporaryDirectory() as carpeta:
        danado = os.path.join(carpeta, "danado.xls")
        with open(danado, "wb") as f:
            f.write(b"\xd0\xcf\x11\xe0" + b"\0" * 600)
        for ruta, esperado in LIBROS + [(danado, 2)]:
            salida = os.path.join(carpeta, "informe_" + os.path.basename(ruta))
            corrida = subprocess.run(
                [programa, "verificar", os.path.join(fuente, ruta), "--salida", salida,
                 "--hallazgos", "--marcada", "--json"], capture_output=True)
            assert corrida.returncode == esperado, (ruta, corrida.returncode, corrida.stderr)
            lineas = corrida.stdout.decode("utf-8").splitlines()
            assert len(lineas) == 1, lineas
            documento = json.loads(lineas[0])
            validador.validate(documento)
            if esperado == 2:
                assert "error" in documento and not os.path.exists(salida)
                continue
            assert documento["inconsistencias"] == (esperado == 1), ruta
            assert esperado == 1 or documento["hallazgos"] == [], ruta
            with open(os.path.join(salida, "HALLAZGOS.JSON"), encoding="utf-8") as f:
                assert json.load(f) == documento
            nombre = os.path.splitext(os.path.basename(ruta))[0].upper() + "_MARCADA.xlsx"
            revisar_copia(os.path.join(salida, nombre), documento)
            print(ruta, len(documento["hallazgos"]), "hallazgos: bien")


if __name__ == "__main__":
    main()
