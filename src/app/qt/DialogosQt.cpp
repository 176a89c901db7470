#include "app/qt/DialogosQt.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace kaldoren {

namespace {

// The program's messages break their lines with CR alone or CR LF.
QString ConSaltosDeLinea(QString texto) {
  texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return texto;
}

int MostrarMensaje(QWidget* padre, QMessageBox::Icon icono, const QString& titulo,
                   const QString& texto, QMessageBox::StandardButtons botones) {
  QMessageBox caja(icono, titulo, ConSaltosDeLinea(texto), botones, padre);
  return caja.exec();
}

}  // namespace

std::optional<QString> DialogosQt::AbrirArchivo(QWidget* padre, const QString& titulo,
                                                const QString& filtro,
                                                const QString& carpeta_inicial) {
  // The description keeps its own "(*.XLS)"; the patterns that follow it are
  // hidden from view and carry both cases, for dialogs that match by case.
  const QString ruta = QFileDialog::getOpenFileName(padre, titulo, carpeta_inicial, filtro, nullptr,
                                                    QFileDialog::HideNameFilterDetails);
  if (ruta.isEmpty()) return std::nullopt;
  return ruta;
}

void DialogosQt::Aviso(QWidget* padre, QMessageBox::Icon icono, const QString& titulo,
                       const QString& texto) {
  MostrarMensaje(padre, icono, titulo, texto, QMessageBox::Ok);
}

bool DialogosQt::Confirmar(QWidget* padre, const QString& titulo, const QString& texto) {
  return MostrarMensaje(padre, QMessageBox::Question, titulo, texto,
                        QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool DialogosQt::ElegirImpresora(QWidget* padre, QPrinter* impresora) {
  QPrintDialog dialogo(impresora, padre);
  // The range comes from the viewer's own boxes.
  dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
  return dialogo.exec() == QDialog::Accepted;
}

std::optional<QString> DialogosQt::GuardarPdf(QWidget* padre, const QString& sugerido) {
  QFileDialog dialogo(padre, QStringLiteral("Guardar como PDF"), sugerido,
                      QStringLiteral("Documento PDF (*.pdf)"));
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  dialogo.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialogo.selectedFiles().constFirst();
}

bool DialogosQt::AbrirConPrograma(const QString& ruta) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

}  // namespace kaldoren
