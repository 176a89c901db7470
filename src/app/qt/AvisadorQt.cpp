#include "app/qt/AvisadorQt.h"

#include "app/qt/Dialogos.h"

namespace kaldoren {

namespace {

QMessageBox::Icon IconoDeCaja(Icono icono) {
  switch (icono) {
    case Icono::Critico:
      return QMessageBox::Critical;
    case Icono::Exclamacion:
      return QMessageBox::Warning;
    case Icono::Pregunta:
      return QMessageBox::Question;
  }
  return QMessageBox::Critical;
}

}  // namespace

AvisadorQt::AvisadorQt(Dialogos& dialogos, QWidget* ventana)
    : dialogos_(dialogos), ventana_(ventana) {}

void AvisadorQt::Mensaje(const std::string& texto, const std::string& titulo, Icono icono) {
  dialogos_.Aviso(ventana_, IconoDeCaja(icono), QString::fromStdString(titulo),
                  QString::fromStdString(texto));
}

}  // namespace kaldoren
