#include "app/qt/EDITOR.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "app/qt/DialogosDePrueba.h"
#include "app/qt/PruebasEscritorio.h"
#include "report/pintor/TextosResaltados.h"

namespace kaldoren {
namespace {

using testing::Aspecto;
using testing::Control;
using testing::Posiciones;
using testing::PrimeroCon;
using testing::TramoCon;

const Aspecto kPagina{QStringLiteral("Courier New"), 8.25, false, false};
const Aspecto kSeccion{QStringLiteral("arial"), 9, true, false};

class EDITORTest : public ::testing::Test {
 protected:
  void TearDown() override { delete visor_; }

  QString Hoja(int k) const { return carpeta_.filePath(QStringLiteral("HOJA_%1.TXT").arg(k)); }

  // Page k of n: a short header, the page line and a body line naming k.
  void EscribirHojas(int n) {
    for (int k = 1; k <= n; ++k)
      testing::EscribirPagina(
          Hoja(k),
          {QString(), QStringLiteral("   INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)"),
           QString(91, QLatin1Char(' ')) + QStringLiteral("Hoja Nº %1 de %2").arg(k).arg(n),
           QString(105, QLatin1Char('_')), QString(), QStringLiteral("Cuerpo de la hoja %1").arg(k),
           QStringLiteral("2) PAGOS (Agrupados por Período Liquidado)")});
  }

  // Opens a new viewer on the page files, closing the one open before.
  void Abrir() {
    delete visor_;
    visor_ = new EDITOR(dialogos_);
    visor_->setWindowTitle(QStringLiteral(" Resultados de la Verificación"));
    visor_->Ver_Archivo(JuegoDeHojas::Informe(carpeta_.path()));
  }

  // What a label or a range box shows.
  QString Texto(const char* nombre) const {
    return Control<QWidget>(*visor_, nombre)->property("text").toString();
  }
  void Pulsar(const char* nombre) {
    QTest::mouseClick(Control<QPushButton>(*visor_, nombre), Qt::LeftButton);
  }
  // Replaces what a range box holds by typing, as a user does.
  void Escribir(const char* nombre, const QString& texto) {
    QLineEdit* caja = Control<QLineEdit>(*visor_, nombre);
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Backspace);
    QTest::keyClicks(caja, texto);
  }
  const QTextDocument& Pagina() { return *Control<QTextEdit>(*visor_, "REPORTE")->document(); }
  bool Muestra(const QString& texto) { return Pagina().toPlainText().contains(texto); }
  QString Pdf(const char* nombre) const { return carpeta_.filePath(QString::fromLatin1(nombre)); }

  QTemporaryDir carpeta_;
  DialogosDePrueba dialogos_;
  QPointer<EDITOR> visor_;
};

// The pages are the consecutive page files, whatever their number of digits;
// a file after a gap is not one of them.
TEST_F(EDITORTest, OpensOnPageOneAndPagesThroughEveryPageStoppingAtBothEnds) {
  EscribirHojas(12);
  testing::EscribirPagina(Hoja(14), {QStringLiteral("suelta")});
  Abrir();

  EXPECT_TRUE(visor_->isVisible());
  for (auto [nombre, valor] : {std::pair{"HASTA", "12"}, {"DESDEH", "1"}, {"HASTAH", "12"}})
    EXPECT_EQ(Texto(nombre), valor) << nombre;
  EXPECT_TRUE(Muestra(QStringLiteral("Hoja Nº 1 de 12")));
  // pressing a button so many times lands on page k
  const auto pulsar = [this](const char* boton, int veces, int k) {
    while (veces-- > 0) Pulsar(boton);
    EXPECT_EQ(Texto("HOJA"), QString::number(k));
    EXPECT_EQ(visor_->Hoja_Actual(), k);
    EXPECT_TRUE(Muestra(QStringLiteral("Cuerpo de la hoja %1").arg(k))) << k;
  };
  pulsar("RETROCEDER", 1, 1);
  pulsar("AVANZAR", 11, 12);
  pulsar("AVANZAR", 1, 12);
  pulsar("RETROCEDER", 1, 11);
}

TEST_F(EDITORTest, WithoutPageFilesShowsNothingAndOffersNeitherPagingNorPrinting) {
  Abrir();

  EXPECT_EQ(Texto("HASTA"), "0");
  EXPECT_EQ(Pagina().toPlainText(), "");
  for (const char* nombre : {"AVANZAR", "RETROCEDER", "IMPRIMIR", "PDF", "DESDEH"})
    EXPECT_FALSE(Control<QWidget>(*visor_, nombre)->isEnabled()) << nombre;
}

TEST_F(EDITORTest, ShowsThePageInCourierNewWithItsTitlesSetOffWhereverTheyOccur) {
  testing::EscribirPagina(
      Hoja(1),
      {QString(), "                    INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)",
       "2) PAGOS", "   texto con 2) pagos en medio", "2) PAGOS", "      «« OK »»"});
  Abrir();
  const QTextDocument& pagina = Pagina();

  const QList<int> pagos = Posiciones(pagina, QStringLiteral("2) PAGOS"));
  ASSERT_EQ(pagos.size(), 3);
  for (int p : pagos) EXPECT_TRUE(TramoCon(pagina, p, 8, kSeccion)) << "en " << p;
  EXPECT_TRUE(TramoCon(pagina, pagos[1] - 9, 9, kPagina));

  EXPECT_TRUE(PrimeroCon(pagina, "INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)",
                         {QStringLiteral("arial"), 11, true, false}));
  EXPECT_TRUE(TramoCon(pagina, 1, 20, kPagina));
  EXPECT_TRUE(PrimeroCon(pagina, "«« OK »»", {QStringLiteral("arial"), 11, false, false}));
  EXPECT_FALSE(Control<QTextEdit>(*visor_, "REPORTE")->textCursor().hasSelection());
}

// What the range check says of a first page, a last page, or both, out of n.
std::string Inicial(int n) {
  return "El Nº de Hoja INICIAL debe ser mayor que 0 y menor o igual a " + std::to_string(n) +
         "\r\r";
}
std::string Final(int n) {
  return "El Nº de Hoja FINAL debe ser mayor que 0, menor o igual a " + std::to_string(n) +
         " y \rmayor o igual a la INICIAL\r";
}
std::string Ambas(int n) { return Inicial(n) + Final(n); }

TEST_F(EDITORTest, ChecksThePrintRangeBeforeAskingForAPrinter) {
  const struct {
    const char* desde;
    const char* hasta;
    int paginas;
    std::string mensaje;  // empty: the range is printable
  } casos[] = {
      {"2", "2", 3, ""},       {"0", "3", 3, Inicial(3)}, {"3", "2", 3, Final(3)},
      {"4", "1", 3, Ambas(3)}, {"", "", 3, Ambas(3)},     {"-1", "3", 3, Inicial(3)},
      {"2a", "3", 3, ""},      {"x", "5", 9, Inicial(9)}, {"5", "x", 9, Final(9)},
      {"2", "10", 11, ""},     {"10", "11", 11, ""},      {"12", "12", 11, Ambas(11)},
  };
  // the rows go by growing page counts: each row's pages overwrite the earlier ones
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(caso.desde) + " a " + caso.hasta);
    EscribirHojas(caso.paginas);
    Abrir();
    dialogos_ = {};
    Escribir("DESDEH", QString::fromLatin1(caso.desde));
    Escribir("HASTAH", QString::fromLatin1(caso.hasta));

    Pulsar("IMPRIMIR");

    EXPECT_EQ(dialogos_.impresoras_pedidas, caso.mensaje.empty() ? 1 : 0);
    ASSERT_EQ(dialogos_.mensajes.size(), caso.mensaje.empty() ? 0u : 1u);
    if (caso.mensaje.empty()) continue;
    EXPECT_EQ(dialogos_.mensajes[0].titulo, "ERRORES");
    EXPECT_EQ(dialogos_.mensajes[0].icono, QMessageBox::Critical);
    EXPECT_EQ(dialogos_.mensajes[0].texto.toStdString(), caso.mensaje);
    EXPECT_EQ(Texto("DESDEH"), QString::fromLatin1(caso.desde));
  }
}

TEST_F(EDITORTest, EnterInTheRangeBoxesMovesOnToPrinting) {
  EscribirHojas(3);
  Abrir();
  QApplication::setActiveWindow(visor_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(visor_));
  auto* desde = Control<QLineEdit>(*visor_, "DESDEH");
  auto* hasta = Control<QLineEdit>(*visor_, "HASTAH");

  desde->setFocus();
  QTest::keyClick(desde, Qt::Key_Return);
  EXPECT_TRUE(hasta->hasFocus());
  QTest::qWait(0);
  EXPECT_EQ(hasta->selectedText(), "3");
  QTest::keyClick(hasta, Qt::Key_Enter);
  EXPECT_TRUE(Control<QPushButton>(*visor_, "IMPRIMIR")->hasFocus());
}

// Printing and saving as PDF each write their range as one job; the page
// shown before is shown again.
TEST_F(EDITORTest, PrintsTheRangeOrSavesItAsAPdfAndShowsThePageShownBefore) {
  EscribirHojas(3);
  Abrir();
  Pulsar("AVANZAR");
  dialogos_.impresora_pdf = Pdf("impreso.pdf");
  dialogos_.archivo_pdf = Pdf("guardado.pdf");
  Escribir("DESDEH", QStringLiteral("2"));
  Escribir("HASTAH", QStringLiteral("3"));

  Pulsar("IMPRIMIR");
  Escribir("DESDEH", QStringLiteral("1"));
  Pulsar("PDF");

  EXPECT_TRUE(dialogos_.mensajes.empty());
  EXPECT_EQ(dialogos_.impresoras_pedidas, 1) << "saving asks for no printer";
  EXPECT_EQ(testing::PaginasDePdf(Pdf("impreso.pdf")), 2);
  EXPECT_EQ(testing::PaginasDePdf(Pdf("guardado.pdf")), 3);
  EXPECT_EQ(Texto("HOJA"), "2");
  EXPECT_TRUE(Muestra(QStringLiteral("Cuerpo de la hoja 2")));
  EXPECT_TRUE(PrimeroCon(Pagina(), QStringLiteral("2) PAGOS"), kSeccion));
}

TEST_F(EDITORTest, SalirClosesTheViewer) {
  EscribirHojas(1);
  Abrir();

  Pulsar("SALIR");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_TRUE(visor_.isNull());
}

}  // namespace
}  // namespace kaldoren
