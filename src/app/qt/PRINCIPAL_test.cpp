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

using testing::Control;

const char kComprimido[] =
    "El Archivo seleccionado deberá ser previamente descompactado. Vuelva\r"
    "a ESTABLECER UBICACION,ubíquese en  el archivo y presionado el botón\r"
    "derecho del Mouse  fíjese si tiene la opción de descompactado. De lo\r"
    "contrario deberá hacerlo fuera del programa";

class PRINCIPALTest : public ::testing::Test {
 protected:
  PRINCIPALTest()
      : ventana_(carpeta_.path(), dialogos_, [this](double segundos) { Anotar(segundos); }) {
    ventana_.show();
  }

  // Notes what the window shows at a pause of a run.
  void Anotar(double segundos) {
    duraciones_.insert(segundos);
    secciones_.insert(Control<QGroupBox>(ventana_, "Frame3")->title());
    porcentajes_.insert(Texto("CONTADOR"));
    barra_mayor_ = std::max(barra_mayor_, Control<QWidget>(ventana_, "BARRA")->width());
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
  void UnMensaje(QMessageBox::Icon icono, const char* titulo, const char* texto) {
    ASSERT_EQ(dialogos_.mensajes.size(), 1u);
    EXPECT_EQ(dialogos_.mensajes[0].icono, icono);
    EXPECT_EQ(dialogos_.mensajes[0].titulo, QString::fromUtf8(titulo));
    EXPECT_EQ(dialogos_.mensajes[0].texto, QString::fromUtf8(texto));
    dialogos_.mensajes.clear();
  }

  // No workbook chosen: its labels blank and verification disabled.
  void SinPlanilla() const {
    for (const char* etiqueta : {"DIRECTORIO", "ARCHXLS", "FH"}) EXPECT_EQ(Texto(etiqueta), "");
    EXPECT_FALSE(Boton("VERIFICA")->isEnabled());
  }

  // True when texto first shows on the viewer's page in the title's Arial of that size.
  bool Titulo(const char* texto, double puntos) const {
    return testing::PrimeroCon(*Control<QTextEdit>(*ventana_.Visor(), "REPORTE")->document(),
                               QString::fromUtf8(texto),
                               {QStringLiteral("arial"), puntos, true, false});
  }

  void CerrarVisor() {
    if (ventana_.Visor()) ventana_.Visor()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir carpeta_;
  QTemporaryDir otros_;
  DialogosDePrueba dialogos_;
  std::set<double> duraciones_;
  std::set<QString> secciones_;
  std::set<QString> porcentajes_;
  int barra_mayor_ = 0;
  PRINCIPAL ventana_;
};

TEST_F(PRINCIPALTest, ChoosingAWorkbookShowsItsFolderNameAndDateAndEnablesVerification) {
  const QString carpeta = otros_.path() + QStringLiteral("/Declaraciones");
  Elegir(Archivo("Declaraciones/planilla.xls"));

  ASSERT_EQ(dialogos_.aperturas.size(), 1u);
  const auto& apertura = dialogos_.aperturas[0];
  EXPECT_TRUE(apertura.filtro.startsWith(QStringLiteral("Planillas (*.xls *.xlsx *.ods) (")));
  // the documents folder, or home when there is none: a folder that exists
  EXPECT_TRUE(!apertura.carpeta_inicial.isEmpty() && QDir(apertura.carpeta_inicial).exists());
  EXPECT_EQ(Texto("DIRECTORIO"), carpeta.toUpper());
  EXPECT_EQ(Texto("ARCHXLS"), "PLANILLA.XLS");
  EXPECT_EQ(Texto("FH"), "15/03/2004 10:20:30");
  EXPECT_TRUE(Boton("VERIFICA")->isEnabled());
  EXPECT_TRUE(dialogos_.mensajes.empty());

  Elegir(QString());
  EXPECT_EQ(dialogos_.aperturas[1].carpeta_inicial, carpeta);
}

TEST_F(PRINCIPALTest, RefusesACompressedFileWithTheFourLineMessage) {
  for (const char* planilla : {"planilla.xlsx", "PLANILLA.ODS"}) {
    Elegir(Archivo(planilla));
    EXPECT_TRUE(dialogos_.mensajes.empty()) << planilla;
    EXPECT_TRUE(Boton("VERIFICA")->isEnabled()) << planilla;
  }
  for (const char* comprimido : {"DECLARACION.ZIP", "envio.rar"}) {
    Elegir(Archivo(comprimido));
    UnMensaje(QMessageBox::Critical, "ERROR", kComprimido);
    SinPlanilla();
  }
}

TEST_F(PRINCIPALTest, CancellingTheDialogDisablesVerificationEvenAfterAWorkbookWasChosen) {
  SinPlanilla();
  Elegir(Archivo("planilla.xls"));
  ASSERT_TRUE(Boton("VERIFICA")->isEnabled());

  Elegir(QString());

  UnMensaje(QMessageBox::Warning, "Operación cancelada",
            "Se seleccionó Cancelar.\r\nVerificación deshabilitada");
  SinPlanilla();
}

TEST_F(PRINCIPALTest, ValidDataWritesTheListingAndShowsIt) {
  Pulsar("VER_D_V");

  ASSERT_NE(ventana_.Visor(), nullptr);
  EXPECT_EQ(ventana_.Visor()->windowTitle(), " Datos Válidos");
  EXPECT_TRUE(QFile::exists(carpeta_.filePath(QStringLiteral("DVALIDOS.TXT"))));
  EXPECT_TRUE(Titulo("NOMINA DE DATOS VALIDOS A TENERSE EN CUENTA", 12));
  EXPECT_TRUE(Titulo("Distritos Escolares", 13));
  CerrarVisor();
}

// The last report and the marked copy are then at hand from their buttons.
TEST_F(PRINCIPALTest, VerifiesARealWorkbookWithTheBarRunningAndOpensTheReport) {
  Elegir(QString::fromStdString(testing::TestDataPath("workbooks/declaracion_con_errores.xls")));
  ASSERT_TRUE(Boton("VERIFICA")->isEnabled());

  Pulsar("VERIFICA");

  EXPECT_TRUE(dialogos_.mensajes.empty());
  EXPECT_EQ(duraciones_, (std::set<double>{0.05, 0.08, 0.15}));
  EXPECT_TRUE(secciones_.count(QStringLiteral("1) DATOS DEL EMPLEADOR")));
  EXPECT_TRUE(secciones_.count(QStringLiteral("3) DATOS DE DOCENTES (REVISTA Y SALARIO)")));
  EXPECT_EQ(barra_mayor_, PRINCIPAL::Pixeles(3615));
  EXPECT_TRUE(porcentajes_.count(QStringLiteral("100%")));
  // then back at rest
  EXPECT_EQ(Texto("CONTADOR"), "0%");
  EXPECT_EQ(Control<QWidget>(ventana_, "BARRA")->width(), PRINCIPAL::Pixeles(15));
  EXPECT_EQ(Control<QGroupBox>(ventana_, "Frame3")->title(), "");

  // the report opens on its first page of five, and again from its button
  for (const char* boton : {"", "VERINFO"}) {
    if (*boton) Pulsar(boton);
    EDITOR* visor = ventana_.Visor();
    ASSERT_NE(visor, nullptr) << boton;
    EXPECT_TRUE(visor->isVisible());
    EXPECT_EQ(visor->windowTitle(), " Resultados de la Verificación");
    EXPECT_EQ(Control<QLabel>(*visor, "HOJA")->text(), "1");
    EXPECT_EQ(Control<QLabel>(*visor, "HASTA")->text(), "5");
    const QString texto = Control<QTextEdit>(*visor, "REPORTE")->toPlainText();
    EXPECT_TRUE(texto.contains(QStringLiteral("Archivo de origen : DECLARACION_CON_ERRORES.XLS")));
    EXPECT_TRUE(Titulo("a) Detalle de Inconsistencias", 11));
    CerrarVisor();
  }
  Pulsar("MARCADA");
  const QString copia = carpeta_.filePath(QStringLiteral("DECLARACION_CON_ERRORES_MARCADA.xlsx"));
  EXPECT_TRUE(dialogos_.mensajes.empty());
  EXPECT_EQ(dialogos_.abiertos, std::vector<QString>{copia});
  EXPECT_GT(QFileInfo(copia).size(), 0);
}

// Buttons pressed when there is nothing for them to do: one message each, no
// viewer, no run, no page written, the window still open.
TEST_F(PRINCIPALTest, ButtonsWithNothingToDoOnlySaySo) {
  const struct {
    const char* boton;
    QMessageBox::Icon icono;
    const char* titulo;
    const char* texto;
    QString planilla = {};  // chosen first, when given
  } casos[] = {
      {"VERINFO", QMessageBox::Critical, "ERROR", "No se ha generado Reporte"},
      {"SALIR", QMessageBox::Question, "Salida", "Desea Salir del Sistema"},
      {"MARCADA", QMessageBox::Information, "Planilla Marcada",
       "Todavía no se verificó ninguna planilla. Elija una y presione Verificar; después podrá "
       "ver su copia marcada."},
      {"VERIFICA", QMessageBox::Critical, "Error de Datos",
       "El Archivo Seleccionado no tiene el formato requerido",
       QString::fromStdString(testing::TestDataPath("workbooks/hojas_incompletas.xls"))},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.boton);
    if (!caso.planilla.isEmpty()) Elegir(caso.planilla);
    dialogos_.confirmaciones.push_back(false);

    Pulsar(caso.boton);

    UnMensaje(caso.icono, caso.titulo, caso.texto);
    EXPECT_EQ(ventana_.Visor(), nullptr);
    EXPECT_TRUE(ventana_.isVisible());
    EXPECT_TRUE(duraciones_.empty());
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
