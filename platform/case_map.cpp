#include "platform/case_map.h"

#include <map>
#include <mutex>

#include "platform/codepage.h"
#include "platform/system_cases.h"

namespace vokabi::platform {

namespace {

// ASCII letters change case by the plain rule whatever the system thinks.
CaseTable Build(int charset) {
  CaseTable table;
  for (int c = 0; c < 256; ++c) {
    table.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    table.lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  }
  FillSystemCases(charset, table);
  return table;
}

}  // namespace

// Built once per code page: every base and every typed word asks again.
CaseTable CaseTableForCharset(int charset) {
  static std::mutex guard;                // process-wide: guards the tables
  static std::map<int, CaseTable> built;  // process-wide: a memo of fixed tables
  const int codePage = CodePageForCharset(charset);
  const std::lock_guard lock(guard);
  auto found = built.find(codePage);
  if (found == built.end()) found = built.emplace(codePage, Build(charset)).first;
  return found->second;
}

}  // namespace vokabi::platform
