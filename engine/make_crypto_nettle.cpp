#include <nettle/arctwo.h>
#include <nettle/cbc.h>
#include <nettle/md5.h>

#include <array>
#include <cstdint>

#include "engine/make_crypto.h"
#include "engine/rc2_cbc.h"

namespace vokabi {
namespace {

// The key the classic provider derives: 40 bits of the digest, 40 effective bits.
constexpr std::size_t kKeyBytes = 5;
constexpr unsigned kEffectiveBits = 40;

arctwo_ctx MakeKey(std::string_view password) {
  md5_ctx md5;
  md5_init(&md5);
  md5_update(&md5, password.size(), reinterpret_cast<const std::uint8_t*>(password.data()));
  std::array<std::uint8_t, MD5_DIGEST_SIZE> digest{};
  md5_digest(&md5, digest.size(), digest.data());
  arctwo_ctx key;
  arctwo_set_key_ekb(&key, kKeyBytes, digest.data(), kEffectiveBits);
  return key;
}

std::uint8_t* Bytes(std::string& s) {
  return reinterpret_cast<std::uint8_t*>(s.data());
}

}  // namespace

std::string MakeCrypto::Encrypt(std::string_view text, std::string_view key) {
  if (text.empty() || key.empty()) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  const arctwo_ctx ctx = MakeKey(key);
  const std::size_t pad = ARCTWO_BLOCK_SIZE - text.size() % ARCTWO_BLOCK_SIZE;
  std::string buffer(text);
  buffer.append(pad, static_cast<char>(pad));
  std::array<std::uint8_t, ARCTWO_BLOCK_SIZE> iv{};
  cbc_encrypt(&ctx, reinterpret_cast<nettle_cipher_func*>(arctwo_encrypt), ARCTWO_BLOCK_SIZE,
              iv.data(), buffer.size(), Bytes(buffer), Bytes(buffer));
  return buffer;
}

std::string MakeCrypto::Decrypt(std::string_view text, std::string_view key) {
  if (text.empty() || key.empty() || text.size() % ARCTWO_BLOCK_SIZE != 0) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  const arctwo_ctx ctx = MakeKey(key);
  std::string buffer(text);
  DecryptRc2Cbc(ctx, Bytes(buffer), buffer.size() / ARCTWO_BLOCK_SIZE);
  // A wrong key shows as padding that is not 1 to 8 bytes of its own length.
  const std::size_t pad = static_cast<unsigned char>(buffer.back());
  bool padded = pad >= 1 && pad <= ARCTWO_BLOCK_SIZE;
  for (std::size_t i = 0; padded && i < pad; ++i) {
    padded = static_cast<unsigned char>(buffer[buffer.size() - 1 - i]) == pad;
  }
  if (!padded) {
    errors_.SetNomer(msg::kMissingFile);
    return {};
  }
  buffer.resize(buffer.size() - pad);
  return buffer;
}

}  // namespace vokabi
