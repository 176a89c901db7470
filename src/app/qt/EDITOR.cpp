#include "app/qt/EDITOR.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <initializer_list>
#include <limits>

#include "app/qt/CarpetaDocumentos.h"
#include "app/qt/Controles.h"
#include "app/qt/Dialogos.h"
#include "report/pintor/Fuentes.h"
#include "report/pintor/InformePdf.h"
#include "report/pintor/PaginaInforme.h"
#include "report/pintor/PintorHojas.h"

namespace kaldoren {

namespace {

using Controles = std::initializer_list<QWidget*>;

// The leading whole number of a text, as the range boxes read it: blanks,
// an optional sign and digits; anything else ends it. A text without digits
// gives 0; a number too long for 64 bits stays at the largest one.
qint64 NumeroInicial(const QString& texto) {
  qsizetype i = 0;
  while (i < texto.size() && texto[i] == QLatin1Char(' ')) ++i;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+'))) {
    negativo = texto[i] == QLatin1Char('-');
    ++i;
  }
  constexpr qint64 kMaximo = std::numeric_limits<qint64>::max();
  qint64 numero = 0;
  for (; i < texto.size() && texto[i] >= QLatin1Char('0') && texto[i] <= QLatin1Char('9'); ++i) {
    const int cifra = texto[i].unicode() - '0';
    numero = numero > (kMaximo - cifra) / 10 ? kMaximo : numero * 10 + cifra;
  }
  return negativo ? -numero : numero;
}

QLineEdit* CajaDeHoja(const QString& nombre, const QFont& fuente, QWidget* padre) {
  auto* caja = new QLineEdit(padre);
  caja->setObjectName(nombre);
  caja->setFont(fuente);
  caja->setAlignment(Qt::AlignCenter);
  caja->setFixedWidth(QFontMetrics(fuente).horizontalAdvance(QStringLiteral("0000")) + 12);
  return caja;
}

}  // namespace

EDITOR::EDITOR(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogos_(dialogos) {
  setObjectName(QStringLiteral("EDITOR"));
  setAttribute(Qt::WA_DeleteOnClose);
  CrearControles();
}

QPushButton* EDITOR::Boton(const QString& nombre, const QString& texto, const QFont& fuente) {
  return CrearControl<QPushButton>(this, nombre, texto, fuente);
}

void EDITOR::CrearControles() {
  reporte_ = new QTextEdit(this);
  reporte_->setObjectName(QStringLiteral("REPORTE"));
  reporte_->setReadOnly(true);
  reporte_->setLineWrapMode(QTextEdit::NoWrap);
  reporte_->setFont(PaginaInforme::Fuente());

  const QFont paginado = Fuentes::Crear(QStringLiteral("Verdana"), 8.25, false, true);
  const QFont accion = Fuentes::Crear(QStringLiteral("Verdana"), 9, true);
  const QFont numero = Fuentes::Crear(QStringLiteral("MS Sans Serif"), 9.75, true);
  avanzar_ = Boton(QStringLiteral("AVANZAR"), QStringLiteral("Avanzar Página"), paginado);
  retroceder_ = Boton(QStringLiteral("RETROCEDER"), QStringLiteral("Retroceder Página"), paginado);
  hoja_ = CrearControl<QLabel>(this, QStringLiteral("HOJA"), QString(), numero);
  auto* de = CrearControl<QLabel>(this, QStringLiteral("DE"), QStringLiteral("de"),
                                  Fuentes::Crear(QStringLiteral("MS Sans Serif"), 9.75));
  hasta_ = CrearControl<QLabel>(this, QStringLiteral("HASTA"), QString(), numero);
  imprimir_ = Boton(QStringLiteral("IMPRIMIR"), QStringLiteral("&Imprimir"), accion);
  auto* desde_texto = new QLabel(QStringLiteral("Desde Hoja :"), this);
  desdeh_ = CajaDeHoja(QStringLiteral("DESDEH"), numero, this);
  auto* hasta_texto = new QLabel(QStringLiteral("Hasta"), this);
  hastah_ = CajaDeHoja(QStringLiteral("HASTAH"), numero, this);
  pdf_ = Boton(QStringLiteral("PDF"), QStringLiteral("Guardar P&DF"), accion);
  pdf_->setToolTip(QStringLiteral("Guarda las hojas indicadas como un archivo PDF"));
  salir_ = Boton(QStringLiteral("SALIR"), QStringLiteral("&Salir"), accion);

  auto* fila = new QHBoxLayout;
  for (QWidget* control : Controles{avanzar_, retroceder_, hoja_, de, hasta_}) {
    fila->addWidget(control);
  }
  fila->addStretch();
  for (QWidget* control :
       Controles{imprimir_, desde_texto, desdeh_, hasta_texto, hastah_, pdf_, salir_}) {
    fila->addWidget(control);
  }
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(reporte_, 1);
  columna->addLayout(fila);

  setTabOrder(avanzar_, retroceder_);
  setTabOrder(retroceder_, desdeh_);
  setTabOrder(desdeh_, hastah_);
  setTabOrder(hastah_, imprimir_);
  setTabOrder(imprimir_, pdf_);
  setTabOrder(pdf_, salir_);
  setTabOrder(salir_, reporte_);

  connect(avanzar_, &QPushButton::clicked, this, &EDITOR::Avanzar);
  connect(retroceder_, &QPushButton::clicked, this, &EDITOR::Retroceder);
  connect(imprimir_, &QPushButton::clicked, this, &EDITOR::Imprimir);
  connect(pdf_, &QPushButton::clicked, this, &EDITOR::GuardarPdf);
  connect(salir_, &QPushButton::clicked, this, &QWidget::close);
  connect(desdeh_, &QLineEdit::returnPressed, hastah_, [this] { hastah_->setFocus(); });
  connect(hastah_, &QLineEdit::returnPressed, imprimir_, [this] { imprimir_->setFocus(); });
  desdeh_->installEventFilter(this);
  hastah_->installEventFilter(this);

  // Wide enough for a whole report line (105 characters and a little more).
  const QFontMetrics medidas(PaginaInforme::Fuente());
  resize(medidas.horizontalAdvance(QString(118, QLatin1Char('M'))) + 60,
         medidas.lineSpacing() * 62);
}

bool EDITOR::eventFilter(QObject* objeto, QEvent* evento) {
  // On entering a range box its number is selected, so typing replaces it;
  // deferred so that the click that gave the focus does not undo it.
  if (evento->type() == QEvent::FocusIn) {
    if (auto* caja = qobject_cast<QLineEdit*>(objeto)) {
      QTimer::singleShot(0, caja, &QLineEdit::selectAll);
    }
  }
  return QWidget::eventFilter(objeto, evento);
}

void EDITOR::Ver_Archivo(const JuegoDeHojas& hojas) {
  hojas_ = hojas;
  const qint64 paginas = hojas_.Contar();
  const bool hay_paginas = paginas > 0;
  for (QWidget* control : Controles{avanzar_, retroceder_, desdeh_, hastah_, imprimir_, pdf_}) {
    control->setEnabled(hay_paginas);
  }
  hasta_->setText(QString::number(paginas));
  desdeh_->setText(QStringLiteral("1"));
  hastah_->setText(QString::number(paginas));
  hoja_actual_ = 1;
  Mostrar_Hoja();
  show();
}

void EDITOR::Mostrar_Hoja() {
  reporte_->setUpdatesEnabled(false);
  PaginaInforme::Cargar(hojas_.Archivo(hoja_actual_), reporte_->document());
  PaginaInforme::Resaltar_Textos(hojas_.textos, reporte_->document());
  reporte_->setTextCursor(QTextCursor(reporte_->document()));
  hoja_->setText(QString::number(hoja_actual_));
  reporte_->setUpdatesEnabled(true);
}

void EDITOR::Avanzar() {
  if (!QFileInfo::exists(hojas_.Archivo(hoja_actual_ + 1))) return;
  ++hoja_actual_;
  Mostrar_Hoja();
}

void EDITOR::Retroceder() {
  if (hoja_actual_ <= 1 || !QFileInfo::exists(hojas_.Archivo(hoja_actual_ - 1))) return;
  --hoja_actual_;
  Mostrar_Hoja();
}

EDITOR::Rango EDITOR::RangoPedido() const {
  return Rango{NumeroInicial(desdeh_->text()), NumeroInicial(hastah_->text())};
}

bool EDITOR::Errores_Rango() {
  const QString total_texto = hasta_->text();
  const qint64 total = NumeroInicial(total_texto);
  const Rango rango = RangoPedido();
  QString mensaje;
  if (rango.desde <= 0 || rango.desde > total) {
    mensaje += QStringLiteral("El Nº de Hoja INICIAL debe ser mayor que 0 y menor o igual a ") +
               total_texto + QStringLiteral("\r\r");
  }
  if (rango.hasta > total || rango.hasta < rango.desde || rango.hasta <= 0) {
    mensaje += QStringLiteral("El Nº de Hoja FINAL debe ser mayor que 0, menor o igual a ") +
               total_texto + QStringLiteral(" y \rmayor o igual a la INICIAL\r");
  }
  if (mensaje.isEmpty()) return false;
  dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERRORES"), mensaje);
  return true;
}

void EDITOR::Imprimir() {
  if (Errores_Rango()) return;
  QPrinter impresora(QPrinter::HighResolution);
  PintorHojas::PrepararHoja(&impresora);
  if (!dialogos_.ElegirImpresora(this, &impresora)) return;
  ImprimirRango(&impresora);
}

void EDITOR::GuardarPdf() {
  if (Errores_Rango()) return;
  const Rango rango = RangoPedido();
  const QString sugerido = CarpetaDocumentos::Ruta() + QLatin1Char('/') +
                           QFileInfo(hojas_.prefijo).fileName() + QString::number(rango.desde) +
                           QLatin1Char('-') + QString::number(rango.hasta) + QStringLiteral(".pdf");
  const std::optional<QString> ruta = dialogos_.GuardarPdf(this, sugerido);
  if (!ruta) return;
  const Status estado = InformePdf::Escribir(hojas_, rango.desde, rango.hasta, *ruta);
  if (!estado.ok()) {
    dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                    QString::fromStdString(estado.description()));
  }
}

void EDITOR::ImprimirRango(QPrinter* impresora) {
  const Rango rango = RangoPedido();
  impresora->setDocName(hojas_.titulo);
  PintorHojas pintor(impresora, hojas_.textos);
  bool bien = pintor.Empezar();
  for (qint64 k = rango.desde; bien && k <= rango.hasta; ++k)
    bien = pintor.Pintar(hojas_.Archivo(k));
  bien = pintor.Terminar() && bien;
  if (!bien) {
    const QString falla = QString::fromStdString(pintor.Falla());
    dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                    QStringLiteral("No se pudo imprimir en ") +
                        (impresora->outputFileName().isEmpty() ? impresora->printerName()
                                                               : impresora->outputFileName()) +
                        (falla.isEmpty() ? QString() : QStringLiteral(": ") + falla));
  }
  Mostrar_Hoja();
}

}  // namespace kaldoren
