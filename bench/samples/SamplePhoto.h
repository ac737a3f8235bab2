#pragma once

#include <cstdint>
#include <vector>

namespace bench_samples {

// A 4000 x 3000 JPEG (quality 0.9) with gradients, shapes and grain, so that JPEG has a
// photo's amount of detail to keep. Made once per process.
const std::vector<std::uint8_t>& samplePhotoJpeg();

} // namespace bench_samples
