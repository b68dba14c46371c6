#pragma once

#include <filesystem>

#include "engine/base_writer.h"

namespace vokabi::test {

// Builds the image with the real writer and the platform's case rules; fails the running test and
// returns false when the writer refuses the source.
bool BuildImage(const BaseSource& source, BaseImage* image);

// Lays the image out and writes it to the path; fails the running test on any error.
bool WriteImage(const std::filesystem::path& path, const BaseImage& image);

// BuildImage and WriteImage in one.
bool WriteBase(const std::filesystem::path& path, const BaseSource& source);

}  // namespace vokabi::test
