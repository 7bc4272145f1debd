// The error raised when a picture or other resource the program carries cannot
// be found or decoded. Its message names the resource and the reason.
#pragma once

#include <stdexcept>

namespace platform {

class ResourceError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace platform
