#include "platform/font_letters.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <memory>
#include <string>

#include "platform/utf8.h"

namespace vokabi::platform {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct LibraryDeleter {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// The file and face index fontconfig gives for the regular style of family, when the family it
// gives is that one and not a substitute.
bool RegularFace(const std::string& family, std::string& file, int& index) {
  Pattern wanted(FcPatternCreate());
  if (!wanted) return false;
  FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  Pattern found(FcFontMatch(nullptr, wanted.get(), &result));
  if (!found) return false;
  // A family has several names (one per language); any of them may be the one asked for.
  bool same = false;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(found.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i)
    same = same || FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family.c_str())) == 0;
  FcChar8* path = nullptr;
  if (!same || FcPatternGetString(found.get(), FC_FILE, 0, &path) != FcResultMatch) return false;
  file = reinterpret_cast<const char*>(path);
  if (FcPatternGetInteger(found.get(), FC_INDEX, 0, &index) != FcResultMatch) index = 0;
  return true;
}

// Where the font names its glyphs, a Latin letter's glyph bears that letter's name ("A", "A.sc",
// "uni0041"): a font whose Unicode map sends "A" to "Alpha" or to a dingbat ("a10") draws symbols
// for the letters while claiming them.
bool NamedAsItself(FT_Face face, FT_UInt glyph, char32_t letter) {
  const bool asciiLetter = (letter >= U'A' && letter <= U'Z') || (letter >= U'a' && letter <= U'z');
  if (!asciiLetter || !FT_HAS_GLYPH_NAMES(face)) return true;
  char name[64] = {};
  if (FT_Get_Glyph_Name(face, glyph, name, sizeof name) != 0) return true;
  const std::string_view named(name);
  const char own = static_cast<char>(letter);
  if (!named.empty() && named[0] == own &&
      (named.size() == 1 || named[1] == '.' || named[1] == '_'))
    return true;
  char code[8] = {};
  std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(letter));
  return named == std::string("uni") + code || named == std::string("u") + code;
}

}  // namespace

bool FontHasLetters(std::string_view family, std::string_view letters) {
  std::string file;
  int index = 0;
  if (family.empty() || !RegularFace(std::string(family), file, index)) return false;
  FT_Library raw = nullptr;
  if (FT_Init_FreeType(&raw) != 0) return false;
  const std::unique_ptr<FT_LibraryRec_, LibraryDeleter> library(raw);
  FT_Face face = nullptr;
  if (FT_New_Face(raw, file.c_str(), index, &face) != 0) return false;
  const std::unique_ptr<FT_FaceRec_, FaceDeleter> owned(face);
  // Only the Unicode map: a symbol font's own map (or Adobe's custom encoding of a Type 1 symbol
  // font) would hand out a symbol for every Latin code; some put their symbols into the Unicode
  // map itself, which the glyphs' names show.
  if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return false;
  while (!letters.empty()) {
    char32_t letter = 0;
    const std::size_t length = ReadUtf8(letters, &letter);
    if (length == 0) return false;
    const FT_UInt glyph = FT_Get_Char_Index(face, letter);
    if (glyph == 0 || !NamedAsItself(face, glyph, letter)) return false;
    letters.remove_prefix(length);
  }
  return true;
}

}  // namespace vokabi::platform
