#pragma once

#include <nettle/arctwo.h>

#include <cstddef>
#include <cstdint>

namespace vokabi {

// RC2 in CBC mode with a zero vector, deciphered in place: the same bytes as nettle's
// cbc_decrypt with arctwo_decrypt, several blocks at a time so that their rounds overlap.
void DecryptRc2Cbc(const arctwo_ctx& key, std::uint8_t* data, std::size_t blocks);

}  // namespace vokabi
