#include "summaries/RESUMEN_DIFERENCIAS.h"

#include "base/Format.h"
#include "base/Regional.h"
#include "summaries/Importe.h"

namespace kaldoren {
namespace {

// A total as the query carries it, rounded to the cents it is written with.
double TotalLeido(const Value& v) {
  double x = 0;
  Regional::ParseNumber(v.TextForm(), &x);
  return Importe::Centavos(x);
}

std::string Diferencia(double aportes, double pagos) {
  if (aportes > pagos) return Format::Right(Format::Amount(aportes - pagos), 10);
  if (aportes < pagos) return Format::Right("(" + Format::Amount(pagos - aportes) + ")", 12);
  return "     «« OK »»";
}

}  // namespace

std::string RESUMEN_DIFERENCIAS::Titulo() { return "DIFERENCIAS"; }

std::string RESUMEN_DIFERENCIAS::Agregado_al_titulo() { return "DIFERENCIAS"; }

std::string RESUMEN_DIFERENCIAS::Sql(const Coleccion<SeccionResumen>& Cl) {
  return "SELECT TOP 1 '" + Regional::NumberText(Cl.Item(2).Totales()) + "' AS APORTES,'" +
         Regional::NumberText(Cl.Item(3).Totales()) + "' AS PAGOS " + "FROM [DATOSEMP$]";
}

std::string RESUMEN_DIFERENCIAS::Encabezado() {
  return "TOT A APORTAR       TOTAL PAGOS       DIFERENCIA (Aportes-pagos)\r\n";
}

std::string RESUMEN_DIFERENCIAS::Detalle(const Recordset& r) {
  const double aportes = TotalLeido(r.Field("APORTES"));
  const double pagos = TotalLeido(r.Field("PAGOS"));
  return " " + Format::Right(Format::Amount(aportes), 10) + std::string(9, ' ') +
         Format::Right(Format::Amount(pagos), 10) + std::string(11, ' ') +
         Diferencia(aportes, pagos);
}

bool RESUMEN_DIFERENCIAS::EsHallazgo(const Recordset& r) const {
  return TotalLeido(r.Field("APORTES")) != TotalLeido(r.Field("PAGOS"));
}

std::string RESUMEN_DIFERENCIAS::Vacio() {
  return "   « No se han registrado Datos Salariales y Aportes »";
}

}  // namespace kaldoren
