#include "app/system_case_map.h"

#include "platform/case_map.h"

namespace vokabi {

CaseMap SystemCaseMap(int charset) {
  const platform::CaseTable table = platform::CaseTableForCharset(charset);
  CaseMap map;
  map.upper = table.upper;
  map.lower = table.lower;
  return map;
}

}  // namespace vokabi
