#pragma once

#include "graphics/Image.h"

#include <cstdint>
#include <vector>

namespace bench_samples {

// A picture of the given size with gradients, shapes and grain, so that a photo format has
// a photo's amount of detail to keep.
platform::graphics::ImagePtr samplePhoto(int width, int height);

// samplePhoto(4000, 3000) as JPEG of quality 0.9. Made once per process.
const std::vector<std::uint8_t>& samplePhotoJpeg();

} // namespace bench_samples
