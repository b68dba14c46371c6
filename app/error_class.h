#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>
#include <string>

#include "engine/error_report.h"

namespace vokabi {

// The one message object through which every routine reports a failure by number. Setting the
// number fetches its text in the interface language of that moment.
class ErrorClass : public ErrorReport {
 public:
  ErrorClass() { Clear(); }

  void Clear();

  void SetNomer(std::int32_t nomer) override;
  std::int32_t Nomer() const override { return nomer_; }
  // Single-byte text as stored in the catalogue (see catalogue.h).
  const std::string& MsgText() const { return msgText_; }

  // Text of any number in the current language; leaves Nomer and MsgText alone.
  std::string MsgByNomer(std::int32_t nomer) const;

  bool IzhodProgram() const { return izhodProgram_; }
  void SetIzhodProgram(bool value) { izhodProgram_ = value; }

 private:
  bool izhodProgram_ = false;
  std::int32_t nomer_ = msg::kNone;
  std::string msgText_;
};

// The program's one message object, made before anything can report.
extern ErrorClass AppError;

}  // namespace vokabi
