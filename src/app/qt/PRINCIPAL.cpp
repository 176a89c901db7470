#include "app/qt/PRINCIPAL.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/PARTARCH.h"
#include "app/Reloj.h"
#include "app/Verificacion.h"
#include "app/qt/AvisadorQt.h"
#include "app/qt/CarpetaDocumentos.h"
#include "app/qt/Controles.h"
#include "app/qt/Dialogos.h"
#include "app/qt/EDITOR.h"
#include "base/Format.h"
#include "base/Text.h"
#include "hallazgos/CopiaMarcada.h"
#include "listing/ListadoDatosValidos.h"
#include "report/pintor/Fuentes.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {

namespace {

const char kTitulo[] =
    " Zolvanta - Verificación de Documentación de Colegios Privados  (Versión 1.0)";
const char kTituloDialogo[] = "Origen de Datos Declaración Jurada";
// The description names the workbook formats; the patterns proper come in
// both cases for dialogs that match names by case, and take in compressed
// files too, so that choosing one tells the user to unpack it first.
const char kFiltro[] =
    "Planillas (*.xls *.xlsx *.ods) (*.xls *.XLS *.xlsx *.XLSX *.xlsm *.XLSM *.ods *.ODS *.zip "
    "*.ZIP *.rar *.RAR)";
const char kCancelado[] = "Se seleccionó Cancelar.\r\nVerificación deshabilitada";
const char kComprimido[] =
    "El Archivo seleccionado deberá ser previamente descompactado. Vuelva\r"
    "a ESTABLECER UBICACION,ubíquese en  el archivo y presionado el botón\r"
    "derecho del Mouse  fíjese si tiene la opción de descompactado. De lo\r"
    "contrario deberá hacerlo fuera del programa";

constexpr int kAnchoBarraEnReposo = 15;
const char kGrisSombra[] = "background-color: #808080;";

void Ubicar(QWidget* control, int izquierda, int arriba, int ancho, int alto) {
  control->setGeometry(PRINCIPAL::Pixeles(izquierda), PRINCIPAL::Pixeles(arriba),
                       PRINCIPAL::Pixeles(ancho), PRINCIPAL::Pixeles(alto));
}

// A caption label: never narrower than its text, whatever font replaced the
// one it was designed with.
void EtiquetaDeTitulo(QWidget* padre, const char* nombre, const QString& texto, int izquierda,
                      int arriba, int ancho, int alto) {
  auto* etiqueta =
      CrearControl<QLabel>(padre, QString::fromLatin1(nombre), texto,
                           Fuentes::Crear(QStringLiteral("MS Sans Serif"), 8.25, true));
  Ubicar(etiqueta, izquierda, arriba, ancho, alto);
  etiqueta->resize(std::max(etiqueta->width(), etiqueta->sizeHint().width()),
                   std::max(etiqueta->height(), etiqueta->sizeHint().height()));
}

// A grey box drawn behind a control, offset down and right, as its shadow.
void Sombra(QWidget* padre, const char* nombre, int izquierda, int arriba, int ancho, int alto) {
  auto* sombra = new QLabel(padre);
  sombra->setObjectName(QString::fromLatin1(nombre));
  sombra->setStyleSheet(QString::fromLatin1(kGrisSombra));
  Ubicar(sombra, izquierda, arriba, ancho, alto);
}

// A value label of the workbook frame, white on its grey shadow.
QLabel* EtiquetaDeValor(QWidget* padre, const char* nombre, int izquierda, int arriba, int ancho,
                        int alto) {
  auto* etiqueta = CrearControl<QLabel>(padre, QString::fromLatin1(nombre), QString(),
                                        Fuentes::Crear(QStringLiteral("Arial"), 9.75));
  etiqueta->setStyleSheet(
      QStringLiteral("background-color: white; border: 1px solid #404040; padding-left: 2px;"));
  Ubicar(etiqueta, izquierda, arriba, ancho, alto);
  return etiqueta;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto, const QFont& fuente,
                   int izquierda, int arriba, int ancho, int alto) {
  auto* boton = CrearControl<QPushButton>(padre, QString::fromLatin1(nombre), texto, fuente);
  Ubicar(boton, izquierda, arriba, ancho, alto);
  return boton;
}

QGroupBox* Marco(QWidget* padre, const char* nombre, const QString& titulo, double puntos) {
  auto* marco = new QGroupBox(titulo, padre);
  marco->setObjectName(QString::fromLatin1(nombre));
  marco->setFont(Fuentes::Crear(QStringLiteral("Arial"), puntos, true));
  return marco;
}

QFont FuenteDeBoton() { return Fuentes::Crear(QStringLiteral("Verdana"), 9); }

QString Mayusculas(const QString& texto) {
  return QString::fromStdString(Text::Upper(texto.toStdString()));
}

QString DeRuta(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

std::string ARuta(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

}  // namespace

PRINCIPAL::PRINCIPAL(const QString& carpeta, Dialogos& dialogos, Pausa pausa, QWidget* parent)
    : QWidget(parent), carpeta_(carpeta), dialogos_(dialogos), pausa_(std::move(pausa)) {
  setObjectName(QStringLiteral("PRINCIPAL"));
  setWindowTitle(QString::fromUtf8(kTitulo));
  setFixedSize(Pixeles(10110), Pixeles(4530));
  CrearOrigen();
  CrearVerificacion();
  CrearBotonesLaterales();
  verifica_->setEnabled(false);
  VaciarEtiquetas();
}

void PRINCIPAL::CrearOrigen() {
  QGroupBox* marco = Marco(this, "Frame1", QStringLiteral("Origen de Datos a validar"), 9.75);
  Ubicar(marco, 120, 120, 9855, 2535);
  EtiquetaDeTitulo(marco, "Label1", QStringLiteral("Directorio :"), 120, 360, 960, 195);
  Sombra(marco, "Label4", 165, 645, 9535, 255);
  directorio_ = EtiquetaDeValor(marco, "DIRECTORIO", 120, 600, 9535, 255);
  EtiquetaDeTitulo(marco, "Label2", QStringLiteral("Archivo :"), 120, 1080, 780, 195);
  Sombra(marco, "Label5", 165, 1365, 9535, 255);
  archxls_ = EtiquetaDeValor(marco, "ARCHXLS", 120, 1320, 9535, 255);
  EtiquetaDeTitulo(marco, "Label3", QStringLiteral("Fecha/Hora última Modificación"), 120, 1800,
                   2730, 195);
  Sombra(marco, "Label6", 165, 2085, 2775, 255);
  fh_ = EtiquetaDeValor(marco, "FH", 120, 2040, 2775, 255);
  fh_->setAlignment(Qt::AlignCenter);
  Sombra(marco, "Shape1", 7170, 2015, 2505, 340);
  ubica_ = Boton(marco, "UBICA", QStringLiteral("Establecer Ubicación "), FuenteDeBoton(), 7080,
                 1920, 2535, 375);
  connect(ubica_, &QPushButton::clicked, this, &PRINCIPAL::ElegirPlanilla);
}

void PRINCIPAL::CrearVerificacion() {
  QGroupBox* marco = Marco(this, "Frame2", QStringLiteral("Verificación de Información"), 9.75);
  Ubicar(marco, 120, 2760, 8055, 1575);
  Sombra(marco, "Shape2", 200, 540, 1215, 855);
  verifica_ =
      Boton(marco, "VERIFICA", QStringLiteral("&Verificar"), FuenteDeBoton(), 120, 465, 1215, 855);
  CrearProgreso(marco);
  Sombra(marco, "Shape3", 6230, 540, 1695, 855);
  // The caption's run of spaces broke it in two lines at the button's width;
  // here the break is explicit.
  verinfo_ = Boton(marco, "VERINFO", QStringLiteral("&Ultimo Reporte\nGenerado"), FuenteDeBoton(),
                   6150, 465, 1695, 855);
  connect(verifica_, &QPushButton::clicked, this, &PRINCIPAL::Verificar);
  connect(verinfo_, &QPushButton::clicked, this, &PRINCIPAL::UltimoReporte);
}

void PRINCIPAL::CrearProgreso(QWidget* marco) {
  seccion_ = Marco(marco, "Frame3", QString(), 9);
  Ubicar(seccion_, 1560, 360, 4455, 975);
  contador_ = CrearControl<QLabel>(seccion_, QStringLiteral("CONTADOR"), QStringLiteral("0%"),
                                   Fuentes::Crear(QStringLiteral("MS Sans Serif"), 9.75, true));
  contador_->setAlignment(Qt::AlignCenter);
  contador_->setStyleSheet(QStringLiteral("color: white; background-color: #505050;"));
  Ubicar(contador_, 185, 480, 345, 240);
  // Wide enough for "100%" in the font that stands in, about the same centre.
  const int ancho = std::max(
      contador_->width(), contador_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 6);
  contador_->setGeometry(contador_->geometry().center().x() - ancho / 2, contador_->y(), ancho,
                         contador_->height());
  auto* sombra = new QLabel(seccion_);
  sombra->setObjectName(QStringLiteral("Label7"));
  sombra->setStyleSheet(QStringLiteral("background-color: #404040;"));
  Ubicar(sombra, 715, 540, 3590, 290);
  pista_ = new QWidget(seccion_);
  pista_->setObjectName(QStringLiteral("Frame3_1"));
  pista_->setAttribute(Qt::WA_StyledBackground);
  pista_->setStyleSheet(QStringLiteral("background-color: #d4d4d4;"));
  Ubicar(pista_, 640, 480, 3615, 300);
  barra_ = new QWidget(pista_);
  barra_->setObjectName(QStringLiteral("BARRA"));
  barra_->setAttribute(Qt::WA_StyledBackground);
  barra_->setStyleSheet(QStringLiteral("background-color: #000080;"));
  Ubicar(barra_, 0, 0, kAnchoBarraEnReposo, 300);
}

void PRINCIPAL::CrearBotonesLaterales() {
  QPushButton* datos =
      Boton(this, "VER_D_V", QStringLiteral("&Datos Válidos"),
            Fuentes::Crear(QStringLiteral("MS Sans Serif"), 9.75), 8400, 2820, 1575, 435);
  datos->setToolTip(
      QStringLiteral("Muestra Distritos, Niveles de Enseñanza y Tipos de Documentos Válidos"));
  QPushButton* salir =
      Boton(this, "SALIR", QStringLiteral("&SALIR"),
            Fuentes::Crear(QStringLiteral("MS Sans Serif"), 8.25), 8400, 3810, 1575, 525);
  QPushButton* marcada =
      Boton(this, "MARCADA", QStringLiteral("Planilla &Marcada"),
            Fuentes::Crear(QStringLiteral("MS Sans Serif"), 9.75), 8400, 3315, 1575, 435);
  marcada->setToolTip(
      QStringLiteral("Copia de la última planilla verificada con las celdas observadas en rojo"));
  salir->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  salir->setIconSize(QSize(24, 24));
  connect(datos, &QPushButton::clicked, this, &PRINCIPAL::DatosValidos);
  connect(salir, &QPushButton::clicked, this, &QWidget::close);
  connect(marcada, &QPushButton::clicked, this, &PRINCIPAL::PlanillaMarcada);
}

EDITOR* PRINCIPAL::Visor() const { return visor_; }

void PRINCIPAL::VaciarEtiquetas() {
  directorio_->clear();
  archxls_->clear();
  fh_->clear();
}

QString PRINCIPAL::CarpetaInicial() const {
  if (!ultima_carpeta_.isEmpty()) return ultima_carpeta_;
  return CarpetaDocumentos::Ruta();
}

void PRINCIPAL::ElegirPlanilla() {
  const std::optional<QString> ruta = dialogos_.AbrirArchivo(
      this, QString::fromUtf8(kTituloDialogo), QString::fromLatin1(kFiltro), CarpetaInicial());
  if (!ruta) {
    dialogos_.Aviso(this, QMessageBox::Warning, QStringLiteral("Operación cancelada"),
                    QString::fromUtf8(kCancelado));
    ruta_elegida_.clear();
    VaciarEtiquetas();
    verifica_->setEnabled(false);
    return;
  }
  ruta_elegida_ = *ruta;
  ultima_carpeta_ = QFileInfo(*ruta).absolutePath();
  // The file is read by the path as chosen: folders are case-sensitive here,
  // so only what the labels show is upper-cased.
  PARTARCH partes;
  partes.Sendero_Archivo(ARuta(*ruta));
  directorio_->setText(Mayusculas(DeRuta(partes.Sendero())));
  archxls_->setText(Mayusculas(DeRuta(partes.Archivo())));
  const std::optional<double> modificado = partes.UltimaMod();
  fh_->setText(modificado ? QString::fromStdString(Format::GeneralDate(*modificado)) : QString());
  // A compressed file is refused by its name; any other file is read by its
  // content, which tells .xls, .xlsx (a zip inside) and .ods apart.
  if (!archxls_->text().endsWith(QStringLiteral(".ZIP")) &&
      !archxls_->text().endsWith(QStringLiteral(".RAR"))) {
    verifica_->setEnabled(true);
    verifica_->setFocus();
    return;
  }
  dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                  QString::fromUtf8(kComprimido));
  VaciarEtiquetas();
  // With the labels empty there is no workbook to verify: the refused file
  // would only fail to open.
  verifica_->setEnabled(false);
}

void PRINCIPAL::Verificar() {
  AvisadorQt avisador(dialogos_, this);
  RelojDelSistema reloj;
  Verificacion verificacion(*this, avisador, reloj);
  const PlanillaElegida planilla{ARuta(ruta_elegida_), archxls_->text().toStdString(),
                                 fh_->text().toStdString()};
  ResultadoVerificacion resultado = verificacion.Correr(planilla, ARuta(carpeta_));
  if (!resultado.estado.ok()) return;
  PARTARCH partes;
  partes.Sendero_Archivo(planilla.ruta);
  verificada_ = Verificada{planilla.ruta, planilla.archivo, partes.UltimaMod(),
                           std::move(resultado.hallazgos)};
  UltimoReporte();
}

// The copy is made from the workbook as it is now, so a workbook changed
// since its verification is refused: its findings may point elsewhere.
void PRINCIPAL::PlanillaMarcada() {
  if (!verificada_) {
    dialogos_.Aviso(this, QMessageBox::Information, QStringLiteral("Planilla Marcada"),
                    QStringLiteral("Todavía no se verificó ninguna planilla. Elija una y "
                                   "presione Verificar; después podrá ver su copia marcada."));
    return;
  }
  PARTARCH partes;
  partes.Sendero_Archivo(verificada_->ruta);
  Workbook libro;
  const Status lectura = partes.UltimaMod() == verificada_->modificado
                             ? WorkbookReader::Read(verificada_->ruta, &libro)
                             : Status::Error(1, "La planilla " + verificada_->archivo +
                                                    " cambió desde que se verificó. "
                                                    "Verifíquela de nuevo.");
  if (!lectura.ok()) return ErrorDeMarcada(lectura.description());
  const QString ruta =
      carpeta_ + QStringLiteral("/") + DeRuta(CopiaMarcada::NombreDeArchivo(verificada_->archivo));
  const Status escritura = CopiaMarcada::Escribir(libro, verificada_->hallazgos, ARuta(ruta));
  if (!escritura.ok()) return ErrorDeMarcada(escritura.description());
  if (!dialogos_.AbrirConPrograma(ruta)) {
    ErrorDeMarcada("La copia marcada está en " + ARuta(ruta) +
                   ", pero no hay un programa de planillas que la abra.");
  }
}

void PRINCIPAL::ErrorDeMarcada(const std::string& texto) {
  dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("Planilla Marcada"),
                  QString::fromStdString(texto));
}

void PRINCIPAL::UltimoReporte() {
  if (!QFileInfo::exists(carpeta_ + QStringLiteral("/HOJA_1.TXT"))) {
    dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                    QStringLiteral("No se ha generado Reporte"));
    return;
  }
  AbrirVisor(JuegoDeHojas::Informe(carpeta_));
}

void PRINCIPAL::DatosValidos() {
  const Status estado = ListadoDatosValidos::Escribir(ARuta(carpeta_));
  if (!estado.ok()) {
    dialogos_.Aviso(this, QMessageBox::Critical, QStringLiteral("ERROR"),
                    QString::fromStdString(estado.description()));
    return;
  }
  AbrirVisor(JuegoDeHojas::Listado(carpeta_));
}

void PRINCIPAL::AbrirVisor(const JuegoDeHojas& hojas) {
  if (visor_) visor_->close();
  // Window-modal: the main window takes no input while the viewer is open.
  visor_ = new EDITOR(dialogos_, this);
  visor_->setWindowModality(Qt::WindowModal);
  // The captions begin with a space: " Resultados de la Verificación".
  visor_->setWindowTitle(QLatin1Char(' ') + hojas.titulo);
  visor_->Ver_Archivo(hojas);
}

void PRINCIPAL::closeEvent(QCloseEvent* evento) {
  evento->ignore();
  if (!dialogos_.Confirmar(this, QStringLiteral("Salida"),
                           QStringLiteral("Desea Salir del Sistema"))) {
    return;
  }
  if (visor_) visor_->close();
  evento->accept();
  QCoreApplication::quit();
}

void PRINCIPAL::TituloSeccion(const std::string& caption) {
  seccion_->setTitle(QString::fromStdString(caption));
  seccion_->repaint();
}

void PRINCIPAL::AnchoBarra(int units) {
  barra_->resize(Pixeles(units), barra_->height());
  pista_->repaint();
}

void PRINCIPAL::Porcentaje(const std::string& label) {
  contador_->setText(QString::fromStdString(label));
  contador_->repaint();
}

void PRINCIPAL::Esperar(double seconds) { pausa_(seconds); }

}  // namespace kaldoren
