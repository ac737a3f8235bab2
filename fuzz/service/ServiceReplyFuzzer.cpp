// A reply of the service as it reaches the SDK: a status byte, then the body. The body
// goes through every reader of replies: the reply parser, the groups reply, the created
// package's identifiers, and the package translation.
#include "foundation/Log.h"
#include "service/ZKPackageTranslator.h"
#include "service/ZKReplyParser.h"
#include "service/ZKWebFetcher.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::array<long, 8> kStatuses{200, 201, 204, 400, 401, 404, 500, 503};

const Dictionary& sentPackage()
{
    static const Dictionary package = ZKPackageTranslator::packageFromTransactionDictionary(
        {{"guid", "LOCAL"},
         {"participants", {{{"uid", "P1"}}, {{"uid", "P2"}}}},
         {"documents", {{{"ident", "D1"}, {"elements", {{{"ident", "E1"}, {"roles", {"P1"}}}}}}}}});
    return package;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        platform::Log::setSink([](std::string_view, std::string_view) {});
        return true;
    }();
    (void)quiet;
    if (size == 0) {
        return 0;
    }
    const auto status = kStatuses[data[0] % kStatuses.size()];
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto reply = ZKReplyParser::parse(status, body);
    ZKWebFetcher::groupsResultFromReply(reply);
    if (reply.succeeded()) {
        ZKPackageTranslator::identifiersFromCreatedPackage(sentPackage(), reply.json);
        ZKPackageTranslator::packageFromTransactionDictionary(reply.json);
    }
    return 0;
}
