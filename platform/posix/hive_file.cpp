#include "platform/posix/hive_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <locale.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <map>
#include <unordered_map>
#include <utility>

#include "platform/posix/iconv_converter.h"
#include "platform/posix/write_all.h"

namespace vokabi::platform::hive {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::size_t kHexLineWidth = 80;
constexpr char kHexDigits[] = "0123456789abcdef";

// ---- Character sets -----------------------------------------------------------------------

constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

// The whole text in another encoding, or nullopt when any of it is not valid in its own. Names
// are compared on every lookup, so descriptors stay open (one per thread: they are not shared).
std::optional<std::string> Recode(const char* to, const char* from, std::string_view text) {
  thread_local std::map<std::pair<std::string, std::string>, IconvConverter> open;
  const iconv_t cd = open.try_emplace({to, from}, to, from).first->second.get();
  if (cd == kNoDescriptor) return std::nullopt;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out(text.size() * 4 + 4, '\0');
  std::string in(text);
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == kFailed) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

bool IsAscii(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The name with every letter in upper case: names equal in it differ at most in case.
std::wstring Folded(std::string_view name) {
  std::wstring folded;
  if (IsAscii(name)) {
    for (const char c : name) folded += static_cast<wchar_t>(AsciiUpper(c));
    return folded;
  }
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  const std::optional<std::string> wide = Recode("WCHAR_T", "UTF-8", name);
  // Never met: names are checked to be UTF-8 before they get here.
  if (!wide || unicode == locale_t{}) return std::wstring(name.begin(), name.end());
  folded.resize(wide->size() / sizeof(wchar_t));
  std::memcpy(folded.data(), wide->data(), folded.size() * sizeof(wchar_t));
  for (wchar_t& c : folded) c = static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), unicode));
  return folded;
}

bool HasControl(std::string_view text, bool tabAllowed) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && !(tabAllowed && c == '\t')) return true;
  }
  return false;
}

std::string_view Parent(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

// ---- Writing ------------------------------------------------------------------------------

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string HexData(std::string prefix, std::string_view bytes) {
  std::string out = std::move(prefix);
  std::size_t column = out.size();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    std::string piece{kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
    if (i + 1 < bytes.size()) piece += ',';
    // Room for the piece and, should more follow, the continuation backslash.
    if (i > 0 && column + piece.size() + 1 > kHexLineWidth) {
      out += "\\\n  ";
      column = 2;
    }
    out += piece;
    column += piece.size();
  }
  return out;
}

std::string TypeTag(std::uint32_t type) {
  if (type == kRegBinary) return "hex:";
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, type, 16).ptr;
  return "hex(" + std::string(digits, end) + "):";
}

std::string ValueLine(const Value& value) {
  std::string line = (value.name.empty() ? "@" : Quoted(value.name)) + "=";
  if (const auto* text = std::get_if<std::string>(&value.data)) {
    if (!HasControl(*text, true)) return line + Quoted(*text);
    std::string utf16 = Recode("UTF-16LE", "UTF-8", *text).value_or(std::string());
    return HexData(line + TypeTag(kRegSz), utf16.append(2, '\0'));
  }
  if (const auto* number = std::get_if<std::int32_t>(&value.data)) {
    char digits[9];
    auto bits = static_cast<std::uint32_t>(*number);
    for (int i = 7; i >= 0; --i, bits >>= 4) digits[i] = kHexDigits[bits & 0xF];
    return line + "dword:" + std::string(digits, 8);
  }
  const auto& raw = std::get<RegBytes>(value.data);
  return HexData(line + TypeTag(raw.type), raw.bytes);
}

// ---- Reading ------------------------------------------------------------------------------

// Text between quotes starting at text[pos]; pos ends after the closing quote.
std::optional<std::string> Unquote(std::string_view text, std::size_t& pos) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  std::string out;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return out;
    }
    if (c == '\\') {
      if (++pos == text.size()) return std::nullopt;
      c = text[pos];
      if (c != '\\' && c != '"') return std::nullopt;
    }
    out += c;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string> HexBytes(std::string_view list) {
  std::string bytes;
  if (Trimmed(list).empty()) return bytes;
  while (true) {
    const std::size_t comma = list.find(',');
    const auto byte = HexNumber(Trimmed(list.substr(0, comma)), 2);
    if (!byte) return std::nullopt;
    bytes += static_cast<char>(*byte);
    if (comma == std::string_view::npos) return bytes;
    list.remove_prefix(comma + 1);
  }
}

// Data of a given type, normalised as the store hands it out.
RegValue Typed(std::uint32_t type, std::string bytes) {
  if (type == kRegSz && bytes.size() % 2 == 0) {
    std::string_view units = bytes;
    if (units.ends_with(std::string_view("\0\0", 2))) units.remove_suffix(2);
    if (auto text = Recode("UTF-8", "UTF-16LE", units)) return *std::move(text);
  }
  if (type == kRegDword && bytes.size() == 4) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(value);
  }
  return RegBytes{type, std::move(bytes)};
}

std::optional<RegValue> Data(std::string_view text) {
  if (text.starts_with('"')) {
    std::size_t pos = 0;
    auto quoted = Unquote(text, pos);
    if (!quoted || pos != text.size()) return std::nullopt;
    return RegValue(*std::move(quoted));
  }
  if (text.starts_with("dword:")) {
    const auto value = HexNumber(text.substr(6), 8);
    if (!value) return std::nullopt;
    return RegValue(static_cast<std::int32_t>(*value));
  }
  std::uint32_t type = kRegBinary;
  if (text.starts_with("hex(")) {
    const std::size_t close = text.find("):");
    const auto number =
        close == std::string_view::npos ? std::nullopt : HexNumber(text.substr(4, close - 4), 8);
    if (!number) return std::nullopt;
    type = *number;
    text.remove_prefix(close + 2);
  } else if (text.starts_with("hex:")) {
    text.remove_prefix(4);
  } else {
    return std::nullopt;
  }
  auto bytes = HexBytes(text);
  if (!bytes) return std::nullopt;
  return Typed(type, *std::move(bytes));
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// ---- Files --------------------------------------------------------------------------------

std::filesystem::path WithSuffix(const std::filesystem::path& file, std::string_view suffix) {
  return file.string() + std::string(suffix);
}

// Opens without blocking (a FIFO would wait for a writer) and keeps the descriptor only for a
// regular file; -1 otherwise, with errno ENOENT for a missing file and EINVAL for another kind.
int OpenRegular(const std::filesystem::path& file, int flags, struct stat* opened = nullptr) {
  const int fd = open(file.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  struct stat local {};
  struct stat& info = opened ? *opened : local;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

FileStamp StampOf(const struct stat& info) {
  const auto nanoseconds = [](const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
  };
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
          nanoseconds(info.st_ctim)};
}

// nullopt when the file is missing or cannot be looked at.
std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return std::nullopt;
  return StampOf(info);
}

// The exclusive advisory lock of a hive, held while the object lives. A lock that others keep
// taking and releasing is waited for as long as they work; one held while the hive stays as it is
// is given up after wait.
class WriterLock {
 public:
  WriterLock(const std::filesystem::path& file, std::chrono::milliseconds wait)
      : fd_(OpenRegular(WithSuffix(file, ".lock"), O_RDWR | O_CREAT)) {
    if (fd_ < 0) {
      notAFile_ = errno == EINVAL;
      return;
    }
    auto deadline = std::chrono::steady_clock::now() + wait;
    // Another writer's rename shows in the file's stamp.
    auto seen = StampOf(file);
    useconds_t pause = 1000;
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if (errno == EINTR) continue;
      const bool held = errno == EWOULDBLOCK;
      const auto now = std::chrono::steady_clock::now();
      if (const auto stamp = StampOf(file); held && stamp != seen) {
        seen = stamp;
        deadline = now + wait;
      }
      if (!held || now >= deadline) {
        busy_ = held;
        close(fd_);
        fd_ = -1;
        return;
      }
      usleep(pause);
      pause = std::min<useconds_t>(pause * 2, kMaxPause);
    }
  }
  ~WriterLock() {
    if (fd_ >= 0) close(fd_);
  }
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  // What kept the lock from being taken, if the user can act on it.
  std::optional<StoreTrouble> Trouble(const std::filesystem::path& file) const {
    if (busy_) return StoreTrouble{StoreTrouble::Kind::kLocked, WithSuffix(file, ".lock")};
    if (notAFile_) return StoreTrouble{StoreTrouble::Kind::kNotAFile, WithSuffix(file, ".lock")};
    return std::nullopt;
  }

 private:
  static constexpr useconds_t kMaxPause = 20000;
  int fd_;
  bool busy_ = false;
  bool notAFile_ = false;
};

struct FileText {
  enum class State { kText, kMissing, kTooLarge, kNotAFile };
  State state = State::kText;
  std::string text;
  FileStamp stamp;  // of the file read, for kText
};

// nullopt when the file cannot be read.
std::optional<FileText> ReadWhole(const std::filesystem::path& file) {
  using State = FileText::State;
  struct stat info {};
  const int fd = OpenRegular(file, O_RDONLY, &info);
  if (fd < 0) {
    if (errno == ENOENT) return FileText{State::kMissing, {}, {}};
    if (errno == EINVAL) return FileText{State::kNotAFile, {}, {}};
    return std::nullopt;
  }
  FileText result;
  result.stamp = StampOf(info);
  char buffer[8192];
  while (true) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    result.text.append(buffer, static_cast<std::size_t>(got));
    // Checked as it is read: the file may grow meanwhile.
    if (result.text.size() > kMaxFileSize) {
      close(fd);
      return FileText{State::kTooLarge, {}, {}};
    }
  }
  close(fd);
  return result;
}

bool WriteWhole(const std::filesystem::path& file, std::string_view text) {
  // Made afresh: a file or link left in its place is never written through.
  unlink(file.c_str());
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = WriteAll(fd, text) && fsync(fd) == 0;
  return close(fd) == 0 && ok;
}

// Makes a rename in the folder durable.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Renames a damaged file aside under a name no other file has; the caller holds the lock.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& file) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = WithSuffix(file, ".damaged-").string() + stamp;
  std::string kept = base;
  struct stat info {};
  for (int n = 2; lstat(kept.c_str(), &info) == 0; ++n) kept = base + "-" + std::to_string(n);
  if (rename(file.c_str(), kept.c_str()) != 0) return std::nullopt;
  SyncFolder(file.parent_path());
  return kept;
}

}  // namespace

// ---- Names --------------------------------------------------------------------------------

bool IsUtf8(std::string_view text) {
  return IsAscii(text) || Recode("UTF-16LE", "UTF-8", text).has_value();
}

bool SameName(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
  }
  return Folded(a) == Folded(b);
}

bool IsValueName(std::string_view name) {
  return !HasControl(name, false) && IsUtf8(name);
}

bool IsKeyPath(std::string_view path) {
  if (!IsValueName(path)) return false;
  while (true) {
    const std::size_t slash = path.find('\\');
    if (slash == 0 || path.empty()) return false;
    if (slash == std::string_view::npos) return true;
    path.remove_prefix(slash + 1);
  }
}

// ---- Hive ---------------------------------------------------------------------------------

Value* Key::FindValue(std::string_view name) {
  for (Value& value : values)
    if (SameName(value.name, name)) return &value;
  return nullptr;
}

const Value* Key::FindValue(std::string_view name) const {
  return const_cast<Key*>(this)->FindValue(name);
}

Key* Hive::FindKey(std::string_view path) {
  for (Key& key : keys)
    if (SameName(key.path, path)) return &key;
  return nullptr;
}

const Key* Hive::FindKey(std::string_view path) const {
  return const_cast<Hive*>(this)->FindKey(path);
}

Key& Hive::AddKey(std::string_view path) {
  if (Key* found = FindKey(path)) return *found;
  if (const std::string_view parent = Parent(path); !parent.empty()) AddKey(parent);
  keys.push_back(Key{std::string(path), {}});
  return keys.back();
}

bool Hive::HasSubkeys(std::string_view path) const {
  for (const Key& key : keys) {
    const std::string_view parent = Parent(key.path);
    if (!parent.empty() && SameName(parent, path)) return true;
  }
  return false;
}

std::string Format(const Hive& hive) {
  std::string text = std::string(kHeader) + "\n\n";
  for (const Key& key : hive.keys) {
    text += "[" + key.path + "]\n";
    for (const Value& value : key.values) text += ValueLine(value) + "\n";
    text += "\n";
  }
  return text;
}

std::optional<Hive> Parse(std::string_view text) {
  Hive hive;
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  if (text.empty()) return hive;
  if (!IsUtf8(text)) return std::nullopt;
  const std::vector<std::string_view> lines = Lines(text);
  if (lines.front() != kHeader) return std::nullopt;
  Key* key = nullptr;
  // Where each value is in its key, by folded name: a hive may hold many values.
  std::vector<std::unordered_map<std::wstring, std::size_t>> places;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (Trimmed(line).empty() || line.starts_with(';')) continue;
    if (line.starts_with('[')) {
      if (!line.ends_with(']') || line.size() < 2) return std::nullopt;
      const std::string_view path = line.substr(1, line.size() - 2);
      if (!IsKeyPath(path)) return std::nullopt;
      key = &hive.AddKey(path);
      places.resize(hive.keys.size());
      continue;
    }
    std::size_t pos = 0;
    std::optional<std::string> name;
    if (line.starts_with('@')) {
      name.emplace();
      pos = 1;
    } else {
      name = Unquote(line, pos);
    }
    if (!key || !name || !IsValueName(*name) || pos >= line.size() || line[pos] != '=')
      return std::nullopt;
    std::string data(line.substr(pos + 1));
    // Hex data may go on over continuation lines.
    while (data.starts_with("hex") && data.ends_with('\\') && i + 1 < lines.size()) {
      data.pop_back();
      data += Trimmed(lines[++i]);
    }
    auto value = Data(data);
    if (!value) return std::nullopt;
    const auto [place, added] =
        places[static_cast<std::size_t>(key - hive.keys.data())].try_emplace(Folded(*name),
                                                                             key->values.size());
    if (added)
      key->values.push_back(Value{*std::move(name), *std::move(value)});
    else
      key->values[place->second].data = *std::move(value);
  }
  return hive;
}

// ---- Hive file ----------------------------------------------------------------------------

std::optional<Hive> HiveFile::Read() {
  if (const Hive* hive = Current()) return *hive;
  return std::nullopt;
}

const Hive* HiveFile::Current() {
  if (!KeptIsCurrent() && !Load(false)) return nullptr;
  return &kept_->hive;
}

bool HiveFile::Update(const std::function<Edit(Hive&)>& edit) {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error) return false;
  const WriterLock lock(file_, options_.lockWait);
  if (!lock.Held()) {
    trouble_ = lock.Trouble(file_);
    return false;
  }
  // A writer killed between writing and renaming left its temporary file behind.
  unlink(WithSuffix(file_, ".new").c_str());
  std::optional<Hive> hive = ReadLocked();
  if (!hive) return false;
  switch (edit(*hive)) {
    case Edit::kRefuse:
      return false;
    case Edit::kKeep:
      return true;
    case Edit::kWrite:
      break;
  }
  if (!Replace(Format(*hive))) return false;
  Keep(*hive);
  return true;
}

std::optional<std::filesystem::path> HiveFile::TakeDamageNotice() {
  if (damaged_.empty()) return std::nullopt;
  std::filesystem::path kept = std::move(damaged_.front());
  damaged_.pop_front();
  return kept;
}

std::optional<Hive> HiveFile::ReadLocked() {
  if (KeptIsCurrent()) return kept_->hive;
  return Load(true);
}

std::optional<Hive> HiveFile::Load(bool locked) {
  kept_.reset();
  // A plain read sees a whole file: writers replace it by rename.
  const std::optional<FileText> file = ReadWhole(file_);
  if (!file) return std::nullopt;
  switch (file->state) {
    case FileText::State::kMissing:
      kept_ = Kept{std::nullopt, Hive{}};
      return Hive{};
    case FileText::State::kNotAFile:
      trouble_ = StoreTrouble{StoreTrouble::Kind::kNotAFile, file_};
      return std::nullopt;
    case FileText::State::kText:
      ++reads_;
      if (auto hive = Parse(file->text)) {
        kept_ = Kept{file->stamp, *hive};
        return hive;
      }
      break;
    case FileText::State::kTooLarge:
      break;
  }
  // Only a writer may move the damaged file aside.
  if (!locked) {
    const WriterLock lock(file_, options_.lockWait);
    if (!lock.Held()) {
      trouble_ = lock.Trouble(file_);
      return std::nullopt;
    }
    return Load(true);
  }
  const std::optional<std::filesystem::path> kept = MoveAside(file_);
  if (!kept) return std::nullopt;
  damaged_.push_back(*kept);
  kept_ = Kept{std::nullopt, Hive{}};
  return Hive{};
}

bool HiveFile::KeptIsCurrent() const {
  if (!kept_) return false;
  struct stat info {};
  if (stat(file_.c_str(), &info) != 0) return errno == ENOENT && !kept_->stamp;
  return kept_->stamp && *kept_->stamp == StampOf(info);
}

void HiveFile::Keep(const Hive& hive) {
  if (const std::optional<FileStamp> stamp = StampOf(file_))
    kept_ = Kept{stamp, hive};
  else
    kept_.reset();
}

bool HiveFile::Replace(const std::string& text) {
  const std::filesystem::path temporary = WithSuffix(file_, ".new");
  const bool replaced = WriteWhole(temporary, text) &&
                        (!options_.beforeReplace || options_.beforeReplace(temporary)) &&
                        rename(temporary.c_str(), file_.c_str()) == 0;
  if (!replaced) {
    unlink(temporary.c_str());
    return false;
  }
  SyncFolder(file_.parent_path());
  return true;
}

}  // namespace vokabi::platform::hive
