// DeclaracionSintetica: writes a declaration workbook of any size, record by
// record, for the tests and benchmarks that need large or extreme ones: the
// three sheets with every column the report reads, 13 periods in DATOSEMP and
// PAGOS, and as many DATOSDOC rows as asked (the teachers repeat period after
// period). Texts are LABEL records, numbers NUMBER records, dates numbers
// under a date format. One row in ten carries a mistake (a wrong check digit
// in CUIL, a bad function code, missing amounts) so that the report has lines
// to write. The content depends only on the arguments.
//
// Test-only; header-only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

#include "base/Calendar.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren::testing {

class DeclaracionSintetica {
 public:
  static constexpr std::uint16_t kXfFecha = 1;
  static constexpr int kPeriodos = 13;

  // filas: DATOSDOC rows below the header (at most 65,535); observacion: the
  // length of each row's OBSERVACIONES text (a long one makes a large file);
  // mas_docentes: further records for the DATOSDOC sheet, after its rows.
  static BiffBuilder Libro(std::uint32_t filas, std::size_t observacion = 12,
                           const std::string& mas_docentes = "") {
    BiffBuilder libro;
    libro.Global(0x00E0, XfData(0)).Global(0x00E0, XfData(14));  // General, dd/mm/yyyy
    libro.Sheet("DATOSEMP", Empleador());
    libro.Sheet("PAGOS", Pagos());
    libro.Sheet("DATOSDOC", Docentes(filas, observacion) + mas_docentes);
    return libro;
  }
  static std::string Archivo(std::uint32_t filas, std::size_t observacion = 12) {
    return Libro(filas, observacion).File();
  }

  // The declaration of 200 rows whose teacher sheet claims (DIMENSIONS) the
  // whole grid of 65,536 rows by 256 columns of formulas, and holds a
  // formula every 97 rows in the last column and a last row of 256 formulas.
  static BiffBuilder ConRejillaDeFormulas() {
    std::string formulas = Record(0x0200, Le32(0) + Le32(65536) + Le16(0) + Le16(256) + Le16(0));
    for (std::uint32_t f = 201; f < 65535; f += 97) formulas += Formula(f, 255, f);
    for (std::uint16_t c = 0; c < 256; ++c) formulas += Formula(65535, c, c);
    return Libro(200, 12, formulas);
  }

  // The declaration of 100 rows beside a sheet TEXTOS of as many cells as
  // the shared string table holds texts, 16 to a row, each a different text.
  static BiffBuilder ConTextosCompartidos(std::uint32_t textos) {
    std::string tabla = Le32(textos) + Le32(textos);
    std::string registros;
    std::uint16_t tipo = 0x00FC;  // SST, then CONTINUE records between texts
    std::string celdas;
    for (std::uint32_t i = 0; i < textos; ++i) {
      const std::string entrada = Compressed("texto " + std::to_string(i));
      if (tabla.size() + entrada.size() > kMaxRecordData) {
        registros += Record(tipo, tabla);
        tabla.clear();
        tipo = 0x003C;
      }
      tabla += entrada;
      celdas += Record(0x00FD, CellHead(static_cast<std::uint16_t>(i / 16), i % 16) + Le32(i));
    }
    BiffBuilder libro = Libro(100);
    libro.GlobalBytes(registros + Record(tipo, tabla)).Sheet("TEXTOS", celdas);
    return libro;
  }

  static std::string Periodo(int k) {
    return k == 12 ? "2004/12 SAC"
                   : "2004/" + std::string(k < 9 ? "0" : "") + std::to_string(k + 1);
  }

  // Cells of a row (below 65,536) and column.
  static std::string Texto(std::uint16_t fila, std::uint16_t columna, std::string_view texto) {
    return Record(0x0204, CellHead(fila, columna) + Compressed(texto));
  }
  static std::string Numero(std::uint16_t fila, std::uint16_t columna, double x,
                            std::uint16_t xf = 0) {
    return Record(0x0203, CellHead(fila, columna, xf) + LeDouble(x));
  }
  // A FORMULA record whose cached result is the number x (the formula is =1).
  static std::string Formula(std::uint16_t fila, std::uint16_t columna, double x) {
    return Record(0x0006, CellHead(fila, columna) + LeDouble(x) + Le16(0) + Le32(0) + Le16(3) +
                              std::string("\x1E\x01\x00", 3));
  }
  static std::string Fecha(std::uint16_t fila, std::uint16_t columna, int anio, int mes, int dia) {
    return Numero(fila, columna, Calendar::DayCount(anio, mes, dia), kXfFecha);
  }
  // A header row of the column names, separated by spaces.
  static std::string Encabezado(const std::string& columnas) {
    std::istringstream nombres(columnas);
    std::string registros;
    std::uint16_t c = 0;
    for (std::string nombre; nombres >> nombre;) registros += Texto(0, c++, nombre);
    return registros;
  }

 private:
  static std::string Empleador() {
    std::string r = Encabezado(
        "PERLIQ KALDOREN PROVISORIO ESTABLECIMIENTO DISTRITO NIVEL EXPEDIENTE URBANO RURAL "
        "RESOLUCION DOMICILIO LOCALIDAD PROPIETARIO RLEGAL TIPODOCP NRODOCP TIPODOCR NRODOCR");
    for (int k = 0; k < kPeriodos; ++k) {
      const std::uint32_t f = static_cast<std::uint32_t>(k) + 1;
      r += Texto(f, 0, Periodo(k)) + Numero(f, 1, 2743) + Texto(f, 3, "Instituto Santa Brigida") +
           Texto(f, 4, "CANUELAS") + Texto(f, 5, "EGB") + Texto(f, 6, "25900-1574838/04") +
           Texto(f, 7, "X") + Numero(f, 8, 0) + Texto(f, 10, "Av. Libertad 1234") +
           Texto(f, 11, "Canuelas") + Texto(f, 12, "Asociacion Civil") +
           Texto(f, 13, "Marta Perez") + Texto(f, 14, "DNI") + Numero(f, 15, 20123456) +
           Texto(f, 16, "DNI") + Numero(f, 17, 21234567);
    }
    return r;
  }

  static std::string Pagos() {
    std::string r = Encabezado("PERLIQ KALDOREN PROVISORIO FECVTO FECPAGO PAGO");
    for (int k = 0; k < kPeriodos; ++k) {
      const std::uint32_t f = static_cast<std::uint32_t>(k) + 1;
      const int mes = k < 12 ? k + 1 : 12;
      r += Texto(f, 0, Periodo(k)) + Numero(f, 1, 2743) + Fecha(f, 3, 2004, mes, 10) +
           Fecha(f, 4, 2004, mes, 8) + Numero(f, 5, 123456.78);
    }
    return r;
  }

  static std::string Cuil(long documento, bool correcto) {
    char digitos[16];
    std::snprintf(digitos, sizeof digitos, "27%08ld", documento);
    int suma = 0;
    for (int k = 0; k < 10; ++k) suma += (digitos[k] - '0') * ("5432765432"[k] - '0');
    const int digito = 11 - suma % 11 >= 10 ? 0 : 11 - suma % 11;
    return "27-" + std::string(digitos + 2) + "-" +
           std::to_string(correcto ? digito : (digito + 1) % 10);
  }

  static std::string Docentes(std::uint32_t filas, std::size_t observacion) {
    std::string r = Encabezado(
        "PERLIQ ORDEN KALDOREN PROVISORIO ORIGINAL RECTIFICATIVA TIPODOC NRODOC CUIL APENOM FECNAC "
        "SEXO FINGEMP FECBAJA LICS/S MODREV FUN CATRE ANOS MESES C_APORTE PER_ZOL PAT_ZOL "
        "OBSERVACIONES");
    const std::uint32_t por_periodo = (filas + kPeriodos - 1) / kPeriodos;
    const std::string nota(observacion, 'n');
    for (std::uint32_t f = 1; f <= filas; ++f) {
      const std::uint32_t orden = (f - 1) % por_periodo + 1;
      const bool error = orden % 10 == 7;
      const long documento = 20000000 + static_cast<long>(orden) * 37;
      const double sueldo = 300 + orden % 2000;
      r += Texto(f, 0, Periodo(static_cast<int>((f - 1) / por_periodo))) + Numero(f, 1, orden) +
           Numero(f, 2, 2743) + Texto(f, 4, "X") + Texto(f, 6, "DNI") + Numero(f, 7, documento) +
           Texto(f, 8, Cuil(documento, !error)) + Texto(f, 9, "DOCENTE " + std::to_string(orden)) +
           Fecha(f, 10, 1950 + orden % 35, 1 + orden % 12, 1 + orden % 28) + Texto(f, 11, "F") +
           Fecha(f, 12, 1975 + orden % 28, 1 + orden % 12, 1 + orden % 28) +
           Fecha(f, 13, 1899, 12, 30) + Numero(f, 14, 0) + Texto(f, 15, "T") +
           Texto(f, 16, error ? "M-G" : "MG") + Texto(f, 17, "H12") + Numero(f, 18, orden % 35) +
           Numero(f, 19, orden % 12) + Texto(f, 23, nota);
      if (!error) {
        r += Numero(f, 20, sueldo) + Numero(f, 21, sueldo * 0.14) + Numero(f, 22, sueldo * 0.16);
      }
    }
    return r;
  }
};

}  // namespace kaldoren::testing
