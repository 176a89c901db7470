#!/usr/bin/python3
"""Writes parte_a.txt, the part a expected for declaracion_con_errores.xls,
from the table of mistakes in testdata/workbooks/README.md and the fixed texts
of the three sheet checks. It does not run the program."""

EMP = {
    0: "Nº de Kaldoren y/o Nº Provisorio no informados o mal informados",
    2: "Distrito erróneo o no informado",
    4: "Nro. de Expediente erróneo, no informado o no corresponde información",
    5: "Clasificación errónea o no informada",
    7: "No se ha informado Localidad",
    8: "No se ha informado Propietario y/o Representante Legal",
    9: "Tipo de Documento del Propietario y/o Representante Legal inválido o inexistente",
    10: "Nº de Documento del Propietario y/o Representante Legal inexistente",
}
PAG = {
    0: "Nº de Kaldoren y/o Nº Provisorio no informados o mal informados",
    1: "Fecha de Vencimiento inválida o inexistente",
    2: "No se consignó la fecha de pago, fecha de pago inválida o importe inválido",
    3: "No se consignó el Importe del Pago de fecha ",
}
DOC = ["Nº de Kaldoren y/o Nº Provisorio no informados o mal informados",
       "Tipo de Liquidación errónea", "Tipos de Documento inválidos o inexistentes",
       "Nros. de Documento no informados", "Nros. de CUIL inválidos o inexistentes",
       "Fechas de nacimiento inválidas", "Sexos inválidos o inexistentes",
       "Apellido y nombres no informados", "Fechas de ingreso inválidas",
       "Fechas de Baja Inválidas", "Licencias S/sueldo mal informadas",
       "Modalidades de Revista inválidas o inexistentes",
       "Funciones no informadas o mal informadas", "Categorías no informadas o mal informadas",
       "Antiguedades incorrectas o dudosas",
       "Remuneraciones C/Aportes o Aportes Personales o Patronales no informados o mal informados"]
MESES = ["2004/%02d" % m for m in range(1, 13)] + ["2004/12 SAC"]

# Employer rows in sheet order: (period, failing checks).
emp = [("2004/02", [4]), ("2004/04", [2]), ("2004/05", [7]), ("2004/07", [8]),
       ("2004/09", [9, 10]), ("2004/11", [5]), ("2004/12 SAC", [0])]
# Payment rows in sheet order: (period, [(check, complement)]). The second
# March instalment was paid on 06/04/2004 and the cancelled October slip on
# 05/11/2004 (the same dates as in the correct workbook).
pag = [("2004/03", [(2, ""), (3, "06/04/2004")]), ("2004/06", [(2, ""), (3, "(NULA)")]),
       ("2004/08", [(1, "")]), ("2004/10", [(3, "05/11/2004")]), ("2004/11", [(0, "")])]
# Teacher items: item -> [(period, order)].
todos = lambda ordenes: list(zip(MESES, ordenes))
doc = {
    0: [("2004/12 SAC", 2)], 1: [("2004/05", 9), ("2004/08", 17)], 2: [("2004/03", 12)],
    3: [("2004/07", 16)], 4: todos([13] * 8 + [12] * 5), 5: [("2004/10", 3)],
    6: todos([5] * 13), 7: [("2004/11", 14)],
    8: list(zip(MESES[2:], [21] * 6 + [20] * 5)), 9: [("2004/08", 23), ("2004/09", 1)],
    10: [("2004/02", 21)], 11: todos([11] * 8 + [10] * 5),
    12: [("2004/06", 18), ("2004/07", 18), ("2004/08", 18)], 13: [("2004/09", 4)],
    14: [("2004/04", 14)],
    15: [("2004/03", 6), ("2004/05", 10), ("2004/09", 1), ("2004/10", 22)],
}

R = "-" * 105
lines = [" " * 38 + "a) Detalle de Inconsistencias", " ",
         "1) DATOS DEL EMPLEADOR (Agrupados por Período Liquidado)"]
for period, checks in emp:
    lines.append(" ")
    for k, c in enumerate(checks):
        col = ("   " + (period + ": ").ljust(12)) if k == 0 else " " * 15
        lines.append(col + " " + EMP[c])
lines += ["", "   Para corregir los errores, verificar en la Carátula cuando se trate de Nº KALDOREN, Nº PROVISORIO ZOL,",
          "   E-MAIL y datos del REPRESENTANTE LEGAL y PROPIETARIO. Por los demás datos erróneos, verificar las",
          "   planillas KALDOREN 20 que correspondan", "", R,
          "2) PAGOS (Agrupados por Período Liquidado)"]
for period, checks in pag:
    lines.append(" ")
    for k, (c, extra) in enumerate(checks):
        col = ("   " + (period + ": ").ljust(12)) if k == 0 else " " * 15
        lines.append(col + " " + PAG[c] + extra)
lines += ["", "   Para corregir los errores, verificar los datos consignados en la LIBRO_TARVENA.", "", R,
          "3) DATOS DE DOCENTES (REVISTA Y SALARIO) (Agrupados por Detalle de Inconsistencias, Período Liquidado y",
          " " * 41 + "Nº de Orden)", " "]
for letter, item in zip("abcdefghijklmnop", range(16)):
    lines.append("   %s) %s" % (letter, DOC[item]))
    for period, order in doc[item]:
        lines.append(" " * 7 + (period + ": ").ljust(12) + (" %3d" % order).ljust(84))
        lines.append("  ")
lines += ["", "   Para corregir los errores, verificar las planillas KALDOREN 20 que correspondan. Si se reporta",
          "   CATEGORIA NO INFORMADA, es posible que se halla informado en forma numérica. De ser asi, anteponer",
          "   a dicho número a letra 'C' para su validación.", "", "_" * 105]
open("parte_a.txt", "wb").write("".join(l + "\r\n" for l in lines).encode("cp1252"))
