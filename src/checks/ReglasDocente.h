// ReglasDocente: the sixteen row rules of the teachers' sheet DATOSDOC$, the
// tests behind ControlDATOSDOC::Errores. Falla(r, item) answers true when the
// current row of r fails the item (0 to 15), false when it passes or the item
// is outside the list. The rules only read the row; they never move the
// recordset, and each reads only the columns its item needs.
//
// Periods (PERLIQ) are written four-digit year, "/", two-digit month; the
// "period month" is their first seven characters, against which the
// year-month text of a date ("2004/03") is compared as text. A leaving date
// (FECBAJA) in 1900 or earlier stands for a post that has not ended.
//
// The document type list is taken once, at construction. Not for concurrent
// use: the rules keep the column positions of the last recordset they read.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Calendar.h"
#include "checks/Datos_Validos.h"
#include "checks/ERRORES_VARIOS.h"
#include "query/Recordset.h"

namespace kaldoren {

class ReglasDocente {
 public:
  ReglasDocente();

  bool Falla(const Recordset& r, int item) const;
  // The columns the rule of an item reads (none outside the list).
  static std::span<const std::string_view> Columnas(int item);

 private:
  // The columns the rules read (LICS_S is "LICS/S"). The rules read them on
  // every row for every item, so their positions in the recordset are found
  // once per recordset instead of by name on every read.
  // clang-format off
  enum Columna {
    PERLIQ, KALDOREN, PROVISORIO, ORIGINAL, RECTIFICATIVA, TIPODOC, NRODOC, CUIL, APENOM,
    FECNAC, SEXO, FINGEMP, FECBAJA, LICS_S, MODREV, FUN, CATRE, ANOS, MESES, C_APORTE, PER_ZOL,
    PAT_ZOL, OBSERVACIONES, kColumnas
  };
  // clang-format on

  // A column of the current row of r.
  const Value& Celda(const Recordset& r, Columna columna) const;
  // The text form of the period (PERLIQ).
  std::string Periodo(const Recordset& r) const;
  // Exactly one of the two marks (first filing, rectifying) is given.
  static bool MarcaUnica(const Value& original, const Value& rectificativa);
  // Labour code: prefix of at least 20, "-", document number, "-", check digit.
  static bool CuilValido(const Value& cuil);
  // The first character, upper-cased, is one of letras (an empty text passes).
  static bool PrimeraLetraEn(const Value& celda, std::string_view letras);
  // Function or category code: letters A-Z and digits only.
  static bool CodigoValido(const Value& celda);
  static bool AntiguedadValida(const Value& anos, const Value& meses);
  // Days of unpaid leave from minimo up to the days of the period's month.
  static bool LicenciaValida(const Value& dias, std::string_view periodo, double minimo);

  // Leaving date or entry date invalid, or a real leaving date before the
  // entry date or after the period.
  bool BajaInvalida(const Recordset& r) const;
  // Item 15: the remuneration and contributions agree with the leave days,
  // the leaving date and the remarks of the row.
  bool ImportesCoherentes(const Recordset& r) const;
  bool ImportesDelMesCoherentes(const Recordset& r, std::string_view periodo) const;

  ERRORES_VARIOS varios_;
  Datos_Validos validos_;
  const std::vector<std::string> tipos_doc_;
  // The positions of the columns in the recordset of serial posiciones_de_.
  mutable std::uint64_t posiciones_de_ = 0;
  mutable std::array<int, kColumnas> posiciones_{};
};

}  // namespace kaldoren
