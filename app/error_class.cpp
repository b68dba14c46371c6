#include "app/error_class.h"

#include "app/catalogue.h"

namespace vokabi {

void ErrorClass::Clear() {
  izhodProgram_ = false;
  nomer_ = msg::kNone;
  msgText_.clear();
}

void ErrorClass::SetNomer(std::int32_t nomer) {
  nomer_ = nomer;
  msgText_ = MessageText(language_->LanguageOffset, nomer);
}

std::string ErrorClass::MsgByNomer(std::int32_t nomer) const {
  return MessageText(language_->LanguageOffset, nomer);
}

}  // namespace vokabi
