#include "platform/case_map.h"

#include <windows.h>

#include <map>
#include <mutex>

#include "platform/codepage.h"

namespace vokabi::platform {

namespace {

// Byte of the other case, or the byte itself when that case has no byte in the code page.
unsigned char OtherCase(UINT codePage, unsigned char byte, DWORD change) {
  const char single = static_cast<char>(byte);
  wchar_t wide = 0;
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &single, 1, &wide, 1) != 1) return byte;
  wchar_t changed = 0;
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, change, &wide, 1, &changed, 1, nullptr, nullptr, 0) !=
          1 ||
      changed == wide) {
    return byte;
  }
  char other = 0;
  BOOL unfit = FALSE;
  if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &changed, 1, &other, 1, nullptr,
                          &unfit) != 1 ||
      unfit) {
    return byte;
  }
  return static_cast<unsigned char>(other);
}

CaseTable Build(int codePage) {
  // ASCII letters change case by the plain rule whatever the system thinks.
  CaseTable table;
  for (int c = 0; c < 0x80; ++c) {
    table.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    table.lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  const auto page = static_cast<UINT>(codePage);
  for (int c = 0x80; c < 0x100; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    table.upper[c] = OtherCase(page, byte, LCMAP_UPPERCASE);
    table.lower[c] = OtherCase(page, byte, LCMAP_LOWERCASE);
  }
  return table;
}

}  // namespace

CaseTable CaseTableForCharset(int charset) {
  static std::mutex guard;
  static std::map<int, CaseTable> built;
  const int codePage = CodePageForCharset(charset);
  const std::lock_guard lock(guard);
  auto found = built.find(codePage);
  if (found == built.end()) found = built.emplace(codePage, Build(codePage)).first;
  return found->second;
}

}  // namespace vokabi::platform
