#include "app/qt/InstanciaUnica.h"

namespace kaldoren {

InstanciaUnica::InstanciaUnica(const QString& carpeta)
    : cerrojo_(carpeta + QStringLiteral("/control-kaldoren20.lock")) {
  // No age limit: a lock is stale only when the process that holds it is gone.
  cerrojo_.setStaleLockTime(0);
}

bool InstanciaUnica::Tomar() { return cerrojo_.tryLock(0); }

}  // namespace kaldoren
