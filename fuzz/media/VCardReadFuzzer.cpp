#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes: cards read up to the first bad one; what was read is written and read
// again to the same contacts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::contacts;
    const VCardReadResult first = VCardReader::read(std::span<const std::uint8_t>(data, size));
    if (first.contacts.empty())
        return 0;
    const VCardReadResult second = VCardReader::read(VCardWriter::write(first.contacts, VCardVersion::v3_0));
    if (second.error || second.contacts != first.contacts)
        std::abort();
    return 0;
}
