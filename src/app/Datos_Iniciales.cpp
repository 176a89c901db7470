#include "app/Datos_Iniciales.h"

#include "base/Format.h"
#include "base/Regional.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

const char kSalto[] = "\r\n";

// Long date in capitals and time: "LUNES, 7 DE DICIEMBRE DE 2026 a la hora 09:05:07".
std::string Momento(double dia) {
  return Text::Upper(Format::LongDate(dia)) + " a la hora " + Format::HourMinuteSecond(dia);
}

std::string MomentoDeTexto(const std::string& texto) {
  double dia = 0;
  if (!Regional::ParseDate(texto, &dia)) return " a la hora ";
  return Momento(dia);
}

std::string EnMayusculas(const Recordset& r, const char* columna) {
  return Text::Upper(r.Field(columna).TextForm());
}

std::string Periodos(Recordset& r) {
  std::string periodos;
  const char* separador = "";
  for (; !r.Eof(); r.MoveNext()) {
    periodos += separador + r.Field("PERLIQ").TextForm();
    separador = " - ";
  }
  return periodos;
}

}  // namespace

std::string Datos_Iniciales::Sql() const {
  return "SELECT * "
         "FROM [DATOSEMP$] "
         "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' "
         "ORDER BY PERLIQ;";
}

std::string Datos_Iniciales::Encabezado_Informe(const std::string& arch, const std::string& ult,
                                                Recordset& r, double ahora) const {
  std::string texto = kSalto;
  texto += "                    INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)";
  texto += kSalto;
  texto += " ";
  texto += kSalto;
  texto += "Procesado el día :  " + Momento(ahora) + kSalto;
  texto += "Archivo de origen : " + arch + kSalto;
  texto += "Modificado el día : " + MomentoDeTexto(ult) + kSalto;
  texto += kSalto;
  texto += "Correspondiente a ";
  texto += kSalto;
  texto += "   Kaldoren :           " + r.Field("KALDOREN").TextForm() + kSalto;
  texto += "   Provisorio :         " + EnMayusculas(r, "PROVISORIO") + kSalto;
  texto += "   Establecimiento :    " + EnMayusculas(r, "ESTABLECIMIENTO") + kSalto;
  texto += "   Distrito informado : " + EnMayusculas(r, "DISTRITO") + kSalto;
  texto += "   Nivel informado :    " + EnMayusculas(r, "NIVEL") + kSalto;
  texto += kSalto;
  texto += "Periodos Informados : " + Periodos(r);
  return texto;
}

}  // namespace kaldoren
