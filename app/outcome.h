#pragma once

#include <cstdint>

#include "engine/error_report.h"

namespace vokabi {

// What a routine that can fail gives back: success, or the number of the message that says why,
// for the caller to report.
class [[nodiscard]] Outcome {
 public:
  Outcome() = default;
  static Outcome Failure(std::int32_t nomer) { return Outcome(nomer); }

  explicit operator bool() const { return nomer_ == msg::kNone; }
  // msg::kNone on success.
  std::int32_t Nomer() const { return nomer_; }

 private:
  explicit Outcome(std::int32_t nomer) : nomer_(nomer) {}

  std::int32_t nomer_ = msg::kNone;
};

}  // namespace vokabi
