// DialogosDePrueba: scripted answers for the dialogs of the desktop windows,
// and a record of every message box shown, for the tests. Nothing appears on
// screen. An answer that was not scripted is a cancel.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "app/qt/Dialogos.h"

namespace kaldoren {

class DialogosDePrueba final : public Dialogos {
 public:
  struct Mensaje {
    QMessageBox::Icon icono;
    QString titulo;
    QString texto;
  };
  struct Apertura {
    QString titulo;
    QString filtro;
    QString carpeta_inicial;
  };

  std::optional<QString> AbrirArchivo(QWidget* padre, const QString& titulo, const QString& filtro,
                                      const QString& carpeta_inicial) override;
  void Aviso(QWidget*, QMessageBox::Icon icono, const QString& titulo,
             const QString& texto) override {
    mensajes.push_back({icono, titulo, texto});
  }
  bool Confirmar(QWidget* padre, const QString& titulo, const QString& texto) override;
  bool ElegirImpresora(QWidget* padre, QPrinter* impresora) override;
  std::optional<QString> GuardarPdf(QWidget*, const QString&) override { return archivo_pdf; }
  bool AbrirConPrograma(const QString& ruta) override {
    abiertos.push_back(ruta);
    return true;
  }

  // Answers, taken in order; an empty path is a cancelled dialog.
  std::deque<QString> archivos;
  std::deque<bool> confirmaciones;
  // When set, the printer dialog "chooses" a PDF printer writing this file.
  std::optional<QString> impresora_pdf;
  // When set, the PDF save dialog answers this path.
  std::optional<QString> archivo_pdf;

  // What was shown.
  std::vector<Apertura> aperturas;
  std::vector<Mensaje> mensajes;
  int impresoras_pedidas = 0;
  std::vector<QString> abiertos;  // files handed to the desktop's programs
};

}  // namespace kaldoren
