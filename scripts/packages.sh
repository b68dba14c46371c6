# Installs the Debian packages given as arguments that are not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  # Another apt run (a second script, the system's own updates) holds the lock for a while: wait.
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}"
}

# What building the program, its tools, tests and benchmarks needs. Liberation Sans is the face
# fontconfig puts in place of the captions' Arial, with the same metrics; fontconfig and FreeType
# find a font's file and read its character map for the font check.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config nettle-dev zlib1g-dev libicu-dev nlohmann-json3-dev
  libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2
  libhunspell-dev libxxhash-dev ccache libfontconfig-dev libfreetype-dev libxcb1-dev
  libxcb-xfixes0-dev libcups2-dev qt6-svg-dev)

# The Hunspell dictionaries that give the base forms of inflected words in the bases' seven
# languages; the program does without any that is missing.
SPELLING_PACKAGES=(hunspell-bg hunspell-en-us hunspell-de-de hunspell-fr hunspell-es hunspell-it
  hunspell-ru)

# What the paired benchmarks compare vkb with: dictd and its client, and sdcv with the same
# FreeDict data converted to its format by pyglossary.
BENCH_PACKAGES=(dictd dict sdcv python3-pyglossary)

# What the checks beside the GCC build need: clang with its sanitizer and fuzzer run-time, the
# formatter, and the Windows cross-compiler.
CHECK_PACKAGES=(clang libclang-rt-14-dev clang-format g++-mingw-w64-x86-64)

# The Windows half run for real (scripts/cross-windows): Wine, GoogleTest's sources for the
# cross-compiler, and jq for comparing the two vkb programs' answers.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 googletest jq)

# The free dictionaries the default bases and the real-data tests are made from.
FREEDICT_PACKAGES=(dict-freedict-eng-bul dict-freedict-deu-bul dict-freedict-fra-bul
  dict-freedict-ita-bul)

# The free dictionaries through which the Spanish and Russian bases are built (eight pivot
# languages into Bulgarian, and each from or into Spanish and Russian), and the evaluation of
# that on German.
FREEDICT_PIVOT_PACKAGES=(dict-freedict-spa-eng dict-freedict-eng-spa dict-freedict-spa-deu
  dict-freedict-deu-spa dict-freedict-fra-spa dict-freedict-ita-spa dict-freedict-eng-rus
  dict-freedict-deu-rus dict-freedict-fra-rus dict-freedict-ita-rus dict-freedict-deu-eng
  dict-freedict-deu-fra dict-freedict-deu-ita
  dict-freedict-nld-bul dict-freedict-pol-bul dict-freedict-swe-bul dict-freedict-ell-bul
  dict-freedict-nld-spa dict-freedict-pol-spa dict-freedict-swe-spa dict-freedict-ell-spa
  dict-freedict-nld-rus dict-freedict-pol-rus dict-freedict-swe-rus dict-freedict-ell-rus
  dict-freedict-deu-nld dict-freedict-deu-pol dict-freedict-deu-swe dict-freedict-deu-ell)

# What building the Debian packages and checking them needs, and the installed program's test:
# the X server's own input to click in its windows and jq to read what the program records.
PACKAGE_PACKAGES=(debhelper dpkg-dev lintian appstream desktop-file-utils man-db xdotool jq)

# The real components the tests drive: an X server with a program that owns the clipboard and the
# selection, a CUPS scheduler with a queue that writes PDF, and poppler to read the page back; a
# session bus with at-spi2-core's accessibility bus, and its reader for Python.
TEST_PACKAGES=(xvfb xclip cups cups-filters poppler-utils dbus-daemon dbus-bin at-spi2-core
  python3-gi gir1.2-atspi-2.0)

# The fonts the font check is tried with: a symbol font (Standard Symbols PS) and a font with
# Latin letters only (Caladea).
FONT_TEST_PACKAGES=(fonts-urw-base35 fonts-crosextra-caladea)
