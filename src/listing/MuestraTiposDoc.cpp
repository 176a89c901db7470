#include "listing/MuestraTiposDoc.h"

#include "base/Format.h"

namespace kaldoren {

std::string MuestraTiposDoc::Titulo() {
  return "Tipos de Documento\r\n"
         "\r\n"
         "   Código    Descripción                                Código    Descripción";
}

std::vector<std::string> MuestraTiposDoc::Datos() {
  const std::vector<std::string> codigos = validos_.Tipos_Doc();
  const std::vector<std::string> descripciones = validos_.T_Tipos_Doc();
  std::vector<std::string> datos;
  for (size_t i = 0; i < codigos.size() && i < descripciones.size(); ++i) {
    datos.push_back(Format::Left(codigos[i], 6) + "    " + descripciones[i]);
  }
  return datos;
}

}  // namespace kaldoren
