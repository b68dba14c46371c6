#include "app/base_forms.h"

// Where Hunspell is not available (Debian builds it for Linux only): no language has base forms,
// and a lookup that misses goes straight to the close headwords.
namespace vokabi {

class BaseForms::Speller {};

BaseForms::BaseForms(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}

BaseForms::~BaseForms() = default;

std::vector<std::string> BaseForms::Of(const std::string&, const std::string&) {
  return {};
}

std::optional<std::vector<std::string>> BaseForms::OfIfLoaded(const std::string&,
                                                              const std::string&) {
  return std::vector<std::string>{};
}

void BaseForms::LoadInBackground(std::vector<std::string>) {}

void BaseForms::WaitForBackground() {}

bool BaseForms::Knows(const std::string&) {
  return false;
}

BaseForms::Speller* BaseForms::SpellerFor(const std::string&) {
  return nullptr;
}

}  // namespace vokabi
