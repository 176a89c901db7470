// What a verification run promises about the files it does not own: the
// workbook is only read, and the report already in the folder (ERRORES.TXT
// and its pages) stays exactly as it was, to the byte and the modification
// time, whenever the new one cannot be finished: the report cannot be written
// whole, the pages cannot, a later step fails, the disk fills up. (A refused
// workbook is in the run's own tests.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "LimiteDeArchivos.h"
#include "TestData.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::Contenido;
using testing::TestDataPath;

// Every entry of a folder: its content and modification time to the nanosecond.
std::map<std::string, std::string> Foto(const fs::path& carpeta) {
  std::map<std::string, std::string> foto;
  for (const auto& e : fs::directory_iterator(carpeta)) {
    foto[e.path().filename().string()] =
        std::to_string(e.last_write_time().time_since_epoch().count()) + " " + Contenido(e.path());
  }
  return foto;
}

// The inotify events seen on a file, or-ed together.
std::uint32_t Eventos(int vigia) {
  std::uint32_t vistos = 0;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t n; (n = read(vigia, buffer, sizeof buffer)) > 0;) {
    for (ssize_t i = 0; i < n;) {
      const auto* evento = reinterpret_cast<const inotify_event*>(buffer + i);
      vistos |= evento->mask;
      i += static_cast<ssize_t>(sizeof(inotify_event) + evento->len);
    }
  }
  return vistos;
}

// Runs prueba in a child process where a tmpfs of the given size is mounted
// at carpeta, in a mount namespace of its own; answers what prueba answered
// (left beside carpeta, outside the tmpfs), or nothing when this machine does
// not let the test mount one.
std::optional<std::string> EnDiscoChico(const fs::path& carpeta, const std::string& tamano,
                                        const std::function<std::string()>& prueba) {
  const fs::path respuesta = carpeta.parent_path() / "respuesta";
  const pid_t hijo = fork();
  if (hijo == 0) {
    if (unshare(CLONE_NEWNS) != 0 ||
        mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", carpeta.c_str(), "tmpfs", 0, ("size=" + tamano).c_str()) != 0) {
      _exit(77);
    }
    testing::Guardar(respuesta, prueba());
    _exit(fs::exists(respuesta) ? 0 : 1);
  }
  int estado = 0;
  waitpid(hijo, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return std::nullopt;
  return Contenido(respuesta);
}

class VerificacionResguardo : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(informe_); }

  // Verifies a test workbook, by its name, into the report folder.
  ResultadoVerificacion Correr(const std::string& muestra) {
    return corrida_.Correr(TestDataPath("workbooks/" + muestra), informe_.string());
  }
  // A report of several pages from an earlier run, as the run must keep it.
  std::map<std::string, std::string> InformeAnterior() {
    EXPECT_TRUE(Correr("declaracion_con_errores.xls").estado.ok());
    EXPECT_TRUE(fs::exists(informe_ / "HOJA_2.TXT"));
    return Foto(informe_);
  }

  // Verifies a test workbook while no file may grow beyond limite bytes;
  // answers the messages the run gave.
  std::vector<std::string> FallaDeEscritura(const std::string& muestra, std::size_t limite) {
    const bool hecho = [&] {
      const testing::LimiteDeArchivos limitado(limite);
      return Correr(muestra).estado.ok();
    }();
    EXPECT_FALSE(hecho);
    return corrida_.avisador.avisos;
  }
  // The message of a report file that could not be written.
  std::string FallaDelArchivo(const std::string& archivo, const std::string& motivo) const {
    return "Error de Escritura: No se pudo escribir el archivo " + (informe_ / archivo).string() +
           ": " + motivo;
  }

  testing::CarpetaTemporal carpeta_;
  fs::path informe_ = carpeta_ / "informe";
  testing::CorridaDePrueba corrida_;
};

TEST_F(VerificacionResguardo, WorkbookIsOpenedReadOnlyAndKeepsItsBytesAndModificationTime) {
  const fs::path libro = carpeta_ / "PLANILLA.XLS";
  fs::copy_file(TestDataPath("workbooks/declaracion_con_errores.xls"), libro);
  const timespec marca[2] = {{1079356830, 123456789}, {1079356830, 123456789}};
  ASSERT_EQ(utimensat(AT_FDCWD, libro.c_str(), marca, 0), 0);
  const std::map<std::string, std::string> antes = Foto(carpeta_.ruta());
  const int vigia = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(vigia, 0);
  const std::uint32_t vigilados =
      IN_OPEN | IN_CLOSE_NOWRITE | IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB;
  ASSERT_GE(inotify_add_watch(vigia, libro.c_str(), vigilados), 0);

  ASSERT_TRUE(corrida_.Correr(libro.string(), informe_.string()).estado.ok());

  EXPECT_EQ(Eventos(vigia) & vigilados, std::uint32_t{IN_OPEN | IN_CLOSE_NOWRITE})
      << "opened for reading only; never opened for writing, written or touched";
  close(vigia);
  EXPECT_EQ(Foto(carpeta_.ruta())["PLANILLA.XLS"], antes.at("PLANILLA.XLS"));
}

TEST_F(VerificacionResguardo,
       ReportOrPagesThatCannotBeWrittenWholeAreAFailureAndKeepTheEarlierOne) {
  ASSERT_TRUE(Correr("sin_datos.xls").estado.ok());
  const auto informe = fs::file_size(informe_ / "ERRORES.TXT");
  const auto pagina = fs::file_size(informe_ / "HOJA_1.TXT");
  ASSERT_LT(informe, pagina) << "a page holds the header besides the report lines";
  // The workbook, the size no file may pass, the file that cannot be written.
  const std::tuple<const char*, std::size_t, const char*> casos[] = {
      {"declaracion_con_errores.xls", 4096, "ERRORES.TXT"},
      {"sin_datos.xls", (informe + pagina) / 2, "HOJA_1.TXT"}};
  const std::map<std::string, std::string> anterior = InformeAnterior();
  for (const auto& [libro, limite, archivo] : casos) {
    EXPECT_EQ(FallaDeEscritura(libro, limite),
              std::vector{FallaDelArchivo(archivo, "el archivo es demasiado grande")});
    EXPECT_EQ(Foto(informe_), anterior) << "no half-written report and no provisional folder";
  }
}

TEST_F(VerificacionResguardo, AStepThatFailsOnTheNewReportKeepsTheEarlierOne) {
  const std::map<std::string, std::string> anterior = InformeAnterior();
  const auto falla = [](const std::string& carpeta) {
    return "No se pudo escribir el PDF " + carpeta + "/INFORME.PDF: no queda espacio en el disco";
  };
  Verificacion verificacion(corrida_.progreso, corrida_.avisador, corrida_.reloj);
  verificacion.AgregarPaso([&falla](const std::string& carpeta) {
    std::ofstream(carpeta + "/INFORME.PDF") << "a medias";
    return Status::Error(76, falla(carpeta));
  });

  const ResultadoVerificacion r = verificacion.Correr(
      {TestDataPath("workbooks/sin_datos.xls"), "PLANILLA.XLS", ""}, informe_.string());

  EXPECT_EQ(r.estado.description(), falla(informe_.string()));
  EXPECT_EQ(Foto(informe_), anterior);
}

TEST_F(VerificacionResguardo, ANewReportWithoutAPdfTakesTheEarlierReportsPdfAway) {
  InformeAnterior();
  std::ofstream(informe_ / "INFORME.PDF") << "de otro informe";

  ASSERT_TRUE(Correr("sin_datos.xls").estado.ok());

  EXPECT_FALSE(fs::exists(informe_ / "INFORME.PDF"));
  EXPECT_TRUE(fs::exists(informe_ / "HOJA_1.TXT"));
}

// A real full disk: a small tmpfs, where the machine lets the test mount one.
TEST_F(VerificacionResguardo, FullDiskIsAFailureAndKeepsTheEarlierReport) {
  const std::optional<std::string> respuesta = EnDiscoChico(informe_, "20k", [this] {
    if (!Correr("sin_datos.xls").estado.ok()) return std::string("sin informe");
    const std::map<std::string, std::string> anterior = Foto(informe_);
    const ResultadoVerificacion r = Correr("declaracion_con_errores.xls");
    const bool intacto = Foto(informe_) == anterior;
    return (r.estado.ok() ? std::string("ok") : corrida_.avisador.avisos.at(0)) +
           (intacto ? "|intacto" : "|cambiado");
  });
  if (!respuesta) GTEST_SKIP() << "this machine does not let the test mount a small tmpfs";
  EXPECT_EQ(*respuesta,
            FallaDelArchivo("ERRORES.TXT", "no queda espacio en el disco") + "|intacto");
}

}  // namespace
}  // namespace kaldoren
