#include <windows.h>

#include "platform/codepage.h"
#include "platform/system_cases.h"

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

}  // namespace

void FillSystemCases(int charset, CaseTable& table) {
  const auto page = static_cast<UINT>(CodePageForCharset(charset));
  for (int c = 0x80; c < 0x100; ++c) {
    const auto byte = static_cast<unsigned char>(c);
    table.upper[c] = OtherCase(page, byte, LCMAP_UPPERCASE);
    table.lower[c] = OtherCase(page, byte, LCMAP_LOWERCASE);
  }
}

}  // namespace vokabi::platform
