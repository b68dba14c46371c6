// CUPS keeps the status of each thread's last request; Qt's printing submits the page on the
// thread that ends the document and does not look at it.
#include "platform/print_outcome.h"

#include <cups/cups.h>

namespace vokabi::platform {

bool LastPrintJobTaken() {
  return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

bool LastPrintRequestAnswered() {
  // "No destinations added" is the scheduler's own answer when it has no queue.
  return LastPrintJobTaken() || cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND;
}

}  // namespace vokabi::platform
