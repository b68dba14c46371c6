#pragma once

#include <cstdint>

namespace vokabi {

// Where the engine reports a failure: by message number only. The layers above own the texts.
class ErrorReport {
 public:
  virtual ~ErrorReport() = default;

  virtual void SetNomer(std::int32_t nomer) = 0;
  virtual std::int32_t Nomer() const = 0;
};

}  // namespace vokabi
