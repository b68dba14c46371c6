#pragma once

// Whether the system's printing took the job the calling thread last sent it: a queue that
// rejects jobs, or a scheduler that answers with an error, does not make the print call fail.
namespace vokabi::platform {

bool LastPrintJobTaken();

// Whether the system's printing answered the calling thread's last question: a list of no printers
// from a scheduler that did not answer is a failure to print, not a missing printer.
bool LastPrintRequestAnswered();

}  // namespace vokabi::platform
