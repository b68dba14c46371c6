#include <algorithm>
#include <iterator>

#include "platform/locale.h"

namespace vokabi::platform {

namespace {

struct NamedLocale {
  std::string_view name;
  std::uint32_t id;
};

// Windows identifiers of the regions where the interface languages are spoken; any other name
// falls to English anyway.
constexpr NamedLocale kLocales[] = {
    {"bg_BG", 0x0402}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"de_DE", 0x0407}, {"de_LI", 0x1407},
    {"de_LU", 0x1007}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_GB", 0x0809}, {"en_IE", 0x1809},
    {"en_IN", 0x4009}, {"en_NZ", 0x1409}, {"en_US", 0x0409}, {"en_ZA", 0x1C09}, {"es_AR", 0x2C0A},
    {"es_CL", 0x340A}, {"es_CO", 0x240A}, {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_PE", 0x280A},
    {"es_US", 0x540A}, {"es_VE", 0x200A}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C},
    {"fr_FR", 0x040C}, {"fr_LU", 0x140C}, {"fr_MC", 0x180C}, {"it_CH", 0x0810}, {"it_IT", 0x0410},
    {"ru_MD", 0x0819}, {"ru_RU", 0x0419},
};

}  // namespace

std::uint32_t LocaleIdForName(std::string_view name) {
  // "bg_BG.UTF-8@euro": only language and territory count.
  name = name.substr(0, name.find_first_of(".@"));
  const auto found = std::find_if(std::begin(kLocales), std::end(kLocales),
                                  [&](const NamedLocale& locale) { return locale.name == name; });
  return found == std::end(kLocales) ? 0 : found->id;
}

}  // namespace vokabi::platform
