#include "report/pintor/InformePdf.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "CorridaDePrueba.h"
#include "TestData.h"
#include "base/Text.h"
#include "listing/ListadoDatosValidos.h"
#include "report/pintor/AplicacionSinPantalla.h"

namespace kaldoren {
namespace {

// What a command prints on standard output.
std::string Salida(const QString& orden) {
  std::string texto;
  if (std::FILE* tubo = popen(orden.toLocal8Bit().constData(), "r")) {
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) texto.append(bloque, n);
    pclose(tubo);
  }
  return texto;
}

// The lines that hold text, each with its runs of blanks made one: pdftotext
// rebuilds the spacing of a page from the glyphs' positions by estimate and
// leaves out lines that hold only blanks, so only words and line breaks are
// compared, which is what shows a line lost, cut or merged with another.
std::vector<std::string> Renglones(const QString& texto) {
  static const QRegularExpression kBlancos(QStringLiteral("\\s+"));
  std::vector<std::string> renglones;
  for (QString linea : texto.split(QRegularExpression(QStringLiteral("\r?\n|\f")))) {
    linea = linea.replace(kBlancos, QStringLiteral(" ")).trimmed();
    if (!linea.isEmpty()) renglones.push_back(linea.toStdString());
  }
  return renglones;
}

QString TextoDeHoja(const QString& ruta) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return QString();
  return QString::fromStdString(Text::FromWindows1252(archivo.readAll().toStdString()));
}

class InformePdfTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { AplicacionSinPantalla::Asegurar(); }
  void SetUp() override {
    if (Salida(QStringLiteral("command -v pdftotext pdffonts pdfinfo")).empty()) {
      GTEST_SKIP() << "faltan pdftotext, pdffonts o pdfinfo (poppler-utils)";
    }
  }
  std::string Carpeta() const { return QFile::encodeName(carpeta_.path()).toStdString(); }

  QTemporaryDir carpeta_;
};

struct CasoDePdf {
  const char* nombre;
  const char* libro;  // nullptr: the valid-data listing
  qint64 hojas;
  const char* titulo;
};

TEST_F(InformePdfTest, EveryPageComesBackAsTextOnItsOwnA4SheetWithItsFontsEmbedded) {
  const CasoDePdf casos[] = {
      // Its header holds a line of 153 characters, wider than the sheet.
      {"informe de 11 hojas", "workbooks/declaracion_grande.xls", 11,
       "Resultados de la Verificación"},
      {"listado de datos válidos", nullptr, 1, "Datos Válidos"},
  };
  for (const CasoDePdf& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    QTemporaryDir carpeta;
    const std::string en = QFile::encodeName(carpeta.path()).toStdString();
    if (caso.libro != nullptr) {
      testing::CorridaDePrueba().Correr(testing::TestDataPath(caso.libro), en);
    } else {
      ASSERT_TRUE(ListadoDatosValidos::Escribir(en).ok());
    }
    const std::optional<JuegoDeHojas> hojas = InformePdf::HojasDe(en);
    ASSERT_TRUE(hojas.has_value());
    ASSERT_EQ(hojas->Contar(), caso.hojas);
    const QString pdf = carpeta.filePath(QStringLiteral("salida.pdf"));

    const Status estado = InformePdf::EscribirPdf(en, QFile::encodeName(pdf).toStdString());

    ASSERT_TRUE(estado.ok()) << estado.description();
    const QString info = QString::fromStdString(Salida(QStringLiteral("pdfinfo '%1'").arg(pdf)));
    for (const QString& dato : {QStringLiteral("Pages:           %1\n").arg(caso.hojas),
                                QStringLiteral("(A4)"), "Title:           " + QString(caso.titulo),
                                QStringLiteral("Creator:         Control_Kaldoren20 ")}) {
      EXPECT_TRUE(info.contains(dato)) << info.toStdString();
    }
    for (qint64 k = 1; k <= caso.hojas; ++k) {
      const QString pagina = QString::fromStdString(
          Salida(QStringLiteral("pdftotext -layout -f %1 -l %1 '%2' -").arg(k).arg(pdf)));
      EXPECT_EQ(Renglones(pagina), Renglones(TextoDeHoja(hojas->Archivo(k)))) << "hoja " << k;
    }
    const QStringList fuentes =
        QString::fromStdString(Salida(QStringLiteral("pdffonts '%1'").arg(pdf)))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .mid(2);
    EXPECT_FALSE(fuentes.isEmpty());
    for (const QString& fuente : fuentes) {
      EXPECT_TRUE(fuente.contains(QStringLiteral(" yes ")))
          << "no incrustada: " << fuente.toStdString();
    }
  }
}

TEST_F(InformePdfTest, AFailureSaysWhyInSpanishAndLeavesTheEarlierFileWhole) {
  ListadoDatosValidos::Escribir(Carpeta());
  const std::string anterior = Carpeta() + "/DVALIDOS.PDF";
  ASSERT_TRUE(InformePdf::EscribirPdf(Carpeta(), anterior).ok());
  const qint64 tamano = QFileInfo(QFile::decodeName(anterior.c_str())).size();
  const std::string vacia = Carpeta() + "/vacia";
  QDir().mkpath(QFile::decodeName(vacia.c_str()));

  const Status sin_hojas = InformePdf::EscribirPdf(vacia, Carpeta() + "/DVALIDOS.PDF");
  const Status inexistente = InformePdf::EscribirPdf(vacia + "/no", Carpeta() + "/DVALIDOS.PDF");
  const Status sin_carpeta =
      InformePdf::EscribirPdf(Carpeta(), Carpeta() + "/no/existe/DVALIDOS.PDF");
  // A page that cannot be read is a failure, not a blank sheet.
  const std::string ilegible = Carpeta() + "/ilegible/HOJA_1.TXT";
  QDir().mkpath(QFile::decodeName(ilegible.c_str()));
  const Status sin_hoja = InformePdf::EscribirPdf(Carpeta() + "/ilegible", anterior);
  // Regression: a disk that filled on the PDF's last bytes (here a limit on
  // file size one byte short of it) left a cut PDF in place of the earlier
  // one. Past the limit a write fails (EFBIG) and the process goes on.
  rlimit sin_limite{};
  getrlimit(RLIMIT_FSIZE, &sin_limite);
  const rlimit corto{static_cast<rlim_t>(tamano - 1), sin_limite.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &corto);
  InformePdf::EscribirPdf(Carpeta(), anterior);
  setrlimit(RLIMIT_FSIZE, &sin_limite);

  EXPECT_EQ(sin_hojas.description(), "La carpeta " + vacia +
                                         " no tiene hojas de informe (HOJA_1.TXT) ni de listado "
                                         "(DATOS1.TXT)");
  EXPECT_EQ(inexistente.description(), "La carpeta " + vacia + "/no no existe");
  EXPECT_EQ(sin_carpeta.description(), "No se pudo escribir el PDF " + Carpeta() +
                                           "/no/existe/DVALIDOS.PDF: no existe el archivo o la "
                                           "carpeta");
  EXPECT_EQ(sin_hoja.description(),
            "No se pudo escribir el PDF " + anterior + ": no se pudo leer la hoja " + ilegible);
  EXPECT_EQ(QFileInfo(QFile::decodeName(anterior.c_str())).size(), tamano);
}

// Regression: the PDF went through a provisional file renamed over its
// destination, so `kaldoren20 pdf CARPETA --salida /dev/null` run as root put
// a regular file where the null device was.
TEST_F(InformePdfTest, ADeviceGivenAsDestinationIsWrittenInPlaceNotReplaced) {
  const std::string nulo = Carpeta() + "/nulo";
  if (mknod(nulo.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    GTEST_SKIP() << "hace falta poder crear un dispositivo (root)";
  }
  ListadoDatosValidos::Escribir(Carpeta());
  EXPECT_TRUE(InformePdf::EscribirPdf(Carpeta(), nulo).ok());
  struct stat info;
  ASSERT_EQ(stat(nulo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

}  // namespace
}  // namespace kaldoren
