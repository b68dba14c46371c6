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
# fontconfig puts in place of the captions' Arial, with the same metrics.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config nettle-dev zlib1g-dev libicu-dev nlohmann-json3-dev
  libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2
  libhunspell-dev libxxhash-dev ccache)

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

# The free dictionaries the default bases and the real-data tests are made from.
FREEDICT_PACKAGES=(dict-freedict-eng-bul dict-freedict-deu-bul dict-freedict-fra-bul
  dict-freedict-ita-bul)

# The free dictionaries through which the Spanish and Russian bases are built, and the
# evaluation of that.
FREEDICT_PIVOT_PACKAGES=(dict-freedict-spa-eng dict-freedict-eng-spa dict-freedict-spa-deu
  dict-freedict-deu-spa dict-freedict-fra-spa dict-freedict-ita-spa dict-freedict-eng-rus
  dict-freedict-deu-rus dict-freedict-fra-rus dict-freedict-ita-rus dict-freedict-deu-eng
  dict-freedict-deu-fra dict-freedict-deu-ita)

# The real components the tests drive: an X server with a program that owns the clipboard and the
# selection, a CUPS scheduler with a queue that writes PDF, and poppler to read the page back.
TEST_PACKAGES=(xvfb xclip cups cups-filters poppler-utils)
