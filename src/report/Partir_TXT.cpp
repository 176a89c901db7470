#include "report/Partir_TXT.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/SystemError.h"
#include "base/Text.h"
#include "base/TextFileWriter.h"

namespace kaldoren {
namespace fs = std::filesystem;
namespace {

constexpr size_t kSangriaHoja = 91;
constexpr size_t kAnchoRegla = 105;

Status ErrorDeArchivo(const std::string& accion, const std::string& ruta, int numero) {
  return Status::Error(numero,
                       "No se pudo " + accion + " " + ruta + ": " + SystemError::Reason(numero));
}

// Whether nombre is prefijo followed by a page number and ".TXT".
bool EsHoja(std::string_view nombre, std::string_view prefijo) {
  constexpr std::string_view kExtension = ".TXT";
  if (nombre.size() <= prefijo.size() + kExtension.size()) return false;
  if (!nombre.starts_with(prefijo) || !nombre.ends_with(kExtension)) return false;
  const std::string_view numero =
      nombre.substr(prefijo.size(), nombre.size() - prefijo.size() - kExtension.size());
  return numero.find_first_not_of("0123456789") == std::string_view::npos;
}

// One input line without its line end (the LF and a CR before it).
bool LeerLinea(std::istream& entrada, std::string* linea) {
  if (!std::getline(entrada, *linea)) return false;
  if (!linea->empty() && linea->back() == '\r') linea->pop_back();
  return true;
}

// The budget rule, shared by the pass that counts the pages and the pass that
// writes them so that the total printed on every page is the number written.
// A page is opened only when a line has to go on it, so none is left empty.
template <typename Hojas>
void Paginar(std::istream& entrada, unsigned presupuesto, Hojas& hojas) {
  if (!hojas.Abrir()) return;
  hojas.Escribir("");
  unsigned contador = 0;
  std::string linea;
  while (LeerLinea(entrada, &linea)) {
    // At or beyond the budget (a budget of 1 is full with the separator alone).
    if (contador >= presupuesto) {
      if (!hojas.Abrir()) return;
      contador = 0;
      // A blank first line already separates the body from the ruler.
      if (!Text::Trim(linea).empty()) {
        hojas.Escribir("");
        ++contador;
      }
    }
    hojas.Escribir(linea);
    ++contador;
  }
}

class ContadorDeHojas {
 public:
  bool Abrir() {
    ++total_;
    return true;
  }
  void Escribir(std::string_view) {}
  int total() const { return total_; }

 private:
  int total_ = 0;
};

class EscritorDeHojas {
 public:
  EscritorDeHojas(const std::string& prefijo, const std::string& encabezado, int total)
      : prefijo_(prefijo), encabezado_(encabezado), total_(total) {}

  // Closes the current page and opens the next; false once anything failed.
  bool Abrir() {
    if (numero_ > 0) estado_ = hoja_.Close();
    if (!estado_.ok()) return false;
    ++numero_;
    estado_ = hoja_.Open(prefijo_ + std::to_string(numero_) + ".TXT");
    if (!estado_.ok()) return false;
    hoja_.WriteLine(encabezado_);
    hoja_.WriteLine(std::string(kSangriaHoja, ' ') + "Hoja Nº " + std::to_string(numero_) + " de " +
                    std::to_string(total_));
    hoja_.WriteRawLine(std::string(kAnchoRegla, '_'));
    return true;
  }
  void Escribir(std::string_view linea) { hoja_.WriteRawLine(linea); }
  // Closes the last page; answers the first failure of the whole pass.
  Status Cerrar() { return estado_.ok() ? hoja_.Close() : estado_; }

 private:
  const std::string& prefijo_;
  const std::string& encabezado_;
  const int total_;
  int numero_ = 0;
  TextFileWriter hoja_;
  Status estado_;
};

}  // namespace

Status Partir_TXT::Correr() {
  if (!entrada_ || !prefijo_ || lineas_ == 0) return Status::Ok();
  errno = 0;
  std::ifstream entrada(*entrada_, std::ios::binary);
  if (!entrada) return ErrorDeArchivo("abrir el archivo", *entrada_, errno != 0 ? errno : ENOENT);

  ContadorDeHojas contador;
  Paginar(entrada, lineas_, contador);
  if (entrada.bad()) return ErrorDeArchivo("leer el archivo", *entrada_, EIO);
  entrada.clear();
  entrada.seekg(0);

  Status estado = BorrarHojas(*prefijo_);
  if (!estado.ok()) return estado;
  EscritorDeHojas escritor(*prefijo_, encabezado_, contador.total());
  Paginar(entrada, lineas_, escritor);
  estado = escritor.Cerrar();
  if (!estado.ok()) return estado;
  if (entrada.bad()) return ErrorDeArchivo("leer el archivo", *entrada_, EIO);
  return Status::Ok();
}

Status Partir_TXT::BorrarHojas(const std::string& prefijo) {
  const fs::path ruta(prefijo);
  const fs::path carpeta = ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
  const std::string nombre = ruta.filename().string();
  std::error_code e;
  std::vector<fs::path> viejas;
  for (fs::directory_iterator it(carpeta, e), fin; !e && it != fin; it.increment(e)) {
    if (EsHoja(it->path().filename().string(), nombre)) viejas.push_back(it->path());
  }
  if (e) return ErrorDeArchivo("leer la carpeta", carpeta.string(), e.value());
  for (const fs::path& vieja : viejas) {
    if (!fs::remove(vieja, e) && e)
      return ErrorDeArchivo("borrar el archivo", vieja.string(), e.value());
  }
  return Status::Ok();
}

}  // namespace kaldoren
