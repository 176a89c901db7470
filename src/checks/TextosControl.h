// TextosControl: the texts that more than one sheet check writes, kept in one
// place so that the sections cannot drift apart. Texts are UTF-8; line breaks
// inside them are CR LF, as the report file is written.
#pragma once

#include <string>
#include <string_view>

namespace kaldoren {

struct TextosControl {
  static constexpr std::string_view kFinDeLinea = "\r\n";
  static constexpr std::string_view kAgrupadosPorPeriodo = " (Agrupados por Período Liquidado)";
  static constexpr std::string_view kItemKaldoren =
      "Nº de Kaldoren y/o Nº Provisorio no informados o mal informados";
  static constexpr std::string_view kTodoValidado = "   « Se han validado todos los Casos »";

  // The closing text of a section checked row by row: a line break, then the
  // correction advice when some failure was written (condi) or the
  // all-valid line otherwise, then a line break.
  static std::string Cierre(bool condi, std::string_view consejo) {
    std::string texto(kFinDeLinea);
    texto += condi ? consejo : kTodoValidado;
    texto += kFinDeLinea;
    return texto;
  }
};

}  // namespace kaldoren
