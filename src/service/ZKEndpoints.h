#pragma once

#include <string>
#include <string_view>

// Every path of the signing service the SDK calls, and the fixed parts of each request.
// Paths are relative to the server address; identifiers are escaped as path segments.
//
//   POST /api/session             sign in: {"email", "password"} -> the login reply below;
//                                 the reply sets the session cookie
//   GET  /api/session             the login reply for the session cookie in place
//   DELETE /api/session           sign out: ends the session of the cookie -> {} (or no body)
//   GET  /api/packages/{guid}/designer
//                                 {"fieldSettings": {...}}: the designer settings
//   GET  /api/groups?offset=0&limit=999&sort=name
//                                 {"count", "results": [{"id", "name", "email",
//                                 "members": [{"email"}]}]}
//   POST /api/packages            multipart/form-data: part "payload" (package JSON, see
//                                 ZKPackageShape), one part "file" per document in order
//                                 -> the created package JSON with the service's ids;
//                                 with an "Idempotency-Key" header, a repeat of the key
//                                 answers the package the first request created
//   POST /api/packages/{guid}/clone
//                                 {} -> a new draft package made from the template
//                                 package, with ids of its own
//   GET  /api/packages/{guid}?rawSignatureCapture=true
//                                 the package JSON (ZKPackageShape)
//   GET  /api/packages/{guid}/documents/{documentId}/pdf
//                                 the document's PDF ("application/pdf")
//
// Login reply: {"user": {"uid", "email", "firstName", "lastName", "title", "company"},
//               "package": {"guid"}}; "package" is the package the session was opened
//               for, and may be missing.
// Error reply (any status >= 400): {"domain", "code", "messageKey", "message"}, each
//               optional.
namespace ZKEndpoints {

inline constexpr const char* kAccept = "application/json;vlt-api-version=11.0.3";
inline constexpr const char* kSessionCookie = "VELTRA_SESSION_ID";
inline constexpr const char* kServiceErrorDomain = "VeltraService";
inline constexpr int kGroupLimit = 999;

// An identifier made safe as one path segment: everything but letters, digits, "-", "_"
// and "~" is percent-encoded, dots too, so ".." never climbs out of its folder.
std::string escapeSegment(std::string_view segment);

std::string session();
std::string designerSettings(std::string_view packageGuid);
std::string groups();
std::string packages();
std::string package(std::string_view packageGuid);
std::string draftFromTemplate(std::string_view templateGuid);
std::string documentPdf(std::string_view packageGuid, std::string_view documentId);

} // namespace ZKEndpoints
