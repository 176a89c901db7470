// Reloj: the current local date and time, as a day count since 30/12/1899
// with the time of day as fraction. The report header reads it; tests fix it.
#pragma once

namespace kaldoren {

class Reloj {
 public:
  virtual ~Reloj() = default;
  virtual double Ahora() = 0;
};

// The machine's clock, in local time, to the whole second.
class RelojDelSistema final : public Reloj {
 public:
  double Ahora() override;
};

}  // namespace kaldoren
