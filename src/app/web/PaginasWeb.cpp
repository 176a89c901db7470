#include "app/web/PaginasWeb.h"

#include <algorithm>
#include <cmath>
#include <kainjow/mustache.hpp>

#include "app/web/RecursosWeb.h"
#include "base/Format.h"
#include "base/Text.h"
#include "base/Value.h"

namespace kaldoren {
namespace {

namespace mus = kainjow::mustache;

// The stylesheet class of a set-off text: its font, size and underline.
std::string Clase(const Destacado& d) {
  std::string clase = "d-" + d.fuente.value_or("courier");
  if (d.puntos) clase += "-" + std::to_string(static_cast<int>(std::lround(*d.puntos)));
  if (d.negrita.value_or(false)) clase += "-n";
  if (d.subrayado.value_or(false)) clase += "-s";
  return clase;
}

std::string Regla(const Destacado& d) {
  std::string regla = "." + Clase(d) + " {";
  if (d.fuente == "arial") regla += " font-family: Arial, \"Liberation Sans\", sans-serif;";
  if (d.fuente == "verdana") regla += " font-family: Verdana, \"DejaVu Sans\", sans-serif;";
  if (d.puntos) regla += " font-size: " + std::to_string(std::lround(*d.puntos)) + "pt;";
  if (d.negrita) regla += *d.negrita ? " font-weight: bold;" : " font-weight: normal;";
  if (d.subrayado.value_or(false)) regla += " text-decoration: underline;";
  return regla + " }\n";
}

// One line of a page cut into plain parts and set-off parts.
mus::data Linea(std::string_view linea, const std::vector<Destacado>& destacados) {
  mus::list partes;
  size_t desde = 0;
  while (desde < linea.size()) {
    size_t en = std::string_view::npos;
    const Destacado* cual = nullptr;
    for (const Destacado& d : destacados) {
      const size_t pos = linea.find(d.texto, desde);
      if (pos < en) {
        en = pos;
        cual = &d;
      }
    }
    mus::data plano;
    plano.set("texto", std::string(linea.substr(desde, en - desde)));
    partes.push_back(plano);
    if (cual == nullptr) break;
    mus::data destacado;
    destacado.set("texto", cual->texto);
    destacado.set("clase", Clase(*cual));
    partes.push_back(destacado);
    desde = en + cual->texto.size();
  }
  mus::data datos;
  datos.set("partes", partes);
  datos.set("fin", std::string("\n"));
  return datos;
}

mus::list Lineas(const std::string& hoja, const std::vector<Destacado>& destacados) {
  const std::string texto = Text::FromWindows1252(hoja);
  mus::list lineas;
  size_t desde = 0;
  while (desde < texto.size()) {
    size_t fin = texto.find('\n', desde);
    if (fin == std::string::npos) fin = texto.size();
    std::string_view linea(texto.data() + desde, fin - desde);
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    lineas.push_back(Linea(linea, destacados));
    desde = fin + 1;
  }
  return lineas;
}

std::string Orden(const Hallazgo& h) {
  if (const double* n = std::get_if<double>(&h.orden)) return Format::Whole(Value::Number(*n));
  if (const std::string* t = std::get_if<std::string>(&h.orden)) return *t;
  return "";
}

// The findings table: one row per finding, its cells with their values.
mus::list Hallazgos(const std::vector<Hallazgo>& hallazgos) {
  mus::list filas;
  for (const Hallazgo& h : hallazgos) {
    mus::data fila;
    fila.set("seccion", h.seccion);
    fila.set("item", h.item ? std::to_string(*h.item) : std::string());
    fila.set("texto", h.texto);
    fila.set("periodo", h.periodo.value_or(""));
    fila.set("orden", Orden(h));
    fila.set("fila", h.fila ? h.hoja.value_or("") + " " + std::to_string(*h.fila) : std::string());
    mus::list celdas;
    for (const CeldaHallazgo& c : h.celdas) {
      mus::data celda;
      celda.set("ref", c.ref);
      celda.set("columna", c.columna);
      celda.set("valor", c.valor.value_or("(vacía)"));
      celdas.push_back(celda);
    }
    fila.set("celdas", celdas);
    filas.push_back(fila);
  }
  return filas;
}

// "1 minuto", "30 minutos".
std::string Minutos(int n) { return std::to_string(n) + (n == 1 ? " minuto" : " minutos"); }

mus::data Base(const std::string& titulo, int conservar_min) {
  mus::data datos;
  datos.set("titulo", titulo);
  datos.set("conservar", Minutos(conservar_min));
  for (const char* parcial : {"cabecera", "pie"}) {
    const std::string nombre = std::string(parcial) + ".mustache";
    datos.set(parcial, mus::partial([nombre] { return std::string(RecursosWeb::Buscar(nombre)); }));
  }
  return datos;
}

std::string Componer(const char* plantilla, const mus::data& datos) {
  mus::mustache m{std::string(RecursosWeb::Buscar(plantilla))};
  return m.render(datos);
}

}  // namespace

PaginasWeb::PaginasWeb(size_t max_mb, int conservar_min)
    : max_mb_(max_mb), conservar_min_(conservar_min) {}

std::string PaginasWeb::Inicio(const std::optional<Aviso>& error) const {
  mus::data datos = Base("Verificar", conservar_min_);
  datos.set("max_mb", std::to_string(max_mb_));
  if (error) {
    mus::data e;
    e.set("titulo", error->titulo);
    e.set("mensaje", error->mensaje);
    datos.set("error", e);
  }
  return Componer("inicio.mustache", datos);
}

std::string PaginasWeb::Informe(const std::string& id, const InformeWeb& informe, size_t hoja,
                                const std::vector<Descarga>& descargas) const {
  Visor visor;
  visor.encabezado = "Informe de " + informe.archivo;
  visor.estado = informe.con_inconsistencias ? "Con inconsistencias" : "Sin inconsistencias";
  visor.accion = "/informe/" + id;
  visor.descargas = descargas;
  visor.hallazgos = &informe.hallazgos;
  return Hojas(visor, informe.hojas, hoja, TextosDestacados::Informe());
}

std::string PaginasWeb::DatosValidos(const std::vector<std::string>& hojas, size_t hoja) const {
  Visor visor;
  visor.encabezado = "Datos válidos";
  visor.accion = "/datos-validos";
  return Hojas(visor, hojas, hoja, TextosDestacados::DatosValidos());
}

std::string PaginasWeb::Mensaje(const Aviso& aviso) const {
  mus::data datos = Base(aviso.titulo, conservar_min_);
  datos.set("mensaje", aviso.mensaje);
  return Componer("aviso.mustache", datos);
}

std::string PaginasWeb::Vencido() const {
  return Mensaje(
      {"Informe vencido", "Este informe ya no está en el servidor: los informes se borran " +
                              Minutos(conservar_min_) +
                              " después de la verificación (o antes, si llegan muchos). "
                              "Vuelva a verificar el libro."});
}

std::string PaginasWeb::Estilo() const {
  std::string estilo(RecursosWeb::Buscar("estilo.css"));
  for (const auto& lista : {TextosDestacados::Informe(), TextosDestacados::DatosValidos()}) {
    for (const Destacado& d : lista) {
      const std::string regla = Regla(d);
      if (estilo.find(regla) == std::string::npos) estilo += regla;
    }
  }
  return estilo;
}

std::string PaginasWeb::Hojas(const Visor& visor, const std::vector<std::string>& hojas,
                              size_t hoja, const std::vector<Destacado>& destacados) const {
  const size_t total = hojas.size();
  hoja = std::clamp<size_t>(hoja, 1, std::max<size_t>(total, 1));
  mus::data datos = Base(visor.encabezado, conservar_min_);
  datos.set("encabezado", visor.encabezado);
  if (!visor.estado.empty()) datos.set("estado", visor.estado);
  datos.set("accion", visor.accion);
  datos.set("hoja", std::to_string(hoja));
  datos.set("hojas", std::to_string(total));
  if (hoja > 1) datos.set("anterior", visor.accion + "?hoja=" + std::to_string(hoja - 1));
  if (hoja < total) datos.set("siguiente", visor.accion + "?hoja=" + std::to_string(hoja + 1));
  mus::list descargas;
  for (const Descarga& d : visor.descargas) {
    mus::data enlace;
    enlace.set("href", d.href);
    enlace.set("texto", d.texto);
    descargas.push_back(enlace);
  }
  datos.set("hay_descargas", !descargas.empty());
  datos.set("descargas", descargas);
  datos.set("lineas", total == 0 ? mus::list() : Lineas(hojas[hoja - 1], destacados));
  if (visor.hallazgos != nullptr && !visor.hallazgos->empty()) {
    datos.set("hay_hallazgos", true);
    datos.set("cantidad", std::to_string(visor.hallazgos->size()));
    datos.set("hallazgos", Hallazgos(*visor.hallazgos));
  }
  return Componer("hojas.mustache", datos);
}

}  // namespace kaldoren
