#include "app/qt/PRINCIPAL.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <set>

#include "TestData.h"
#include "app/qt/DialogosDePrueba.h"
#include "app/qt/EDITOR.h"
#include "app/qt/PruebasEscritorio.h"

namespace kaldoren {
namespace {

using testing::Aspecto;
using testing::Control;
using testing::PrimeroCon;

const char kComprimido[] =
    "El Archivo seleccionado deberá ser previamente descompactado. Vuelva\r"
    "a ESTABLECER UBICACION,ubíquese en  el archivo y presionado el botón\r"
    "derecho del Mouse  fíjese si tiene la opción de descompactado. De lo\r"
    "contrario deberá hacerlo fuera del programa";

// What the window showed at one pause of a run.
struct Instante {
  double segundos;
  QString seccion;
  int barra;
  QString porcentaje;
};

class PRINCIPALTest : public ::testing::Test {
 protected:
  PRINCIPALTest()
      : ventana_(carpeta_.path(), dialogos_, [this](double segundos) { Anotar(segundos); }) {
    ventana_.show();
  }

  void Anotar(double segundos) {
    pausas_.push_back({segundos, Control<QGroupBox>(ventana_, "Frame3")->title(),
                       Control<QWidget>(ventana_, "BARRA")->width(), Texto("CONTADOR")});
  }

  QString Texto(const char* nombre) const { return Control<QLabel>(ventana_, nombre)->text(); }
  QPushButton* Boton(const char* nombre) const { return Control<QPushButton>(ventana_, nombre); }
  void Pulsar(const char* nombre) { QTest::mouseClick(Boton(nombre), Qt::LeftButton); }

  // A file in the temporary folder, last modified at 15/03/2004 10:20:30.9 (shown
  // truncated to the second).
  QString Archivo(const QString& relativo) {
    const QString ruta = otros_.filePath(relativo);
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile archivo(ruta);
    archivo.open(QIODevice::WriteOnly);
    archivo.setFileTime(QDateTime(QDate(2004, 3, 15), QTime(10, 20, 30, 900)),
                        QFileDevice::FileModificationTime);
    return ruta;
  }

  // Answers the file dialog with ruta (empty: the user cancels it).
  void Elegir(const QString& ruta) {
    dialogos_.archivos.push_back(ruta);
    Pulsar("UBICA");
  }

  // The one message shown since the last look, compared whole.
  void UnMensaje(QMessageBox::Icon icono, const char* titulo, const QString& texto) {
    ASSERT_EQ(dialogos_.mensajes.size(), 1u);
    EXPECT_EQ(dialogos_.mensajes[0].icono, icono);
    EXPECT_EQ(dialogos_.mensajes[0].titulo, QString::fromUtf8(titulo));
    EXPECT_EQ(dialogos_.mensajes[0].texto, texto);
    dialogos_.mensajes.clear();
  }

  // No workbook chosen: its labels blank and verification disabled.
  void SinPlanilla() const {
    for (const char* etiqueta : {"DIRECTORIO", "ARCHXLS", "FH"}) EXPECT_EQ(Texto(etiqueta), "");
    EXPECT_FALSE(Boton("VERIFICA")->isEnabled());
  }

  void CerrarVisor() {
    if (ventana_.Visor()) ventana_.Visor()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir carpeta_;
  QTemporaryDir otros_;
  DialogosDePrueba dialogos_;
  std::vector<Instante> pausas_;
  PRINCIPAL ventana_;
};

TEST_F(PRINCIPALTest, ChoosingAWorkbookShowsItsFolderNameAndDateAndEnablesVerification) {
  const QString ruta = Archivo(QStringLiteral("Declaraciones/planilla.xls"));

  Elegir(ruta);

  ASSERT_EQ(dialogos_.aperturas.size(), 1u);
  EXPECT_TRUE(
      dialogos_.aperturas[0].filtro.startsWith(QStringLiteral("Planillas (*.xls *.xlsx *.ods) (")));
  // the documents folder, or home when there is none: a folder that exists
  EXPECT_TRUE(QDir(dialogos_.aperturas[0].carpeta_inicial).exists());
  EXPECT_FALSE(dialogos_.aperturas[0].carpeta_inicial.isEmpty());
  EXPECT_EQ(Texto("DIRECTORIO"), (otros_.path() + QStringLiteral("/Declaraciones")).toUpper());
  EXPECT_EQ(Texto("ARCHXLS"), "PLANILLA.XLS");
  EXPECT_EQ(Texto("FH"), "15/03/2004 10:20:30");
  EXPECT_TRUE(Boton("VERIFICA")->isEnabled());
  EXPECT_TRUE(dialogos_.mensajes.empty());

  dialogos_.archivos.push_back(QString());
  Pulsar("UBICA");
  EXPECT_EQ(dialogos_.aperturas[1].carpeta_inicial,
            otros_.path() + QStringLiteral("/Declaraciones"));
}

TEST_F(PRINCIPALTest, RefusesACompressedFileWithTheFourLineMessage) {
  for (const QString& planilla :
       {QStringLiteral("planilla.xlsx"), QStringLiteral("PLANILLA.ODS")}) {
    Elegir(Archivo(planilla));
    EXPECT_TRUE(dialogos_.mensajes.empty()) << planilla.toStdString();
    EXPECT_TRUE(Boton("VERIFICA")->isEnabled()) << planilla.toStdString();
  }
  for (const QString& comprimido :
       {QStringLiteral("DECLARACION.ZIP"), QStringLiteral("envio.rar")}) {
    Elegir(Archivo(comprimido));

    UnMensaje(QMessageBox::Critical, "ERROR", QString::fromUtf8(kComprimido));
    SinPlanilla();
  }
}

TEST_F(PRINCIPALTest, CancellingTheDialogDisablesVerificationEvenAfterAWorkbookWasChosen) {
  SinPlanilla();
  Elegir(Archivo(QStringLiteral("planilla.xls")));
  ASSERT_TRUE(Boton("VERIFICA")->isEnabled());

  Elegir(QString());

  UnMensaje(QMessageBox::Warning, "Operación cancelada",
            QStringLiteral("Se seleccionó Cancelar.\r\nVerificación deshabilitada"));
  SinPlanilla();
}

TEST_F(PRINCIPALTest, ValidDataWritesTheListingAndShowsIt) {
  Pulsar("VER_D_V");

  EDITOR* visor = ventana_.Visor();
  ASSERT_NE(visor, nullptr);
  EXPECT_EQ(visor->windowTitle(), " Datos Válidos");
  EXPECT_TRUE(QFile::exists(carpeta_.filePath(QStringLiteral("DVALIDOS.TXT"))));
  const QTextDocument& pagina = *Control<QTextEdit>(*visor, "REPORTE")->document();
  EXPECT_TRUE(PrimeroCon(pagina, QStringLiteral("NOMINA DE DATOS VALIDOS A TENERSE EN CUENTA"),
                         Aspecto{QStringLiteral("arial"), 12, true, false}));
  EXPECT_TRUE(PrimeroCon(pagina, QStringLiteral("Distritos Escolares"),
                         Aspecto{QStringLiteral("arial"), 13, true, false}));
  CerrarVisor();
}

// The last report and the marked copy are then at hand from their buttons.
TEST_F(PRINCIPALTest, VerifiesARealWorkbookWithTheBarRunningAndOpensTheReport) {
  Elegir(QString::fromStdString(testing::TestDataPath("workbooks/declaracion_con_errores.xls")));
  ASSERT_TRUE(Boton("VERIFICA")->isEnabled());

  Pulsar("VERIFICA");

  EXPECT_TRUE(dialogos_.mensajes.empty());
  std::set<double> duraciones;
  std::set<QString> secciones;
  int barra_mayor = 0;
  bool completo = false;
  for (const Instante& instante : pausas_) {
    duraciones.insert(instante.segundos);
    secciones.insert(instante.seccion);
    barra_mayor = std::max(barra_mayor, instante.barra);
    completo = completo || instante.porcentaje == "100%";
  }
  EXPECT_EQ(duraciones, (std::set<double>{0.05, 0.08, 0.15}));
  EXPECT_TRUE(secciones.count(QStringLiteral("1) DATOS DEL EMPLEADOR")));
  EXPECT_TRUE(secciones.count(QStringLiteral("3) DATOS DE DOCENTES (REVISTA Y SALARIO)")));
  EXPECT_EQ(barra_mayor, PRINCIPAL::Pixeles(3615));
  EXPECT_TRUE(completo);

  EXPECT_EQ(Texto("CONTADOR"), "0%");
  EXPECT_EQ(Control<QWidget>(ventana_, "BARRA")->width(), PRINCIPAL::Pixeles(15));
  EXPECT_EQ(Control<QGroupBox>(ventana_, "Frame3")->title(), "");

  EDITOR* visor = ventana_.Visor();
  ASSERT_NE(visor, nullptr);
  EXPECT_EQ(visor->windowTitle(), " Resultados de la Verificación");
  EXPECT_EQ(Control<QLabel>(*visor, "HOJA")->text(), "1");
  EXPECT_EQ(Control<QLabel>(*visor, "HASTA")->text(), "5");
  const QTextDocument& pagina = *Control<QTextEdit>(*visor, "REPORTE")->document();
  EXPECT_TRUE(pagina.toPlainText().contains(
      QStringLiteral("Archivo de origen : DECLARACION_CON_ERRORES.XLS")));
  EXPECT_TRUE(PrimeroCon(pagina, QStringLiteral("a) Detalle de Inconsistencias"),
                         Aspecto{QStringLiteral("arial"), 11, true, false}));
  CerrarVisor();

  Pulsar("VERINFO");
  ASSERT_NE(ventana_.Visor(), nullptr);
  EXPECT_TRUE(ventana_.Visor()->isVisible());
  EXPECT_EQ(Control<QLabel>(*ventana_.Visor(), "HASTA")->text(), "5");
  CerrarVisor();
  Pulsar("MARCADA");
  const QString copia = carpeta_.filePath(QStringLiteral("DECLARACION_CON_ERRORES_MARCADA.xlsx"));
  EXPECT_TRUE(dialogos_.mensajes.empty());
  EXPECT_EQ(dialogos_.abiertos, std::vector<QString>{copia});
  EXPECT_GT(QFileInfo(copia).size(), 0);
}

// Buttons pressed when there is nothing for them to do: one message each, no
// viewer, no run, no page written, the window still open.
TEST_F(PRINCIPALTest, ButtonsWithNothingToDoOnlySaySo) {
  const QString incompleto =
      QString::fromStdString(testing::TestDataPath("workbooks/hojas_incompletas.xls"));
  const struct {
    const char* boton;
    QString planilla;  // chosen first, when given
    QMessageBox::Icon icono;
    const char* titulo;
    const char* texto;
  } casos[] = {
      {"VERINFO", {}, QMessageBox::Critical, "ERROR", "No se ha generado Reporte"},
      {"SALIR", {}, QMessageBox::Question, "Salida", "Desea Salir del Sistema"},
      {"MARCADA",
       {},
       QMessageBox::Information,
       "Planilla Marcada",
       "Todavía no se verificó ninguna planilla. Elija una y presione Verificar; después "
       "podrá ver su copia marcada."},
      {"VERIFICA", incompleto, QMessageBox::Critical, "Error de Datos",
       "El Archivo Seleccionado no tiene el formato requerido"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.boton);
    if (!caso.planilla.isEmpty()) Elegir(caso.planilla);
    dialogos_.confirmaciones.push_back(false);

    Pulsar(caso.boton);

    UnMensaje(caso.icono, caso.titulo, QString::fromUtf8(caso.texto));
    EXPECT_EQ(ventana_.Visor(), nullptr);
    EXPECT_TRUE(ventana_.isVisible());
    EXPECT_TRUE(pausas_.empty());
    EXPECT_FALSE(QFile::exists(carpeta_.filePath(QStringLiteral("HOJA_1.TXT"))));
    EXPECT_TRUE(dialogos_.abiertos.empty());
  }
}

TEST_F(PRINCIPALTest, TheCloseBoxAsksTheSameAndOkClosesTheWindow) {
  dialogos_.confirmaciones = {false, true};

  ventana_.windowHandle()->close();
  EXPECT_TRUE(ventana_.isVisible());

  ventana_.windowHandle()->close();
  EXPECT_FALSE(ventana_.isVisible());
  ASSERT_EQ(dialogos_.mensajes.size(), 2u);
  EXPECT_EQ(dialogos_.mensajes[1].texto, "Desea Salir del Sistema");
}

}  // namespace
}  // namespace kaldoren
