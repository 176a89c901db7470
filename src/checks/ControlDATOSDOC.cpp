#include "checks/ControlDATOSDOC.h"

#include "base/Text.h"
#include "checks/TextosControl.h"

namespace kaldoren {

std::string ControlDATOSDOC::Titulo() { return "DATOS DE DOCENTES (REVISTA Y SALARIO)"; }

std::string ControlDATOSDOC::Agregado_al_titulo() {
  return " (Agrupados por Detalle de Inconsistencias, Período Liquidado y\r\n" +
         std::string(41, ' ') + "Nº de Orden)";
}

std::string ControlDATOSDOC::Sql() {
  return "SELECT * "
         "FROM [DATOSDOC$] "
         "WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' "
         "AND ((NOT ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC<>0) "
         "ORDER BY PERLIQ, ORDEN;";
}

bool ControlDATOSDOC::Errores(const Recordset& r, int i) { return reglas_.Falla(r, i); }

std::vector<std::string> ControlDATOSDOC::Items() {
  return {std::string(TextosControl::kItemKaldoren),
          "Tipo de Liquidación errónea",
          "Tipos de Documento inválidos o inexistentes",
          "Nros. de Documento no informados",
          "Nros. de CUIL inválidos o inexistentes",
          "Fechas de nacimiento inválidas",
          "Sexos inválidos o inexistentes",
          "Apellido y nombres no informados",
          "Fechas de ingreso inválidas",
          "Fechas de Baja Inválidas",
          "Licencias S/sueldo mal informadas",
          "Modalidades de Revista inválidas o inexistentes",
          "Funciones no informadas o mal informadas",
          "Categorías no informadas o mal informadas",
          "Antiguedades incorrectas o dudosas",
          "Remuneraciones C/Aportes o Aportes Personales o Patronales no informados o mal "
          "informados"};
}

std::string ControlDATOSDOC::Leyenda(const std::string& dato) {
  ++letras_dadas_;
  return std::string(1, static_cast<char>(96 + letras_dadas_)) + ") " + dato;
}

std::string ControlDATOSDOC::Final(bool condi) {
  std::string texto;
  if (condi) {
    texto =
        "\r\n"
        "   Para corregir los errores, verificar las planillas KALDOREN 20 que correspondan. Si se "
        "reporta\r\n"
        "   CATEGORIA NO INFORMADA, es posible que se halla informado en forma numérica. De ser "
        "asi, anteponer\r\n"
        "   a dicho número a letra 'C' para su validación.";
  } else {
    texto = TextosControl::kTodoValidado;
  }
  return texto + std::string(TextosControl::kFinDeLinea);
}

std::vector<std::string> ControlDATOSDOC::Acomoda(const std::string& texto, int largo) {
  std::vector<std::string> lineas(1);
  const size_t ancho = largo > 0 ? static_cast<size_t>(largo) : Text::Length(texto);
  size_t pos = 0;
  while (pos < texto.size()) {
    const size_t inicio = pos;
    size_t caracteres = 0;
    for (; caracteres < ancho && pos < texto.size(); ++caracteres) Text::NextCodePoint(texto, &pos);
    std::string linea = texto.substr(inicio, pos - inicio);
    linea.append(ancho - caracteres, ' ');
    lineas.push_back(std::move(linea));
  }
  return lineas;
}

}  // namespace kaldoren
