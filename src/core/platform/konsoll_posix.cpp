#include "platform/konsoll.h"

namespace brul::platform {

// Arguments arrive as the bytes the caller gave, UTF-8 on these systems, and
// the streams pass bytes on unchanged.
std::vector<std::string> Argumenter(int argc, char** argv) { return {argv, argv + argc}; }

struct Konsoll::Tilstand {};
Konsoll::Konsoll() = default;
Konsoll::~Konsoll() = default;

}  // namespace brul::platform
