#include "bench/synthetic_base.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>

#include "app/error_class.h"
#include "app/system_case_map.h"
#include "engine/base_writer.h"
#include "engine/make_crypto.h"

namespace vokabi::bench {
namespace {

// Words with a natural spread of first letters and lengths.
std::vector<std::string> MakeWords(std::mt19937& rng, int count, unsigned char first, int letters) {
  std::uniform_int_distribution<int> length(3, 12);
  std::uniform_int_distribution<int> letter(0, letters - 1);
  std::set<std::string> unique;
  while (static_cast<int>(unique.size()) < count) {
    std::string word;
    for (int n = length(rng); n > 0; --n) word.push_back(static_cast<char>(first + letter(rng)));
    unique.insert(word);
  }
  return {unique.begin(), unique.end()};
}

}  // namespace

const SyntheticBase& MakeSyntheticBase(int wordsPerSide) {
  // Removes the folder when the process ends.
  struct Holder {
    SyntheticBase base;
    ~Holder() {
      std::error_code ignored;
      std::filesystem::remove_all(base.folder, ignored);
    }
  };
  static Holder holder{[wordsPerSide] {
    SyntheticBase made;
    std::string pattern = (std::filesystem::temp_directory_path() / "vokabi-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    made.folder = pattern;
    made.fileName = "synthetic.vkb";

    std::mt19937 rng(2026);
    made.words1 = MakeWords(rng, wordsPerSide, 'a', 26);
    made.words2 = MakeWords(rng, wordsPerSide, 0xE0, 32);
    BaseSource source;
    source.id = "enbgvk99";
    source.key = "benchmark-key";
    for (auto& name : source.names) name = "Latin,Cyrillic";
    std::uniform_int_distribution<int> pick(0, wordsPerSide - 1);
    for (const auto& w : made.words1) {
      source.side1.push_back({w, made.words2[pick(rng)] + ", " + made.words2[pick(rng)]});
    }
    for (const auto& w : made.words2) {
      source.side2.push_back({w, made.words1[pick(rng)] + "; " + made.words1[pick(rng)]});
    }

    ErrorClass errors;
    MakeCrypto crypto(errors);
    BaseImage image;
    std::string error;
    if (!BuildBaseImage(source, crypto, SystemCaseMap, &image, &error)) {
      throw std::runtime_error(error);
    }
    const std::string bytes = EncodeBase(image, crypto, &error);
    if (bytes.empty()) throw std::runtime_error(error);
    std::ofstream(made.folder / made.fileName, std::ios::binary) << bytes;
    return made;
  }()};
  return holder.base;
}

}  // namespace vokabi::bench
