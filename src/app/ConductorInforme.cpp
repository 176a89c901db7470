#include "app/ConductorInforme.h"

#include <cmath>
#include <vector>

#include "base/Format.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

const char kEncabezadoParteA[] =
    "                                      a) Detalle de Inconsistencias";
const char kEncabezadoParteB[] = "                                          b) Uso interno ZOL";
const char kSinDatos[] = "   No hay Datos en dicha Tabla";
const char kLineaBlanca[] = " ";
const std::string kRegla(105, '-');
const std::string kReglaFinal(105, '_');

constexpr int kAnchoBarraCompleta = 3615;
constexpr int kAnchoLineas = 84;
constexpr double kPausaControl = 0.08;
constexpr double kPausaDocentes = 0.05;
constexpr double kPausaResumen = 0.15;

// The period column of a generic section: three spaces, then the period and
// ": " left-aligned in 12.
std::string ColumnaPeriodo(const Value& periodo) {
  return "   " + Format::Left(periodo.TextForm() + ": ", 12);
}

}  // namespace

ConductorInforme::ConductorInforme(APERTURA& apertura, TextFileWriter& informe,
                                   PantallaProgreso& progreso)
    : apertura_(apertura), informe_(informe), progreso_(progreso) {}

void ConductorInforme::EncabezarParteA() {
  Linea(kEncabezadoParteA);
  Linea(kLineaBlanca);
}

Status ConductorInforme::ParteA(const Coleccion<SeccionControl>& Cl) {
  numero_seccion_ = 0;
  for (const auto& seccion : Cl) {
    const Status estado = ControlGenerico(*seccion);
    if (!estado.ok()) return estado;
  }
  return Status::Ok();
}

Status ConductorInforme::ControlGenerico(SeccionControl& seccion) {
  ++numero_seccion_;
  const std::string titulo = std::to_string(numero_seccion_) + ") " + seccion.Titulo();
  progreso_.TituloSeccion(titulo);
  Linea(titulo + seccion.Agregado_al_titulo());
  const Status estado = apertura_.TablaActiva(seccion.Sql());
  if (!estado.ok()) return estado;
  if (apertura_.Reg().Eof()) {
    Linea(kSinDatos);
  } else {
    bool sin_errores = true;
    RecorrerRegistros(seccion, &sin_errores);
    progreso_.Porcentaje("100%");
    Linea(seccion.Final(!sin_errores));
  }
  Linea(kRegla);
  return Status::Ok();
}

void ConductorInforme::RecorrerRegistros(SeccionControl& seccion, bool* sin_errores) {
  Recordset& r = apertura_.Reg();
  r.MoveLast();
  const long total = r.RecordCount();
  r.MoveFirst();
  const std::vector<std::string> items = seccion.Items();
  Value periodo_escrito = Value::Text("");
  for (long i = 1; i <= total; ++i) {
    Avance(i, total);
    progreso_.Esperar(kPausaControl);
    for (size_t j = 0; j < items.size(); ++j) {
      if (!seccion.Errores(r, static_cast<int>(j))) continue;
      std::string columna(15, ' ');
      const Value periodo = r.Field("PERLIQ");
      if (!(periodo == periodo_escrito)) {
        Linea(kLineaBlanca);
        columna = ColumnaPeriodo(periodo);
        periodo_escrito = periodo;
      }
      const std::string leyenda = seccion.Leyenda(items[j]);
      Linea(columna + " " + leyenda);
      Anotar("a", seccion.Hoja(), static_cast<int>(j) + 1, leyenda, seccion.Columnas(j), false);
      *sin_errores = false;
      inconsistencias_ = true;
    }
    r.MoveNext();
  }
}

Status ConductorInforme::Docentes(SeccionControlPorItem& seccion) {
  ++numero_seccion_;
  const std::string titulo = std::to_string(numero_seccion_) + ") " + seccion.Titulo();
  progreso_.TituloSeccion(titulo);
  Linea(titulo + seccion.Agregado_al_titulo());
  Linea(kLineaBlanca);
  const Status estado = apertura_.TablaActiva(seccion.Sql());
  if (!estado.ok()) return estado;
  const std::vector<std::string> items = seccion.Items();
  if (apertura_.Reg().Eof()) {
    Linea(kSinDatos);
  } else {
    const std::vector<GrupoDePeriodo> grupos = GruposDePeriodo();
    bool sin_errores = true;
    for (size_t j = 0; j < items.size(); ++j) {
      // The item list runs from 0, so its upper bound is the total.
      Avance(static_cast<long>(j), static_cast<long>(items.size()) - 1);
      progreso_.Esperar(kPausaDocentes);
      RecorrerItem(seccion, static_cast<int>(j), items[j], grupos, &sin_errores);
    }
    Linea(seccion.Final(!sin_errores));
  }
  Linea(kReglaFinal);
  Linea(kLineaBlanca);
  Linea(kEncabezadoParteB);
  Linea(kLineaBlanca);
  return Status::Ok();
}

std::vector<ConductorInforme::GrupoDePeriodo> ConductorInforme::GruposDePeriodo() {
  Recordset& r = apertura_.Reg();
  std::vector<GrupoDePeriodo> grupos;
  for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
    const Value& periodo = r.Field("PERLIQ");
    if (grupos.empty() || !(grupos.back().periodo == periodo)) grupos.push_back({periodo, 0});
    ++grupos.back().registros;
  }
  return grupos;
}

void ConductorInforme::RecorrerItem(SeccionControlPorItem& seccion, int item,
                                    const std::string& texto,
                                    const std::vector<GrupoDePeriodo>& grupos, bool* sin_errores) {
  Recordset& r = apertura_.Reg();
  r.MoveFirst();
  leyenda_escrita_ = false;
  for (const GrupoDePeriodo& grupo : grupos) {
    std::string ordenes;
    for (long k = 0; k < grupo.registros; ++k, r.MoveNext()) {
      if (!seccion.Errores(r, item)) continue;
      ordenes += " " + Format::Right(Format::Whole(r.Field("ORDEN")), 3);
      Anotar("a", seccion.Hoja(), item + 1, texto, seccion.Columnas(item), true);
    }
    if (ordenes.empty()) continue;
    if (!leyenda_escrita_) {
      Linea("   " + seccion.Leyenda(texto));
      leyenda_escrita_ = true;
    }
    *sin_errores = false;
    inconsistencias_ = true;
    EscribirGrupo(seccion, grupo.periodo, ordenes);
  }
}

void ConductorInforme::EscribirGrupo(SeccionControlPorItem& seccion, const Value& periodo,
                                     const std::string& ordenes) {
  const std::vector<std::string> lineas = seccion.Acomoda(ordenes, kAnchoLineas);
  const std::string primera = lineas.size() > 1 ? lineas[1] : std::string();
  Linea("       " + Format::Left(periodo.TextForm() + ": ", 12) + primera);
  for (size_t k = 2; k < lineas.size(); ++k) Linea(std::string(19, ' ') + lineas[k]);
  Linea("  ");
}

Status ConductorInforme::ParteB(const Coleccion<SeccionResumen>& Cl) {
  numero_seccion_ = 0;
  for (const auto& seccion : Cl) {
    const Status estado = Resumen(*seccion, Cl);
    if (!estado.ok()) return estado;
  }
  return Status::Ok();
}

Status ConductorInforme::Resumen(SeccionResumen& seccion, const Coleccion<SeccionResumen>& Cl) {
  ++numero_seccion_;
  const std::string numero = std::to_string(numero_seccion_) + ") ";
  const std::string corto = seccion.Agregado_al_titulo();
  progreso_.TituloSeccion("USO INTERNO ZOL  " + numero + corto);
  Linea(numero + seccion.Titulo());
  Linea(kLineaBlanca);
  const Status estado = apertura_.TablaActiva(seccion.Sql(Cl));
  if (!estado.ok()) return estado;
  Recordset& r = apertura_.Reg();
  if (r.Eof()) {
    Linea(seccion.Vacio());
  } else {
    r.MoveLast();
    const long total = r.RecordCount();
    r.MoveFirst();
    Linea("   " + seccion.Encabezado());
    for (long i = 1; i <= total; ++i) {
      Avance(i, total);
      progreso_.Esperar(kPausaResumen);
      const std::string detalle = seccion.Detalle(r);
      Linea("   " + detalle);
      if (seccion.EsHallazgo(r))
        Anotar("b", corto, std::nullopt, detalle, seccion.Columnas(), true);
      r.MoveNext();
    }
    progreso_.Porcentaje("100%");
  }
  Linea(kRegla);
  return Status::Ok();
}

void ConductorInforme::Anotar(const std::string& parte, const std::string& seccion,
                              std::optional<int> item, std::string_view texto,
                              std::span<const std::string_view> columnas, bool con_orden) {
  Hallazgo h;
  h.parte = parte;
  h.seccion = seccion;
  h.item = item;
  h.texto = std::string(Text::Trim(texto));
  hallazgos_.Anotar(std::move(h), apertura_.Reg(), columnas, con_orden);
}

void ConductorInforme::Avance(long posicion, long total) {
  // An item list with a single item (upper bound 0) counts as complete.
  const double t = total > 0 ? static_cast<double>(total) : 1.0;
  progreso_.AnchoBarra(static_cast<int>(std::floor(posicion * kAnchoBarraCompleta / t)));
  progreso_.Porcentaje(std::to_string(static_cast<long>(std::floor(posicion * 100 / t))) + "%");
}

}  // namespace kaldoren
