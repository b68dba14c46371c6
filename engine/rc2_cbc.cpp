#include "engine/rc2_cbc.h"

namespace vokabi {
namespace {

// Blocks deciphered side by side: one block's rounds depend on each other, so a single block
// leaves most of the processor idle.
constexpr int kLanes = 16;
constexpr std::size_t kBlock = 8;

std::uint16_t Rotr(std::uint16_t w, int n) {
  return static_cast<std::uint16_t>((w >> n) | (w << (16 - n)));
}

// Deciphers `count` (at most kLanes) blocks from src into dst, without the chaining.
void DecryptLanes(const std::uint16_t* s, const std::uint8_t* src, std::uint8_t* dst, int count) {
  std::uint16_t w0[kLanes];
  std::uint16_t w1[kLanes];
  std::uint16_t w2[kLanes];
  std::uint16_t w3[kLanes];
  for (int b = 0; b < kLanes; ++b) {
    const std::uint8_t* in = src + kBlock * static_cast<std::size_t>(b < count ? b : 0);
    w0[b] = static_cast<std::uint16_t>(in[0] | in[1] << 8);
    w1[b] = static_cast<std::uint16_t>(in[2] | in[3] << 8);
    w2[b] = static_cast<std::uint16_t>(in[4] | in[5] << 8);
    w3[b] = static_cast<std::uint16_t>(in[6] | in[7] << 8);
  }
  // RFC 2268's deciphering: the mixing rounds backwards, a mashing round after rounds 11 and 5.
  for (int i = 15; i >= 0; --i) {
    for (int b = 0; b < kLanes; ++b) {
      w3[b] = static_cast<std::uint16_t>(Rotr(w3[b], 5) -
                                         ((w0[b] & ~w2[b]) + (w1[b] & w2[b]) + s[4 * i + 3]));
      w2[b] = static_cast<std::uint16_t>(Rotr(w2[b], 3) -
                                         ((w3[b] & ~w1[b]) + (w0[b] & w1[b]) + s[4 * i + 2]));
      w1[b] = static_cast<std::uint16_t>(Rotr(w1[b], 2) -
                                         ((w2[b] & ~w0[b]) + (w3[b] & w0[b]) + s[4 * i + 1]));
      w0[b] = static_cast<std::uint16_t>(Rotr(w0[b], 1) -
                                         ((w1[b] & ~w3[b]) + (w2[b] & w3[b]) + s[4 * i]));
    }
    if (i == 11 || i == 5) {
      for (int b = 0; b < kLanes; ++b) {
        w3[b] = static_cast<std::uint16_t>(w3[b] - s[w2[b] & 63]);
        w2[b] = static_cast<std::uint16_t>(w2[b] - s[w1[b] & 63]);
        w1[b] = static_cast<std::uint16_t>(w1[b] - s[w0[b] & 63]);
        w0[b] = static_cast<std::uint16_t>(w0[b] - s[w3[b] & 63]);
      }
    }
  }
  for (int b = 0; b < count; ++b) {
    std::uint8_t* out = dst + kBlock * static_cast<std::size_t>(b);
    for (int j = 0; j < 2; ++j) {
      out[j] = static_cast<std::uint8_t>(w0[b] >> (8 * j));
      out[2 + j] = static_cast<std::uint8_t>(w1[b] >> (8 * j));
      out[4 + j] = static_cast<std::uint8_t>(w2[b] >> (8 * j));
      out[6 + j] = static_cast<std::uint8_t>(w3[b] >> (8 * j));
    }
  }
}

}  // namespace

void DecryptRc2Cbc(const arctwo_ctx& key, std::uint8_t* data, std::size_t blocks) {
  std::uint8_t plain[kBlock * kLanes];
  // From the last block back, so that the block before each is still cipher text when needed.
  std::size_t end = blocks;
  while (end > 0) {
    const std::size_t begin = end >= kLanes ? end - kLanes : 0;
    const auto count = static_cast<int>(end - begin);
    DecryptLanes(key.S, data + kBlock * begin, plain, count);
    for (int b = count - 1; b >= 0; --b) {
      const std::size_t k = begin + static_cast<std::size_t>(b);
      for (std::size_t j = 0; j < kBlock; ++j) {
        const std::uint8_t before = k > 0 ? data[kBlock * (k - 1) + j] : 0;
        data[kBlock * k + j] =
            static_cast<std::uint8_t>(plain[kBlock * static_cast<std::size_t>(b) + j] ^ before);
      }
    }
    end = begin;
  }
}

}  // namespace vokabi
