#include "summaries/RESUMEN_ERRORES.h"

#include "base/Format.h"

namespace kaldoren {

std::string RESUMEN_ERRORES::Titulo() {
  return "REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE";
}

std::string RESUMEN_ERRORES::Agregado_al_titulo() { return "REM. ERRONEAS"; }

std::string RESUMEN_ERRORES::Sql(const Coleccion<SeccionResumen>&) {
  // Year and month of the leaving date as "yyyy/mm", evaluated by the engine
  // on each row and compared as text with the start of the period.
  const std::string anio_mes_baja =
      "Format(Year(FECBAJA), \"0000\") + \"/\"+ Format(Month(FECBAJA), \"00\")";
  return "SELECT PERLIQ, ORDEN, FECBAJA "
         "FROM [DATOSDOC$] "
         "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<> '' "
         "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC > 0) "
         "AND (C_APORTE<>0 OR PER_ZOL<>0 OR PAT_ZOL<>0) "
         "AND "
         "(YEAR(FECBAJA)>1900 AND INSTR(UCASE(PERLIQ),'SAC')=0 AND MID(PERLIQ,1,7) > " +
         anio_mes_baja +
         " AND MID(PERLIQ,6,2)<>'01' AND MID(PERLIQ,6,2)<>'02')"
         " "
         "ORDER BY PERLIQ, ORDEN;";
}

std::string RESUMEN_ERRORES::Encabezado() {
  return "PERIODO LIQUIDADO        Nº DE ORDEN        FECHA DE BAJA\r\n";
}

std::string RESUMEN_ERRORES::Detalle(const Recordset& r) {
  return "    " + Format::Left(r.Field("PERLIQ").TextForm(), 10) + std::string(14, ' ') +
         Format::Right(Format::WholeOrBlank(r.Field("ORDEN")), 4) + std::string(14, ' ') +
         r.Field("FECBAJA").TextForm();
}

std::span<const std::string_view> RESUMEN_ERRORES::Columnas() const {
  static constexpr std::string_view kColumnas[] = {"FECBAJA", "PERLIQ", "C_APORTE", "PER_ZOL",
                                                   "PAT_ZOL"};
  return kColumnas;
}

std::string RESUMEN_ERRORES::Vacio() { return "   « No se han registrado Casos »"; }

}  // namespace kaldoren
