// InstanciaUnica: makes sure only one copy of the desktop program runs for a
// user. It holds a lock file in the application folder for as long as the
// object lives; the lock of a copy that crashed (its process is gone) is taken
// over, while the lock of a running copy is respected however old it is.
#pragma once

#include <QLockFile>
#include <QString>

namespace kaldoren {

class InstanciaUnica final {
 public:
  // carpeta is the application folder; it must exist.
  explicit InstanciaUnica(const QString& carpeta);
  Q_DISABLE_COPY_MOVE(InstanciaUnica)

  // True when this copy now holds the lock; false when another copy runs.
  bool Tomar();

 private:
  QLockFile cerrojo_;
};

}  // namespace kaldoren
