#pragma once

#include <string>

namespace vokabi::platform {

// The security identifier of the user running this process, as text ("S-1-5-21-…"); empty when
// its token cannot be read.
std::wstring ThisUserSid();

// The process at the other end of a connected named pipe (a HANDLE) runs as this process's user.
bool PipePeerIsThisUser(void* pipe);

}  // namespace vokabi::platform
