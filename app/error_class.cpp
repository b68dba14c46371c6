#include "app/error_class.h"

#include "app/catalogue.h"
#include "app/language.h"

namespace vokabi {

ErrorClass AppError;

namespace {

// Wraps instead of overflowing for numbers near the limits; such keys are never in the table.
std::int32_t MessageKey(std::int32_t nomer) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(LanguageOffset) * 10u +
                                   static_cast<std::uint32_t>(nomer));
}

}  // namespace

void ErrorClass::Clear() {
  izhodProgram_ = false;
  nomer_ = msg::kNone;
  msgText_.clear();
}

void ErrorClass::SetNomer(std::int32_t nomer) {
  nomer_ = nomer;
  msgText_ = MessageText(MessageKey(nomer));
}

std::string ErrorClass::MsgByNomer(std::int32_t nomer) const {
  return MessageText(MessageKey(nomer));
}

}  // namespace vokabi
