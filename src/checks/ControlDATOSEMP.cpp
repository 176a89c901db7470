#include "checks/ControlDATOSEMP.h"

#include <string_view>

#include "base/Regional.h"
#include "base/Text.h"
#include "checks/Comparacion.h"
#include "checks/TextosControl.h"

namespace kaldoren {

ControlDATOSEMP::ControlDATOSEMP()
    : distritos_(validos_.Distritos()), tipos_doc_(validos_.Tipos_Doc()) {}

std::string ControlDATOSEMP::Titulo() { return "DATOS DEL EMPLEADOR"; }

std::string ControlDATOSEMP::Agregado_al_titulo() {
  return std::string(TextosControl::kAgrupadosPorPeriodo);
}

std::string ControlDATOSEMP::Sql() {
  return "SELECT * FROM [DATOSEMP$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';";
}

// The columns each check below reads, by check number.
std::span<const std::string_view> ControlDATOSEMP::Columnas(int i) const {
  static const std::vector<std::string_view> kColumnas[] = {{"KALDOREN", "PROVISORIO"},
                                                            {"ESTABLECIMIENTO"},
                                                            {"DISTRITO"},
                                                            {"NIVEL"},
                                                            {"EXPEDIENTE", "KALDOREN"},
                                                            {"URBANO", "RURAL", "RESOLUCION"},
                                                            {"DOMICILIO"},
                                                            {"LOCALIDAD"},
                                                            {"PROPIETARIO", "RLEGAL"},
                                                            {"TIPODOCP", "TIPODOCR"},
                                                            {"NRODOCP", "NRODOCR"}};
  if (i < 0 || static_cast<size_t>(i) >= std::size(kColumnas)) return {};
  return kColumnas[i];
}

bool ControlDATOSEMP::Errores(const Recordset& r, int i) {
  switch (i) {
    case 0:
      return varios_.Error_Kaldoren(r.Field("KALDOREN"), r.Field("PROVISORIO"));
    case 1:
      return r.Field("ESTABLECIMIENTO").IsBlank();
    case 2:
      return !validos_.Encuentra(r.Field("DISTRITO"), distritos_);
    case 3:
      return r.Field("NIVEL").IsBlank();
    case 4: {
      const Value kaldoren = r.Field("KALDOREN");
      return Comparacion::Mayor(kaldoren, 0) && !Expedientevalido(r.Field("EXPEDIENTE"), kaldoren);
    }
    case 5:
      return !Clasificacionvalida(r.Field("URBANO"), r.Field("RURAL"), r.Field("RESOLUCION"));
    case 6:
      return r.Field("DOMICILIO").IsBlank();
    case 7:
      return r.Field("LOCALIDAD").IsBlank();
    case 8:
      return r.Field("PROPIETARIO").IsBlank() || r.Field("RLEGAL").IsBlank();
    case 9:
      return !validos_.Encuentra(r.Field("TIPODOCP"), tipos_doc_) ||
             !validos_.Encuentra(r.Field("TIPODOCR"), tipos_doc_);
    case 10:
      return !Comparacion::Mayor(r.Field("NRODOCP"), 0) ||
             !Comparacion::Mayor(r.Field("NRODOCR"), 0);
    default:
      return false;
  }
}

std::vector<std::string> ControlDATOSEMP::Items() {
  return {std::string(TextosControl::kItemKaldoren),
          "No se ha informado Nombre del Establecimento",
          "Distrito erróneo o no informado",
          "Nivel de Enseñanza no informado",
          "Nro. de Expediente erróneo, no informado o no corresponde información",
          "Clasificación errónea o no informada",
          "No se ha informado Domicilio",
          "No se ha informado Localidad",
          "No se ha informado Propietario y/o Representante Legal",
          "Tipo de Documento del Propietario y/o Representante Legal inválido o inexistente",
          "Nº de Documento del Propietario y/o Representante Legal inexistente"};
}

std::string ControlDATOSEMP::Leyenda(const std::string& dato) { return dato; }

std::string ControlDATOSEMP::Final(bool condi) {
  return TextosControl::Cierre(
      condi,
      "   Para corregir los errores, verificar en la Carátula cuando se trate de Nº KALDOREN, "
      "Nº PROVISORIO ZOL,\r\n"
      "   E-MAIL y datos del REPRESENTANTE LEGAL y PROPIETARIO. Por los demás datos erróneos, "
      "verificar las\r\n"
      "   planillas KALDOREN 20 que correspondan");
}

bool ControlDATOSEMP::Colegiotransferido(const Value& kaldoren) {
  const std::optional<double> numero = Comparacion::Numero(kaldoren);
  if (!numero) return false;
  const double n = *numero;
  return (n >= 4000 && n <= 5010) || n == 5096 || n == 5115 || n == 5123 || n == 5232 || n == 5299;
}

bool ControlDATOSEMP::Expedientevalido(const Value& expediente, const Value& kaldoren) {
  if (Colegiotransferido(kaldoren)) return expediente.IsBlank();
  return !expediente.IsBlank() && FormaDeExpedienteValida(expediente.TextForm());
}

// The text is taken untrimmed: a blank after the year makes it three characters.
bool ControlDATOSEMP::FormaDeExpedienteValida(const std::string& texto) {
  const std::string_view t(texto);
  const size_t guion = t.find('-');
  const size_t barra = t.find('/');
  if (guion == std::string_view::npos || guion == 0) return false;
  if (barra == std::string_view::npos || barra <= guion + 1) return false;
  const std::string_view anio = t.substr(barra + 1);
  if (Text::Length(anio) != 2) return false;

  const double caracteristica = Regional::LeadingNumber(t.substr(0, guion));
  if (caracteristica <= 0 || caracteristica > 99999) return false;
  const std::string_view numero = t.substr(guion + 1, barra - guion - 1);
  double valor = 0;
  if (!Regional::ParseNumber(numero, &valor)) return false;
  const double numero_inicial = Regional::LeadingNumber(numero);
  if (numero_inicial <= 0 || numero_inicial > 9999999) return false;
  return Regional::ParseNumber(anio, &valor);
}

bool ControlDATOSEMP::Clasificacionvalida(const Value& urbano, const Value& rural,
                                          const Value& resolucion) {
  const bool marcado_urbano = !urbano.IsEmpty() && Text::Upper(urbano.TextForm()) == "X";
  if (marcado_urbano && Comparacion::Igual(rural, 0)) return true;
  return urbano.IsBlank() && Comparacion::Mayor(rural, 0) && !resolucion.IsBlank();
}

}  // namespace kaldoren
