// EDITOR: the viewer of page files. It shows the page files prefix1.TXT,
// prefix2.TXT, ... one at a time in a read-only rich-text view with chosen
// texts set off, pages back and forth, and prints a range of pages (one print
// job) or saves the range as a PDF file, both painted by PintorHojas. It only
// reads the page files.
//
// The caller creates the window, sets its caption and calls Ver_Archivo; the
// window deletes itself when closed. The Dialogos must outlive the window.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "report/pintor/JuegoDeHojas.h"

class QFont;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTextEdit;

namespace kaldoren {

class Dialogos;

class EDITOR final : public QWidget {
  Q_OBJECT

 public:
  explicit EDITOR(Dialogos& dialogos, QWidget* parent = nullptr);
  Q_DISABLE_COPY_MOVE(EDITOR)

  // Counts the consecutive page files from 1, fills the page labels and the
  // range boxes, shows page 1 and shows the window without waiting for it.
  void Ver_Archivo(const JuegoDeHojas& hojas);

  // Number of the page shown, from 1.
  int Hoja_Actual() const { return hoja_actual_; }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Rango {
    qint64 desde = 0;
    qint64 hasta = 0;
  };

  void CrearControles();
  QPushButton* Boton(const QString& nombre, const QString& texto, const QFont& fuente);
  void Mostrar_Hoja();
  void Avanzar();
  void Retroceder();
  // Errores_Rango: checks the range boxes against the page count and shows
  // what is wrong; true when the range is not printable.
  bool Errores_Rango();
  Rango RangoPedido() const;
  void Imprimir();
  void GuardarPdf();
  void ImprimirRango(QPrinter* impresora);

  Dialogos& dialogos_;
  JuegoDeHojas hojas_;
  int hoja_actual_ = 1;

  QTextEdit* reporte_ = nullptr;
  QPushButton* avanzar_ = nullptr;
  QPushButton* retroceder_ = nullptr;
  QLabel* hoja_ = nullptr;
  QLabel* hasta_ = nullptr;
  QPushButton* imprimir_ = nullptr;
  QLineEdit* desdeh_ = nullptr;
  QLineEdit* hastah_ = nullptr;
  QPushButton* pdf_ = nullptr;
  QPushButton* salir_ = nullptr;
};

}  // namespace kaldoren
