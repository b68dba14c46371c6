#pragma once

// The Bulgarian and form-designer names used here are explained in docs/glossary.md.

#include <cstdint>
#include <string>

#include "app/language.h"
#include "engine/error_report.h"

namespace vokabi {

// The message object through which a routine reports a failure by number. Setting the number
// fetches its text in the interface language of that moment. The program's own one is
// AppContext::AppError; a tool or a test may make others.
class ErrorClass : public ErrorReport {
 public:
  // Texts in Bulgarian, the first of the languages.
  ErrorClass() : ErrorClass(kFirstLanguage) {}
  // Texts in language, as it is when a number is set; the language must outlive the object.
  explicit ErrorClass(const InterfaceLanguage& language) : language_(&language) { Clear(); }

  void Clear();

  void SetNomer(std::int32_t nomer) override;
  std::int32_t Nomer() const override { return nomer_; }
  // Single-byte text as stored in the catalogue (see catalogue.h).
  const std::string& MsgText() const { return msgText_; }

  // Text of any number in the current language; leaves Nomer and MsgText alone.
  std::string MsgByNomer(std::int32_t nomer) const;

  const InterfaceLanguage& Language() const { return *language_; }

  bool IzhodProgram() const { return izhodProgram_; }
  void SetIzhodProgram(bool value) { izhodProgram_ = value; }

 private:
  static constexpr InterfaceLanguage kFirstLanguage{};

  const InterfaceLanguage* language_;
  bool izhodProgram_ = false;
  std::int32_t nomer_ = msg::kNone;
  std::string msgText_;
};

}  // namespace vokabi
