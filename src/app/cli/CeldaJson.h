// CeldaJson: the JSON line of one cell for "kaldoren20 celdas":
// {"hoja":"DATOSEMP","fila":0,"columna":3,"tipo":"texto","valor":"..."}
//
// fila and columna count from 0; tipo is numero, texto, fecha, logico or
// error. A number is written in its shortest exact form, the one a JSON reader
// reads back as the same double: whole numbers without ".0" (25900), an
// exponent where that is shorter (1e+20, 1.5e-07). A date is
// "YYYY-MM-DDTHH:MM:SS" with the seconds rounded to the nearest; a boolean is
// true or false; an error is its Excel text ("#DIV/0!"). Blank cells have no
// line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/PooledTextCache.h"
#include "workbook/Sheet.h"

namespace kaldoren {

class CeldaJson {
 public:
  // The writer of the lines of one sheet, which must outlive it. Each text of
  // the workbook is escaped once, on its first cell, and kept: the texts of a
  // declaration (periods, codes) repeat on every row.
  explicit CeldaJson(const Sheet& hoja);

  // Appends the cell's line, with its line end; nothing for a blank cell.
  void Agregar(const Cell& celda, std::string* salida);

  // Excel's text of an error code ("#N/A" for 0x2A).
  static std::string TextoError(std::uint8_t codigo);
  // A JSON string in quotes, with quotes, backslashes and control characters
  // escaped, and U+FFFD in place of each sequence that is not UTF-8.
  static void AgregarCadena(std::string_view utf8, std::string* salida);
  static void AgregarNumero(double x, std::string* salida);
  static void AgregarEntero(std::uint32_t n, std::string* salida);
  // "YYYY-MM-DDTHH:MM:SS" of a day count since 30/12/1899, in quotes.
  static void AgregarFecha(double dias, std::string* salida);

 private:
  const Sheet& hoja_;
  std::string prefijo_;  // {"hoja":"NAME","fila":
  // The prefix with the row of the last cell written and ,"columna":.
  std::uint32_t fila_ = 0;
  std::string prefijo_fila_;
  PooledTextCache escritos_;  // each text in quotes and escaped
};

}  // namespace kaldoren
