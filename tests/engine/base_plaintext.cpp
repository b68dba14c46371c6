// base_plaintext BASE: writes the deciphered index text of a base and then every translation
// body it locates, each behind a line naming its entry, to standard output. Built with each
// cipher (CryptoAPI on Windows, nettle elsewhere), the two outputs must be the same bytes.
#include <cstdio>
#include <iostream>
#include <string>

#include "engine/base_file.h"
#include "engine/base_header.h"
#include "engine/base_index.h"
#include "engine/error_report.h"
#include "engine/make_crypto.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

class Errors : public vokabi::ErrorReport {
 public:
  void SetNomer(std::int32_t number) override { nomer_ = number; }
  std::int32_t Nomer() const override { return nomer_; }

 private:
  std::int32_t nomer_ = vokabi::msg::kNone;
};

// Not a message: marks a body that could not be read, apart from one that did not decipher.
constexpr std::int32_t kUnread = -1;

int Fail(const std::string& reason) {
  std::cerr << "base_plaintext: " << reason << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vokabi;
  if (argc != 2) return Fail("usage: base_plaintext BASE");
#ifdef _WIN32
  // Bytes out as they are, without CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const auto file = BaseFile::Open(argv[1]);
  if (!file) return Fail("cannot open the base");
  std::string head;
  if (!file->ReadAt(0, static_cast<std::size_t>(file->Size()), &head)) return Fail("cannot read");
  BaseHeader header;
  if (!ParseBaseHeader(head, &header)) return Fail("the header does not parse");

  Errors errors;
  MakeCrypto crypto(errors);
  std::string index = crypto.Decrypt(
      std::string_view(head).substr(header.indexOffset + 5, header.indexLength), header.key);
  if (errors.Nomer() != vokabi::msg::kNone) return Fail("the index does not decipher");
  std::cout << "index " << index.size() << '\n' << index << '\n';

  BaseIndex entries;
  const std::int32_t section2 =
      header.hasTable2 ? header.section2Start : static_cast<std::int32_t>(index.size() + 1);
  if (!entries.Build(std::move(index), section2, CaseMap::Ascii(), CaseMap::Ascii()))
    return Fail("the index is not a sequence of entries");

  std::size_t failed = 0;
  for (std::size_t i = 0; i < entries.EntryCount(); ++i) {
    const std::string_view locator = entries.Locator(i);
    const auto b = [&](int k) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(locator[k]));
    };
    const std::uint32_t bodyPos = (b(0) << 16) | (b(1) << 8) | b(2);
    const std::uint32_t bodyLength = b(3) * 128 + b(4) / 2;
    const std::uint64_t dataBase = entries.SectionOf(i) == 1 ? header.dataBase1 : header.dataBase2;
    std::string body;
    errors.SetNomer(vokabi::msg::kNone);
    std::string text;
    if (dataBase + bodyPos >= 2 && file->ReadAt(dataBase + bodyPos - 2, bodyLength, &body))
      text = crypto.Decrypt(body, header.key);
    else
      errors.SetNomer(kUnread);
    if (errors.Nomer() != vokabi::msg::kNone) ++failed;
    std::cout << "entry " << i << ' ' << errors.Nomer() << ' ' << text.size() << '\n'
              << text << '\n';
  }
  std::cout << "entries " << entries.EntryCount() << " failed " << failed << '\n';
  std::cerr << "base_plaintext: " << entries.EntryCount() << " bodies, " << failed
            << " not deciphered\n";
  return 0;
}
