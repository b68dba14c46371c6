#pragma once

#include <string>
#include <vector>

namespace vokabi::platform {

// The program's arguments after its name, in UTF-8 whatever the system hands main (Windows hands
// it the ANSI code page, which cannot hold Bulgarian and English words at once).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard input and output carry bytes as they are: no CR added before LF nor taken away, no
// byte read as the end of the text.
void UseBinaryStandardStreams();

}  // namespace vokabi::platform
