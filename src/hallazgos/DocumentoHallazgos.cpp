#include "hallazgos/DocumentoHallazgos.h"

#include <cmath>
#include <cstdint>
#include <ctime>
#include <nlohmann/json.hpp>

namespace kaldoren {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kVersion = 1;

Json Encabezado(const std::string& archivo) {
  return Json{{"formato", "kaldoren20-hallazgos"}, {"version", kVersion}, {"archivo", archivo}};
}

template <typename T>
Json OPNada(const std::optional<T>& valor) {
  return valor ? Json(*valor) : Json(nullptr);
}

Json Orden(const std::variant<std::monostate, double, std::string>& orden) {
  if (const double* numero = std::get_if<double>(&orden)) {
    // A whole order number is written without ".0".
    const bool entero = *numero == std::floor(*numero) && std::fabs(*numero) < 1e15;
    return entero ? Json(static_cast<std::int64_t>(*numero)) : Json(*numero);
  }
  if (const std::string* texto = std::get_if<std::string>(&orden)) return *texto;
  return nullptr;
}

Json Celdas(const std::vector<CeldaHallazgo>& celdas) {
  Json lista = Json::array();
  for (const CeldaHallazgo& c : celdas) {
    lista.push_back({{"ref", c.ref}, {"columna", c.columna}, {"valor", OPNada(c.valor)}});
  }
  return lista;
}

// One line; invalid UTF-8 replaced, so dump never throws.
std::string Linea(const Json& documento) {
  return documento.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string DocumentoHallazgos::Texto(const std::string& archivo, const std::string& procesado,
                                      bool inconsistencias,
                                      const std::vector<Hallazgo>& hallazgos) {
  Json documento = Encabezado(archivo);
  documento["procesado"] = procesado;
  documento["inconsistencias"] = inconsistencias;
  Json lista = Json::array();
  for (const Hallazgo& h : hallazgos) {
    lista.push_back({{"parte", h.parte},
                     {"seccion", h.seccion},
                     {"item", OPNada(h.item)},
                     {"texto", h.texto},
                     {"periodo", OPNada(h.periodo)},
                     {"orden", Orden(h.orden)},
                     {"hoja", OPNada(h.hoja)},
                     {"fila", OPNada(h.fila)},
                     {"celdas", Celdas(h.celdas)}});
  }
  documento["hallazgos"] = std::move(lista);
  return Linea(documento);
}

std::string DocumentoHallazgos::TextoDeError(const std::string& archivo, const std::string& titulo,
                                             const std::string& mensaje) {
  Json documento = Encabezado(archivo);
  documento["error"] = {{"titulo", titulo}, {"mensaje", mensaje}};
  return Linea(documento);
}

std::string DocumentoHallazgos::HoraLocal() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  char texto[40];
  const size_t largo = std::strftime(texto, sizeof texto, "%Y-%m-%dT%H:%M:%S%z", &local);
  // strftime writes the offset as -0300; ISO 8601's extended form is -03:00.
  if (largo < 5) return std::string(texto, largo);
  return std::string(texto, largo - 2) + ":" + std::string(texto + largo - 2, 2);
}

}  // namespace kaldoren
