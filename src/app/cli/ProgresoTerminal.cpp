#include "app/cli/ProgresoTerminal.h"

#include <algorithm>

namespace kaldoren {
namespace {

constexpr int kCeldas = 40;
constexpr int kAnchoCompleto = 3615;

}  // namespace

ProgresoTerminal::ProgresoTerminal(std::FILE* salida, bool dibujar)
    : salida_(salida), dibujar_(dibujar) {}

void ProgresoTerminal::TituloSeccion(const std::string& caption) {
  caption_ = caption;
  celdas_dibujadas_ = -1;
  if (dibujar_ && caption_.empty()) {
    std::fputs("\r\033[K", salida_);
    std::fflush(salida_);
  }
}

void ProgresoTerminal::AnchoBarra(int units) { units_ = units; }

void ProgresoTerminal::Porcentaje(const std::string& label) {
  label_ = label;
  Dibujar();
}

void ProgresoTerminal::Dibujar() {
  if (!dibujar_ || caption_.empty()) return;
  const int llenas = std::clamp(units_ * kCeldas / kAnchoCompleto, 0, kCeldas);
  // Redraw only when the bar or the label changed; records come by thousands.
  if (llenas == celdas_dibujadas_ && label_ == label_dibujado_) return;
  celdas_dibujadas_ = llenas;
  label_dibujado_ = label_;
  std::fprintf(salida_, "\r\033[K%-45.45s [%s%s] %5s", caption_.c_str(),
               std::string(llenas, '#').c_str(), std::string(kCeldas - llenas, ' ').c_str(),
               label_.c_str());
  std::fflush(salida_);
}

}  // namespace kaldoren
