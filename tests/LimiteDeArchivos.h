// LimiteDeArchivos: while it lives, no file this process writes may grow
// beyond a given size (RLIMIT_FSIZE); a write past it fails with EFBIG, as a
// write to a full disk fails, instead of raising SIGXFSZ. Tests use it to see
// what a run does when a report file cannot be written whole, without a
// special file system. Header-only.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>

namespace kaldoren::testing {

class LimiteDeArchivos {
 public:
  explicit LimiteDeArchivos(std::size_t bytes) {
    getrlimit(RLIMIT_FSIZE, &anterior_);
    senal_anterior_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior_;
    limite.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limite);
  }
  ~LimiteDeArchivos() {
    setrlimit(RLIMIT_FSIZE, &anterior_);
    signal(SIGXFSZ, senal_anterior_);
  }
  LimiteDeArchivos(const LimiteDeArchivos&) = delete;
  LimiteDeArchivos& operator=(const LimiteDeArchivos&) = delete;

 private:
  rlimit anterior_{};
  sighandler_t senal_anterior_ = SIG_DFL;
};

}  // namespace kaldoren::testing
