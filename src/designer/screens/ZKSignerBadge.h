#pragma once

#include <string>

class ZKParticipant;

// How the designer's side panel shows a signer where there is little room: the glyph of
// its role and its initials. Stateless.
class ZKSignerBadge {
public:
    // The icon-font glyph of the sender's own role, of a signing group or of anyone else.
    static std::string roleGlyph(const ZKParticipant& participant);
    // The participant's initials without their dots, upper-cased ("JD").
    static std::string initials(const ZKParticipant& participant);
};
