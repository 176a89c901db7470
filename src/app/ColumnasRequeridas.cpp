#include "app/ColumnasRequeridas.h"

namespace kaldoren {

const std::vector<ColumnasRequeridas::Hoja>& ColumnasRequeridas::Hojas() {
  static const std::vector<Hoja> kHojas = {
      {"DATOSEMP$",
       {"PERLIQ", "KALDOREN", "PROVISORIO", "ESTABLECIMIENTO", "DISTRITO", "NIVEL", "EXPEDIENTE",
        "URBANO", "RURAL", "RESOLUCION", "DOMICILIO", "LOCALIDAD", "PROPIETARIO", "RLEGAL",
        "TIPODOCP", "NRODOCP", "TIPODOCR", "NRODOCR"}},
      {"PAGOS$", {"PERLIQ", "KALDOREN", "PROVISORIO", "FECVTO", "FECPAGO", "PAGO"}},
      {"DATOSDOC$",
       {"PERLIQ", "ORDEN", "KALDOREN", "PROVISORIO", "ORIGINAL", "RECTIFICATIVA", "TIPODOC",
        "NRODOC", "CUIL", "FECNAC", "SEXO", "APENOM", "FINGEMP", "FECBAJA", "LICS/S", "MODREV",
        "FUN", "CATRE", "ANOS", "MESES", "C_APORTE", "PER_ZOL", "PAT_ZOL", "OBSERVACIONES"}},
  };
  return kHojas;
}

}  // namespace kaldoren
