#include "app/cli/ComandoServir.h"

#include <signal.h>

#include <algorithm>
#include <optional>
#include <thread>

#include "app/cli/SalidaPdf.h"
#include "app/web/CarpetaPrivada.h"

namespace kaldoren {
namespace {

constexpr unsigned kPuertoMaximo = 65535;
constexpr unsigned kMegasMaximos = 4096;
constexpr unsigned kTrabajosMaximos = 256;
constexpr unsigned kMinutosMaximos = 7 * 24 * 60;

}  // namespace

ComandoServir::ComandoServir(std::FILE* errores) : errores_(errores) {
  opciones_.trabajos = std::max(1u, std::thread::hardware_concurrency());
}

int ComandoServir::Ejecutar(const std::vector<std::string>& argumentos) {
  if (!LeerArgumentos(argumentos) || !LeerCertificados()) return 2;
  opciones_.conservar = std::chrono::minutes(opciones_.conservar_min);
  if (SalidaPdf::Disponible()) {
    const Status pintor = SalidaPdf::Preparar();
    if (!pintor.ok()) return Fallar(pintor.description());
    opciones_.escribir_pdf = SalidaPdf::Escribir;
  }
  // SIGTERM and SIGINT are taken by this thread alone, with sigwait, so the
  // server's threads (started after this) never see them.
  sigset_t senales;
  sigemptyset(&senales);
  sigaddset(&senales, SIGTERM);
  sigaddset(&senales, SIGINT);
  pthread_sigmask(SIG_BLOCK, &senales, nullptr);
  ServidorWeb servidor(opciones_);
  const Status estado = servidor.Iniciar();
  if (!estado.ok()) return Fallar(estado.description());
  const bool seguro = !opciones_.certificado_pem.empty();
  const bool v6 = opciones_.direccion.find(':') != std::string::npos;
  std::fprintf(errores_, "kaldoren20: atendiendo en %s://%s%s%s:%u/\n", seguro ? "https" : "http",
               v6 ? "[" : "", opciones_.direccion.c_str(), v6 ? "]" : "", servidor.Puerto());
  std::fflush(errores_);
  int senal = 0;
  sigwait(&senales, &senal);
  std::fprintf(errores_, "kaldoren20: deteniendo: se terminan las verificaciones en curso\n");
  servidor.Detener();
  std::fprintf(errores_, "kaldoren20: servidor detenido\n");
  return 0;
}

bool ComandoServir::LeerArgumentos(const std::vector<std::string>& argumentos) {
  for (size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    const bool hay_valor = i + 1 < argumentos.size();
    const std::string valor = hay_valor ? argumentos[i + 1] : "";
    unsigned numero = 0;
    bool bien = true;
    if (a == "--direccion" || a == "--certificado" || a == "--clave") {
      if (!hay_valor) {
        return Rechazar(a + (a == "--direccion" ? " lleva una dirección IP" : " lleva un archivo"));
      }
      (a == "--direccion"     ? opciones_.direccion
       : a == "--certificado" ? certificado_
                              : clave_) = valor;
    } else if (a == "--puerto") {
      bien = LeerNumero(a, valor, 0, kPuertoMaximo, &numero);
      opciones_.puerto = static_cast<uint16_t>(numero);
    } else if (a == "--max-mb") {
      bien = LeerNumero(a, valor, 1, kMegasMaximos, &numero);
      opciones_.max_mb = numero;
    } else if (a == "--trabajos") {
      bien = LeerNumero(a, valor, 1, kTrabajosMaximos, &numero);
      opciones_.trabajos = numero;
    } else if (a == "--conservar-min") {
      bien = LeerNumero(a, valor, 1, kMinutosMaximos, &numero);
      opciones_.conservar_min = static_cast<int>(numero);
    } else {
      return Rechazar("opción desconocida: " + a);
    }
    if (!bien) return false;
    ++i;
  }
  if (certificado_.empty() != clave_.empty()) {
    return Rechazar("--certificado y --clave van juntos");
  }
  return true;
}

bool ComandoServir::LeerNumero(const std::string& opcion, const std::string& valor, unsigned minimo,
                               unsigned maximo, unsigned* destino) {
  const bool cifras = !valor.empty() && valor.size() <= 9 &&
                      valor.find_first_not_of("0123456789") == std::string::npos;
  const unsigned long n = cifras ? std::stoul(valor) : 0;
  if (!cifras || n < minimo || n > maximo) {
    return Rechazar(opcion + " lleva un número entre " + std::to_string(minimo) + " y " +
                    std::to_string(maximo));
  }
  *destino = static_cast<unsigned>(n);
  return true;
}

bool ComandoServir::LeerCertificados() {
  if (certificado_.empty()) return true;
  for (const auto& [ruta, destino] : {std::pair{&certificado_, &opciones_.certificado_pem},
                                      std::pair{&clave_, &opciones_.clave_pem}}) {
    std::optional<std::string> contenido = CarpetaPrivada::Leer(*ruta);
    if (!contenido || contenido->empty()) return Rechazar("no se pudo leer " + *ruta);
    *destino = std::move(*contenido);
  }
  return true;
}

int ComandoServir::Fallar(const std::string& mensaje) {
  std::fprintf(errores_, "kaldoren20: %s\n", mensaje.c_str());
  return 2;
}

bool ComandoServir::Rechazar(const std::string& mensaje) {
  Fallar(mensaje);
  return false;
}

}  // namespace kaldoren
