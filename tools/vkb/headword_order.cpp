#include "tools/vkb/headword_order.h"

#include <unicode/coll.h>

#include <memory>

#include "platform/codepage.h"

namespace vokabi::vkb {

bool HeadwordOrder(const std::vector<SideEntry>& side, int charset, const std::string& language,
                   std::vector<std::string>* keys) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale(language.c_str()), status));
  if (U_FAILURE(status) || !collator) return false;
  std::vector<uint8_t> key(64);
  keys->clear();
  keys->reserve(side.size());
  for (const SideEntry& entry : side) {
    const std::string utf8 = platform::DecodeCharset(charset, entry.headword).utf8;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    std::int32_t length = collator->getSortKey(text, key.data(), static_cast<int32_t>(key.size()));
    if (length > static_cast<std::int32_t>(key.size())) {
      key.resize(static_cast<std::size_t>(length));
      length = collator->getSortKey(text, key.data(), length);
    }
    // The key ends with its own zero byte, which byte comparison does not need.
    keys->emplace_back(reinterpret_cast<const char*>(key.data()),
                       static_cast<std::size_t>(length > 0 ? length - 1 : 0));
  }
  return true;
}

}  // namespace vokabi::vkb
