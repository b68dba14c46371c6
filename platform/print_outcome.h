#pragma once

// Whether the system's printing took the job the calling thread last sent it: a queue that
// rejects jobs, or a scheduler that answers with an error, does not make the print call fail.
namespace vokabi::platform {

bool LastPrintJobTaken();

}  // namespace vokabi::platform
