#include "app/cli/CeldaJson.h"

#include <charconv>
#include <cstdio>

#include "base/Calendar.h"

namespace kaldoren {

std::string CeldaJson::TextoError(std::uint8_t codigo) {
  switch (codigo) {
    case 0x00:
      return "#NULL!";
    case 0x07:
      return "#DIV/0!";
    case 0x0F:
      return "#VALUE!";
    case 0x17:
      return "#REF!";
    case 0x1D:
      return "#NAME?";
    case 0x24:
      return "#NUM!";
    case 0x2A:
      return "#N/A";
    case 0x2B:
      return "#GETTING_DATA";
    default:
      return "#ERR" + std::to_string(codigo);
  }
}

void CeldaJson::AgregarCadena(std::string_view utf8, std::string* salida) {
  salida->push_back('"');
  for (const char c : utf8) {
    switch (c) {
      case '"':
        salida->append("\\\"");
        break;
      case '\\':
        salida->append("\\\\");
        break;
      case '\n':
        salida->append("\\n");
        break;
      case '\r':
        salida->append("\\r");
        break;
      case '\t':
        salida->append("\\t");
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
          salida->append(escape);
        } else {
          salida->push_back(c);
        }
    }
  }
  salida->push_back('"');
}

void CeldaJson::AgregarNumero(double x, std::string* salida) {
  char numero[32];
  const auto resultado = std::to_chars(numero, numero + sizeof numero, x);
  salida->append(numero, resultado.ptr);
}

void CeldaJson::AgregarFecha(double dias, std::string* salida) {
  const CivilDate fecha = Calendar::DateOf(dias);
  const TimeOfDay hora = Calendar::TimeOf(dias);
  char texto[32];
  std::snprintf(texto, sizeof texto, "\"%04d-%02d-%02dT%02d:%02d:%02d\"", fecha.year, fecha.month,
                fecha.day, hora.hour, hora.minute, hora.second);
  salida->append(texto);
}

void CeldaJson::Agregar(const Sheet& hoja, const Cell& celda, std::string* salida) {
  if (celda.kind == CellKind::Blank) return;
  salida->append("{\"hoja\":");
  AgregarCadena(hoja.name(), salida);
  salida->append(",\"fila\":");
  salida->append(std::to_string(celda.row));
  salida->append(",\"columna\":");
  salida->append(std::to_string(celda.column));
  switch (celda.kind) {
    case CellKind::Number:
      salida->append(",\"tipo\":\"numero\",\"valor\":");
      AgregarNumero(celda.number, salida);
      break;
    case CellKind::Text:
      salida->append(",\"tipo\":\"texto\",\"valor\":");
      AgregarCadena(hoja.TextOf(celda), salida);
      break;
    case CellKind::Date:
      salida->append(",\"tipo\":\"fecha\",\"valor\":");
      AgregarFecha(celda.number, salida);
      break;
    case CellKind::Boolean:
      salida->append(",\"tipo\":\"logico\",\"valor\":");
      salida->append(celda.number != 0 ? "true" : "false");
      break;
    case CellKind::Error:
      salida->append(",\"tipo\":\"error\",\"valor\":");
      AgregarCadena(TextoError(celda.error_code), salida);
      break;
    case CellKind::Blank:
      break;
  }
  salida->append("}\n");
}

}  // namespace kaldoren
