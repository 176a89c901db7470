// ComandoServir: "kaldoren20 servir [--direccion D] [--puerto P] [--max-mb M]
// [--trabajos N] [--conservar-min C] [--certificado ARCHIVO --clave ARCHIVO]"
// runs the web server until the process gets SIGTERM or SIGINT, then lets the
// verifications under way finish and exits with status 0. It says where it
// listens on standard error, where the server also writes one line per
// request. A build with Qt offers each report's PDF, painted by the same
// SalidaPdf as "verificar --pdf". Wrong options, unreadable certificates or a
// port that cannot be taken end with status 2 and a message.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/web/ServidorWeb.h"

namespace kaldoren {

class ComandoServir {
 public:
  explicit ComandoServir(std::FILE* errores);
  int Ejecutar(const std::vector<std::string>& argumentos);

 private:
  bool LeerArgumentos(const std::vector<std::string>& argumentos);
  bool LeerNumero(const std::string& opcion, const std::string& valor, unsigned minimo,
                  unsigned maximo, unsigned* destino);
  bool LeerCertificados();
  int Fallar(const std::string& mensaje);
  bool Rechazar(const std::string& mensaje);

  std::FILE* errores_;
  OpcionesServidor opciones_;
  std::string certificado_;
  std::string clave_;
};

}  // namespace kaldoren
