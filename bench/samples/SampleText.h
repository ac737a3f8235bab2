#pragma once

#include <cstddef>
#include <string>

namespace bench_samples {

// Plain sentences repeated up to exactly `bytes` bytes: a long description, message or
// name as a sender might paste it.
std::string sampleText(std::size_t bytes);

} // namespace bench_samples
