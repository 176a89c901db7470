#include "summaries/RESUMEN_SALARIAL.h"

#include "base/Format.h"
#include "summaries/Importe.h"

namespace kaldoren {

std::string RESUMEN_SALARIAL::Titulo() { return "RESUMEN SALARIAL"; }

std::string RESUMEN_SALARIAL::Agregado_al_titulo() { return "RESUMEN SALARIAL"; }

std::string RESUMEN_SALARIAL::Sql(const Coleccion<SeccionResumen>&) {
  return "SELECT PERLIQ, COUNT(APENOM) AS CC, SUM(C_APORTE) AS RCA, SUM(PER_ZOL) AS PEZOL, "
         "SUM(PAT_ZOL) AS PAZOL, SUM(PAT_ZOL+PER_ZOL) AS TOTAL "
         "FROM [DATOSDOC$] "
         "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<> '' "
         "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC > 0) "
         "GROUP BY PERLIQ;";
}

std::string RESUMEN_SALARIAL::Encabezado() {
  return "PERIODO LIQUIDADO      CANTIDAD DE    REM. C/APORTES  APORTE PERSONAL   CONTR. PATRONAL"
         "  TOT A APORTAR\r\n"
         "                           REGISTROS";
}

std::string RESUMEN_SALARIAL::Detalle(const Recordset& r) {
  const Value total = r.Field("TOTAL");
  totales_ += Importe::Valor(total);
  return "    " + Format::Left(r.Field("PERLIQ").TextForm(), 10) + std::string(12, ' ') +
         Format::Right(Format::WholeOrBlank(r.Field("CC")), 4) + std::string(10, ' ') +
         Importe::Campo(r.Field("RCA"), 10) + std::string(7, ' ') +
         Importe::Campo(r.Field("PEZOL"), 10) + std::string(8, ' ') +
         Importe::Campo(r.Field("PAZOL"), 10) + std::string(5, ' ') + Importe::Campo(total, 10);
}

std::string RESUMEN_SALARIAL::Vacio() {
  return "   « No se han registrado Datos Salariales y Aportes »";
}

}  // namespace kaldoren
