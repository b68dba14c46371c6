#include "engine/base_header.h"

#include <cstddef>
#include <optional>

namespace vokabi {

// Offsets that bases in use depend on.
static_assert(header::kIndexOffset.offset == 13 && header::kDataBase1.offset == 53 &&
              header::kKey.offset == 68 && header::kNamesAfterKey == 13);

namespace {

// The header as the loader sees it: the bytes read from the file, then spaces up to the load
// span. Nothing is allocated for the spaces.
class HeaderText {
 public:
  explicit HeaderText(std::string_view bytes) : bytes_(bytes) {}

  // Characters [offset, offset + length), the part past the file read as spaces.
  std::string Field(std::size_t offset, std::size_t length) const {
    std::string field(length, ' ');
    if (offset < bytes_.size()) {
      bytes_.substr(offset, length).copy(field.data(), length);
    }
    return field;
  }

  std::string Field(HeaderField field, std::size_t base = 0) const {
    return Field(base + field.offset, field.length);
  }

  std::optional<std::uint32_t> Hex(std::size_t offset, std::size_t digits) const {
    std::uint32_t value = 0;
    if (!ParseHex(Field(offset, digits), &value)) return std::nullopt;
    return value;
  }

  std::optional<std::uint32_t> Hex(HeaderField field, std::size_t base = 0) const {
    return Hex(base + field.offset, field.length);
  }

  // Offset of the next "|" at or after offset; spaces never hold one.
  std::optional<std::size_t> Bar(std::size_t offset) const {
    if (offset >= bytes_.size()) return std::nullopt;
    const std::size_t bar = bytes_.find('|', offset);
    if (bar == std::string_view::npos) return std::nullopt;
    return bar;
  }

 private:
  std::string_view bytes_;
};

// A first-letter table: records of a key byte and a 24-bit big-endian position.
void FillLetters(const std::string& table, std::array<std::int32_t, 256>& letters) {
  for (std::size_t r = 0; r + 4 <= table.size(); r += 4) {
    const auto key = static_cast<unsigned char>(table[r]);
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(table[r + i]); };
    letters[key] = (b(1) << 16) | (b(2) << 8) | b(3);
  }
}

bool ReadTable(const HeaderText& text, std::size_t* offset, std::string* table) {
  const auto length = text.Hex(*offset, header::kTableLength);
  if (!length || *length % 4 != 0) return false;
  *table = text.Field(*offset + header::kTableLength, *length);
  *offset += header::kTableLength + *length;
  return true;
}

}  // namespace

bool ParseHex(std::string_view field, std::uint32_t* value) {
  if (field.empty() || field.size() > 8) return false;
  std::uint32_t result = 0;
  for (const char c : field) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return false;
    }
    result = result * 16 + static_cast<std::uint32_t>(digit);
  }
  *value = result;
  return true;
}

bool ParseBaseHeader(std::string_view bytes, BaseHeader* header) {
  const HeaderText text(bytes);
  BaseHeader h;
  h.baseId = text.Field(header::kBaseId);
  const auto indexOffset = text.Hex(header::kIndexOffset);
  const auto indexLength = text.Hex(header::kIndexLength);
  const auto reserved1 = text.Hex(header::kReserved1);
  const auto reserved2 = text.Hex(header::kReserved2);
  const auto charset1 = text.Hex(header::kCharset1);
  const auto charset2 = text.Hex(header::kCharset2);
  const std::string digit = text.Field(header::kDigit);
  const auto words1 = text.Hex(header::kWordCount1);
  const auto words2 = text.Hex(header::kWordCount2);
  const auto dataBase1 = text.Hex(header::kDataBase1);
  const auto dataBase2 = text.Hex(header::kDataBase2);
  if (!indexOffset || *indexOffset > header::kMaxOffset || !indexLength || !reserved1 ||
      !reserved2 || !charset1 || !charset2 || digit[0] < '0' || digit[0] > '9' || !words1 ||
      !words2 || !dataBase1 || !dataBase2 || bytes.size() < header::kKey.offset) {
    return false;
  }
  h.indexOffset = *indexOffset;
  h.indexLength = *indexLength;
  h.charset1 = static_cast<int>(*charset1);
  h.charset2 = static_cast<int>(*charset2);
  h.wordCount1 = *words1;
  h.wordCount2 = *words2;
  h.dataBase1 = *dataBase1;
  h.dataBase2 = *dataBase2;

  const std::size_t keyLength = static_cast<unsigned char>(bytes[header::kKeyLength.offset]);
  h.key = text.Field(header::kKey.offset, keyLength);
  const std::size_t keyEnd = header::kKey.offset + keyLength;
  h.version = text.Field(header::kVersion, keyEnd);
  const auto reserved4 = text.Hex(header::kReserved4, keyEnd);
  if (!reserved4 || *reserved4 > header::kMaxOffset) return false;

  std::size_t offset = keyEnd + header::kNamesAfterKey;
  for (std::string& name : h.names) {
    const auto bar = text.Bar(offset);
    if (!bar) return false;
    name = text.Field(offset, *bar - offset);
    offset = *bar + 1;
  }

  std::string table1;
  std::string table2;
  if (!ReadTable(text, &offset, &table1) || !ReadTable(text, &offset, &table2)) return false;
  FillLetters(table1, h.letters1);
  FillLetters(table2, h.letters2);
  h.hasTable2 = !table2.empty();
  h.end = offset;
  if (h.hasTable2) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(table2[i]); };
    h.section2Start = (b(1) << 16) | (b(2) << 8) | b(3);
  }
  *header = std::move(h);
  return true;
}

}  // namespace vokabi
