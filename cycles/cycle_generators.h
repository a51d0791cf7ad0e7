#pragma once

#include <span>

#include "cycles/generator_runner.h"

namespace quillmar {

// The turning, drilling, threading and measuring generators of the Process menu, one row
// each: adding a generator is its builder and a row here.
std::span<const GeneratorEntry> cycleGenerators();

}  // namespace quillmar
