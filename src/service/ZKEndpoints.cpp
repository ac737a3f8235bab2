#include "service/ZKEndpoints.h"

#include <cstdio>

namespace ZKEndpoints {

std::string escapeSegment(std::string_view segment)
{
    std::string out;
    for (const unsigned char c : segment) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '_' || c == '~';
        if (unreserved) {
            out += static_cast<char>(c);
            continue;
        }
        char encoded[4];
        std::snprintf(encoded, sizeof encoded, "%%%02X", c);
        out += encoded;
    }
    return out;
}

std::string session()
{
    return "/api/session";
}

std::string designerSettings(std::string_view packageGuid)
{
    return "/api/packages/" + escapeSegment(packageGuid) + "/designer";
}

std::string groups()
{
    return "/api/groups?offset=0&limit=" + std::to_string(kGroupLimit) + "&sort=name";
}

std::string packages()
{
    return "/api/packages";
}

std::string package(std::string_view packageGuid)
{
    return "/api/packages/" + escapeSegment(packageGuid) + "?rawSignatureCapture=true";
}

std::string draftFromTemplate(std::string_view templateGuid)
{
    return "/api/packages/" + escapeSegment(templateGuid) + "/clone";
}

std::string documentPdf(std::string_view packageGuid, std::string_view documentId)
{
    return "/api/packages/" + escapeSegment(packageGuid) + "/documents/" + escapeSegment(documentId) + "/pdf";
}

} // namespace ZKEndpoints
