// Status: the outcome of an operation that can fail because of its environment
// (a file that cannot be opened, a damaged workbook, a query outside the
// dialect). It is either ok or carries an error number and a Spanish
// description meant for the user, shown as is in a message box or on standard
// error. Data errors in a workbook are never a Status: they are check answers.
#pragma once

#include <string>
#include <utility>

namespace kaldoren {

class Status {
 public:
  Status() = default;

  static Status Ok() { return Status(); }
  static Status Error(int number, std::string description) {
    return Status(number, std::move(description));
  }

  bool ok() const { return number_ == 0; }
  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  Status(int number, std::string description)
      : number_(number == 0 ? -1 : number), description_(std::move(description)) {}

  int number_ = 0;
  std::string description_;
};

}  // namespace kaldoren
