#include "app/cli/CeldaJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/Calendar.h"
#include "base/Text.h"

namespace kaldoren {

using namespace std::string_view_literals;

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

namespace {

// Characters a JSON string holds as they are: printable ASCII other than the
// quote and the backslash (bytes from 0x80 are checked as UTF-8 apart).
constexpr bool Llano(unsigned char c) { return c >= 0x20 && c < 0x80 && c != '"' && c != '\\'; }

void AgregarEscape(char c, std::string* salida) {
  switch (c) {
    case '"':
      salida->append("\\\"");
      return;
    case '\\':
      salida->append("\\\\");
      return;
    case '\n':
      salida->append("\\n");
      return;
    case '\r':
      salida->append("\\r");
      return;
    case '\t':
      salida->append("\\t");
      return;
    default: {
      static constexpr char kHex[] = "0123456789abcdef";
      const auto b = static_cast<unsigned char>(c);
      const char escape[] = {'\\', 'u', '0', '0', kHex[b >> 4], kHex[b & 15]};
      salida->append(escape, sizeof escape);
    }
  }
}

// Two digits, or four, of a date, without printf (a date line per cell).
void Digitos(int n, int cuantos, char* destino) {
  for (int i = cuantos - 1; i >= 0; --i, n /= 10) destino[i] = static_cast<char>('0' + n % 10);
}

// Whole numbers and amounts of one or two decimals (document numbers, codes,
// salaries) are written from their digits as an integer: the same text as
// the double's shortest form, at a fraction of its cost. With a last digit
// other than 0 every digit is significant: below 1e13 doubles lie closer than
// 0.005, so no decimal of fewer digits reads back as the same double, and no
// exponent form is shorter.
bool AgregarConPocosDecimales(double x, std::string* salida) {
  if (!(std::abs(x) < 1e13)) return false;  // NaN included
  double escala = 1;
  for (int decimales = 0; decimales <= 2; ++decimales, escala *= 10) {
    const double y = x * escala;
    const auto n = static_cast<long long>(y < 0 ? y - 0.5 : y + 0.5);
    if (static_cast<double>(n) / escala != x) continue;
    if (n % 10 == 0) return false;
    // Digits written from the end, the point among them, "0." before them if needed.
    char texto[32];
    char* p = texto + sizeof texto;
    unsigned long long resto = static_cast<unsigned long long>(n < 0 ? -n : n);
    for (int i = 0; resto > 0 || i <= decimales; ++i, resto /= 10) {
      if (i == decimales && i > 0) *--p = '.';
      *--p = static_cast<char>('0' + resto % 10);
    }
    if (n < 0) *--p = '-';
    salida->append(p, static_cast<size_t>(texto + sizeof texto - p));
    return true;
  }
  return false;
}

}  // namespace

// Runs of plain characters are copied at once; a UTF-8 sequence is copied
// when valid and written as U+FFFD when not, so the line is always JSON.
void CeldaJson::AgregarCadena(std::string_view utf8, std::string* salida) {
  salida->push_back('"');
  size_t i = 0;
  while (i < utf8.size()) {
    size_t fin = i;
    while (fin < utf8.size() && Llano(static_cast<unsigned char>(utf8[fin]))) ++fin;
    salida->append(utf8.data() + i, fin - i);
    if (fin == utf8.size()) break;
    i = fin;
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      AgregarEscape(utf8[i++], salida);
      continue;
    }
    const size_t inicio = i;
    const char32_t c = Text::NextCodePoint(utf8, &i);
    const bool valido = c != 0xFFFD || utf8.substr(inicio, 3) == "\xEF\xBF\xBD";
    if (valido) {
      salida->append(utf8.data() + inicio, i - inicio);
    } else {
      salida->append("\xEF\xBF\xBD");
    }
  }
  salida->push_back('"');
}

void CeldaJson::AgregarNumero(double x, std::string* salida) {
  if (AgregarConPocosDecimales(x, salida)) return;
  char numero[32];
  const auto resultado = std::to_chars(numero, numero + sizeof numero, x);
  salida->append(numero, static_cast<size_t>(resultado.ptr - numero));
}

void CeldaJson::AgregarFecha(double dias, std::string* salida) {
  const CivilDate fecha = Calendar::DateOf(dias);
  const TimeOfDay hora = Calendar::TimeOf(dias);
  if (fecha.year < 0 || fecha.year > 9999) {
    char texto[48];
    std::snprintf(texto, sizeof texto, "\"%04d-%02d-%02dT%02d:%02d:%02d\"", fecha.year, fecha.month,
                  fecha.day, hora.hour, hora.minute, hora.second);
    salida->append(texto);
    return;
  }
  char texto[] = "\"0000-00-00T00:00:00\"";
  Digitos(fecha.year, 4, texto + 1);
  Digitos(fecha.month, 2, texto + 6);
  Digitos(fecha.day, 2, texto + 9);
  Digitos(hora.hour, 2, texto + 12);
  Digitos(hora.minute, 2, texto + 15);
  Digitos(hora.second, 2, texto + 18);
  salida->append(texto, sizeof texto - 1);
}

void CeldaJson::AgregarEntero(std::uint32_t n, std::string* salida) {
  char numero[16];
  const auto resultado = std::to_chars(numero, numero + sizeof numero, n);
  salida->append(numero, static_cast<size_t>(resultado.ptr - numero));
}

CeldaJson::CeldaJson(const Sheet& hoja)
    : hoja_(hoja), escritos_([](std::string_view texto) {
        std::string escrito;
        AgregarCadena(texto, &escrito);
        return escrito;
      }) {
  prefijo_ = "{\"hoja\":";
  AgregarCadena(hoja.name(), &prefijo_);
  prefijo_ += ",\"fila\":";
}

void CeldaJson::Agregar(const Cell& celda, std::string* salida) {
  if (celda.kind == CellKind::Blank) return;
  if (celda.row != fila_ || prefijo_fila_.empty()) {  // the cells of a row come together
    fila_ = celda.row;
    prefijo_fila_ = prefijo_;
    AgregarEntero(celda.row, &prefijo_fila_);
    prefijo_fila_ += ",\"columna\":";
  }
  salida->append(prefijo_fila_);
  AgregarEntero(celda.column, salida);
  switch (celda.kind) {
    case CellKind::Number:
      salida->append(",\"tipo\":\"numero\",\"valor\":"sv);
      AgregarNumero(celda.number, salida);
      break;
    case CellKind::Text:
      salida->append(",\"tipo\":\"texto\",\"valor\":"sv);
      salida->append(escritos_.Of(hoja_, celda));
      break;
    case CellKind::Date:
      salida->append(",\"tipo\":\"fecha\",\"valor\":"sv);
      AgregarFecha(celda.number, salida);
      break;
    case CellKind::Boolean:
      salida->append(",\"tipo\":\"logico\",\"valor\":"sv);
      salida->append(celda.number != 0 ? "true"sv : "false"sv);
      break;
    case CellKind::Error:
      salida->append(",\"tipo\":\"error\",\"valor\":"sv);
      AgregarCadena(TextoError(celda.error_code), salida);
      break;
    case CellKind::Blank:
      break;
  }
  salida->append("}\n"sv);
}

}  // namespace kaldoren
