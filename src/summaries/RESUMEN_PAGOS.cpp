#include "summaries/RESUMEN_PAGOS.h"

#include "base/Calendar.h"
#include "base/Format.h"
#include "summaries/Importe.h"

namespace kaldoren {

std::string RESUMEN_PAGOS::Titulo() { return "RESUMEN DE PAGOS"; }

std::string RESUMEN_PAGOS::Agregado_al_titulo() { return "RESUMEN PAGOS"; }

std::string RESUMEN_PAGOS::Sql(const Coleccion<SeccionResumen>&) {
  return "SELECT PERLIQ, FECVTO, FECPAGO, SUM(PAGO) AS TOTAL "
         "FROM [PAGOS$] "
         "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' AND PAGO > 0 "
         "GROUP BY PERLIQ, FECVTO, FECPAGO;";
}

std::string RESUMEN_PAGOS::Encabezado() {
  return "PERIODO LIQUIDADO    FECHA VTO.   FECHA PAGO   TOTAL PAGOS\r\n  ";
}

std::string RESUMEN_PAGOS::Detalle(const Recordset& r) {
  const Value total = r.Field("TOTAL");
  totales_ += Importe::Valor(total);
  return "    " + Format::Left(r.Field("PERLIQ").TextForm(), 10) + std::string(7, ' ') +
         TextoFecha(r.Field("FECVTO")) + std::string(3, ' ') + TextoFecha(r.Field("FECPAGO")) +
         std::string(4, ' ') + Importe::Campo(total, 10);
}

std::string RESUMEN_PAGOS::Vacio() { return "   « No se han registrado Pagos »"; }

std::string RESUMEN_PAGOS::TextoFecha(const Value& v) const {
  const std::optional<CivilDate> fecha = fechas_.Fecha(v);
  if (!fecha || fecha->year < 1900) return "----------";
  return Format::DayMonthYear(Calendar::DayCount(fecha->year, fecha->month, fecha->day));
}

}  // namespace kaldoren
