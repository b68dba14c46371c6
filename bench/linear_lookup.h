#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/error_class.h"
#include "engine/base_header.h"
#include "engine/case_map.h"
#include "engine/make_crypto.h"

namespace vokabi::bench {

// The baseline: lookup as a plain search through the index text from the letter group on,
// exactly as the format describes it, with the same body reading and deciphering.
class LinearLookup {
 public:
  LinearLookup(MakeCrypto& crypto, ErrorClass& errors, CaseMap case1, CaseMap case2);

  bool Load(const std::filesystem::path& file);
  bool Translate(std::string_view word);
  bool AutoComplete(std::string_view word);
  // Up to nine headwords from the entry at startPoz on, joined by CR LF, found by walking the text
  // from "#" to "$" entry by entry.
  std::string Load5Etikets(std::int32_t startPoz);

  const std::string& Duma() const { return duma_; }
  const std::string& Prevod() const { return prevod_; }

 private:
  // 0-based offset of the first "#" + word (+ "$" when whole) at or after from, ignoring case.
  std::size_t Search(std::string_view word, std::size_t from, bool whole) const;
  std::int32_t Start(std::string_view word) const;
  bool Read(std::size_t hash, std::size_t dollar);

  MakeCrypto& crypto_;
  ErrorClass& errors_;
  CaseMap case1_;
  CaseMap case2_;
  std::filesystem::path file_;
  BaseHeader header_;
  std::string text_;
  std::string duma_;
  std::string prevod_;
};

}  // namespace vokabi::bench
