#include "hallazgos/RegistroHallazgos.h"

#include "workbook/Sheet.h"

namespace kaldoren {
namespace {

std::optional<std::string> TextoOPNada(const Value& v) {
  if (v.IsEmpty()) return std::nullopt;
  return v.TextForm();
}

}  // namespace

void RegistroHallazgos::Anotar(Hallazgo h, const Recordset& r,
                               std::span<const std::string_view> columnas, bool con_orden) {
  h.periodo = TextoOPNada(r.Field("PERLIQ"));
  if (con_orden) {
    const Value& orden = r.Field("ORDEN");
    if (orden.IsNumber()) {
      h.orden = orden.number();
    } else if (!orden.IsEmpty()) {
      h.orden = orden.TextForm();
    }
  }
  const RowOrigin origen = r.Origin();
  if (origen.sheet != nullptr) {
    const Sheet& hoja = *origen.sheet;
    const std::uint32_t fila = hoja.RecordRow(origen.record);
    h.hoja = hoja.name();
    h.fila = static_cast<long>(fila) + 1;
    const std::string prefijo = NombreEnReferencia(hoja.name()) + "!";
    for (const std::string_view nombre : columnas) {
      const int columna = hoja.FindColumn(nombre);
      if (columna < 0) continue;
      const auto en_hoja = static_cast<std::uint16_t>(hoja.FirstColumn() + columna);
      h.celdas.push_back({prefijo + LetrasDeColumna(en_hoja) + std::to_string(fila + 1),
                          hoja.ColumnNames()[static_cast<size_t>(columna)],
                          TextoOPNada(hoja.RecordValue(origen.record, columna)), fila, en_hoja});
    }
  }
  hallazgos_.push_back(std::move(h));
}

std::string RegistroHallazgos::LetrasDeColumna(unsigned columna) {
  std::string letras;
  for (unsigned n = columna + 1; n > 0; n = (n - 1) / 26) {
    letras.insert(letras.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letras;
}

std::string RegistroHallazgos::NombreEnReferencia(const std::string& hoja) {
  bool simple = !hoja.empty();
  for (const char c : hoja) {
    const bool letra = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letra && !(c >= '0' && c <= '9') && c != '_') simple = false;
  }
  if (simple) return hoja;
  std::string citado = "'";
  for (const char c : hoja) {
    citado += c;
    if (c == '\'') citado += '\'';
  }
  return citado + "'";
}

}  // namespace kaldoren
