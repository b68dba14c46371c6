#include <gtest/gtest.h>

#include <string>

#include "iconv_tables.h"
#include "platform/codepage.h"

namespace vokabi::platform {
namespace {

// The font character set whose code page is each of 1250 to 1258.
int CharsetOf(int codePage) {
  switch (codePage) {
    case 1250:
      return 238;
    case 1251:
      return 204;
    case 1253:
      return 161;
    case 1254:
      return 162;
    case 1255:
      return 177;
    case 1256:
      return 178;
    case 1257:
      return 186;
    case 1258:
      return 163;
    default:
      return 0;
  }
}

// The system's code pages and glibc's iconv agree on every byte both define, both ways; where
// only one of them defines a byte, the backend shows it as undefined or as the system says.
TEST(WindowsCodepageTest, CodePages1250To1258AgreeWithIconv) {
  int compared = 0;
  for (const IconvTable& table : kIconvTables) {
    const int charset = CharsetOf(table.codePage);
    ASSERT_EQ(CodePageForCharset(charset), table.codePage);
    for (int i = 0; i < 128; ++i) {
      const std::string byte(1, static_cast<char>(0x80 + i));
      const Decoded decoded = DecodeCharset(charset, byte);
      if (table.utf8[i] == nullptr || decoded.undefined != 0) continue;
      EXPECT_EQ(decoded.utf8, table.utf8[i]) << table.codePage << " byte " << 0x80 + i;
      const Encoded encoded = EncodeCharset(charset, table.utf8[i]);
      EXPECT_EQ(encoded.bytes, byte) << table.codePage << " byte " << 0x80 + i;
      ++compared;
    }
  }
  // Nearly every byte is defined by both: a system without the tables compares nothing.
  EXPECT_GT(compared, 9 * 100);
}

}  // namespace
}  // namespace vokabi::platform
