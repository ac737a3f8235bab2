#include "samples/SampleText.h"

namespace bench_samples {

std::string sampleText(std::size_t bytes)
{
    const std::string sentence = "The tenant keeps the garden tidy and the gate shut. ";
    std::string text;
    text.reserve(bytes + sentence.size());
    while (text.size() < bytes) {
        text += sentence;
    }
    text.resize(bytes);
    return text;
}

} // namespace bench_samples
