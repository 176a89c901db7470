// ComandoCeldas: "kaldoren20 celdas PLANILLA.XLS", the dump of every cell that
// holds a value, one JSON object per line:
// {"hoja":"DATOSEMP","fila":0,"columna":3,"tipo":"texto","valor":"..."}
#pragma once

#include <iosfwd>
#include <string>

namespace kaldoren {

class ComandoCeldas {
 public:
  ComandoCeldas(std::ostream& salida, std::ostream& errores);
  // Answers the exit status: 0, or 2 when the workbook cannot be read.
  int Ejecutar(const std::string& planilla);

 private:
  std::ostream& salida_;
  std::ostream& errores_;
};

}  // namespace kaldoren
