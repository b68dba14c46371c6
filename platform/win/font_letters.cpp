#include "platform/font_letters.h"

#include <windows.h>

#include <string>
#include <vector>

namespace vokabi::platform {

namespace {

std::wstring Wide(std::string_view utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

}  // namespace

bool FontHasLetters(std::string_view family, std::string_view letters) {
  const std::wstring face = Wide(family);
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted{};
  wanted.lfHeight = -16;
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, face.size());
  HFONT font = CreateFontIndirectW(&wanted);
  if (font == nullptr) return false;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  // The face actually obtained must be the one asked for, and no symbol font: Windows draws a
  // symbol font's symbols for the Latin codes.
  wchar_t obtained[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, obtained);
  bool has = lstrcmpiW(obtained, face.c_str()) == 0 && GetTextCharset(dc) != SYMBOL_CHARSET;
  const std::wstring text = Wide(letters);
  if (has && !text.empty()) {
    std::vector<WORD> glyphs(text.size());
    has = GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
    for (const WORD glyph : glyphs) has = has && glyph != 0xFFFF;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(font);
  return has;
}

}  // namespace vokabi::platform
