// ProgresoTerminal: the progress display of the command line. When standard
// error is a terminal it draws the section caption and a bar of 40 cells on one
// line, redrawn in place; otherwise it draws nothing. It never pauses.
#pragma once

#include <cstdio>
#include <string>

#include "app/PantallaProgreso.h"

namespace kaldoren {

class ProgresoTerminal final : public PantallaProgreso {
 public:
  // Draws on salida only when dibujar is true (a terminal).
  ProgresoTerminal(std::FILE* salida, bool dibujar);

  void TituloSeccion(const std::string& caption) override;
  void AnchoBarra(int units) override;
  void Porcentaje(const std::string& label) override;
  void Esperar(double) override {}

 private:
  void Dibujar();

  std::FILE* salida_;
  bool dibujar_;
  std::string caption_;
  int units_ = 0;
  std::string label_ = "0%";
  int celdas_dibujadas_ = -1;
  std::string label_dibujado_;
};

}  // namespace kaldoren
