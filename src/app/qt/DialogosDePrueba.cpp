#include "app/qt/DialogosDePrueba.h"

#include <QPrinter>

namespace kaldoren {

std::optional<QString> DialogosDePrueba::AbrirArchivo(QWidget*, const QString& titulo,
                                                      const QString& filtro,
                                                      const QString& carpeta_inicial) {
  aperturas.push_back({titulo, filtro, carpeta_inicial});
  if (archivos.empty()) return std::nullopt;
  const QString ruta = archivos.front();
  archivos.pop_front();
  if (ruta.isEmpty()) return std::nullopt;
  return ruta;
}

bool DialogosDePrueba::Confirmar(QWidget*, const QString& titulo, const QString& texto) {
  mensajes.push_back({QMessageBox::Question, titulo, texto});
  if (confirmaciones.empty()) return false;
  const bool respuesta = confirmaciones.front();
  confirmaciones.pop_front();
  return respuesta;
}

bool DialogosDePrueba::ElegirImpresora(QWidget*, QPrinter* impresora) {
  ++impresoras_pedidas;
  if (!impresora_pdf) return false;
  impresora->setOutputFormat(QPrinter::PdfFormat);
  impresora->setOutputFileName(*impresora_pdf);
  return true;
}

}  // namespace kaldoren
