#include "listing/MuestraErrores.h"

namespace kaldoren {

std::vector<std::string> MuestraErrores::Datos() {
  return {
      "ERROR DE DATOS : Se produce cuando intenta abrir una planilla que el sistema puede "
      "interpretar, pero",
      "                 no posee la información requerida para la KALDOREN 20. El mensaje es :",
      "                             « El Archivo Seleccionado no tiene el formato requerido ».",
      "                 Haga la prueba seleccionando del cuadro de diálogo cualquier planilla "
      "válida al azar.",
      " ",
      "ERROR DE APERTURA : Se produce cuando intenta abrir una planila que el sistema no puede "
      "interpretar, aún",
      "                    pudiéndola abrir con EXCEL. Los mensajes pueden ser variados. Si el "
      "mensaje dice :",
      "                    La Tabla externa no tiene el formato esperado, una vía de solucion "
      "sería bajar de",
      "                    Internet nuevamente el Aplicativo Excel, copiando y pegando valores",
      "                    (no cortar y pegar), desde el archivo erróneo al nuevo. De lo "
      "contrario reportar",
      "                    dicho error al Z.O.L.",
  };
}

}  // namespace kaldoren
