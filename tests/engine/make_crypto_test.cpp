#include "engine/make_crypto.h"

#include <gtest/gtest.h>
#include <nettle/arctwo.h>
#include <nettle/cbc.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "app/error_class.h"
#include "engine/rc2_cbc.h"

namespace vokabi {
namespace {

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// The cipher rests on the library's effective-key-bits handling; check it against the RFC.
TEST(MakeCrypto, Rc2TestVectorsOfRfc2268) {
  struct Vector {
    const char* key;
    unsigned effectiveBits;
    const char* plain;
    const char* cipher;
  };
  const std::vector<Vector> vectors = {
      {"0000000000000000", 63, "0000000000000000", "ebb773f993278eff"},
      {"ffffffffffffffff", 64, "ffffffffffffffff", "278b27e42e2f0d49"},
      {"3000000000000000", 64, "1000000000000001", "30649edf9be7d2c2"},
      {"88", 64, "0000000000000000", "61a8a244adacccf0"},
      {"88bca90e90875a", 64, "0000000000000000", "6ccf4308974c267f"},
      {"88bca90e90875a7f0f79c384627bafb2", 64, "0000000000000000", "1a807d272bbe5db1"},
      {"88bca90e90875a7f0f79c384627bafb2", 128, "0000000000000000", "2269552ab0f85ca6"},
      {"88bca90e90875a7f0f79c384627bafb216f80a6f85920584c42fceb0be255daf1e", 129,
       "0000000000000000", "5b78d3a43dfff1f1"},
  };
  for (const Vector& v : vectors) {
    const std::string key = FromHex(v.key);
    std::string block = FromHex(v.plain);
    arctwo_ctx ctx;
    arctwo_set_key_ekb(&ctx, key.size(), reinterpret_cast<const std::uint8_t*>(key.data()),
                       v.effectiveBits);
    auto* data = reinterpret_cast<std::uint8_t*>(block.data());
    arctwo_encrypt(&ctx, block.size(), data, data);
    EXPECT_EQ(block, FromHex(v.cipher)) << v.key << " / " << v.effectiveBits;
  }
}

// The many-blocks-at-once deciphering gives the library's bytes, for every count of blocks
// around its group size and every key.
TEST(MakeCrypto, Rc2CbcInGroupsMatchesTheLibrary) {
  std::mt19937 random(14);
  for (std::size_t blocks = 1; blocks <= 70; ++blocks) {
    std::array<std::uint8_t, 5> key{};
    for (auto& byte : key) byte = static_cast<std::uint8_t>(random());
    arctwo_ctx ctx;
    arctwo_set_key_ekb(&ctx, key.size(), key.data(), 40);
    std::vector<std::uint8_t> cipher(blocks * ARCTWO_BLOCK_SIZE);
    for (auto& byte : cipher) byte = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> expected = cipher;
    std::array<std::uint8_t, ARCTWO_BLOCK_SIZE> iv{};
    cbc_decrypt(&ctx, reinterpret_cast<nettle_cipher_func*>(arctwo_decrypt), ARCTWO_BLOCK_SIZE,
                iv.data(), expected.size(), expected.data(), expected.data());
    DecryptRc2Cbc(ctx, cipher.data(), blocks);
    EXPECT_EQ(cipher, expected) << blocks << " blocks";
  }
}

TEST(MakeCrypto, MatchesTheReferencePairAndRoundTrips) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  const std::string abc = crypto.Encrypt("abc", "secret");
  EXPECT_EQ(abc, FromHex("4643b4a6999b255e"));
  EXPECT_EQ(crypto.Decrypt(abc, "secret"), "abc");

  const std::string eight = crypto.Encrypt("12345678", "secret");
  EXPECT_EQ(eight.size(), 16u);
  EXPECT_EQ(crypto.Decrypt(eight, "secret"), "12345678");
  EXPECT_EQ(errors.Nomer(), msg::kNone);
}

TEST(MakeCrypto, HighAndZeroBytesSurvive) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  std::string all;
  for (int c = 255; c >= 0; --c) all.push_back(static_cast<char>(c));
  const std::string key("\xEA\x00\xFF", 3);
  EXPECT_EQ(crypto.Decrypt(crypto.Encrypt(all, key), key), all);
  EXPECT_EQ(errors.Nomer(), msg::kNone);
}

TEST(MakeCrypto, FailuresGiveMessage2AndNothing) {
  ErrorClass errors;
  MakeCrypto crypto(errors);
  const std::string body = crypto.Encrypt("a translation of some length", "right");
  const struct {
    bool decrypt;
    std::string text;
    std::string key;
  } cases[] = {
      {true, body, "wrong"}, {false, "abc", ""},
      {true, body, ""},      {true, body.substr(0, 13), "right"},  // not whole blocks
      {true, "", "right"},
  };
  for (const auto& c : cases) {
    errors.Clear();
    EXPECT_EQ(c.decrypt ? crypto.Decrypt(c.text, c.key) : crypto.Encrypt(c.text, c.key), "");
    EXPECT_EQ(errors.Nomer(), msg::kMissingFile) << c.text.size() << " bytes, key " << c.key;
  }
}

}  // namespace
}  // namespace vokabi
