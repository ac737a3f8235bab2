#include "designer/screens/ZKSignerBadge.h"

#include "foundation/Text.h"
#include "model/ZKParticipant.h"

#include <algorithm>

std::string ZKSignerBadge::roleGlyph(const ZKParticipant& participant)
{
    if (participant.isOwner()) {
        return "v";
    }
    return participant.isGroup() ? ">" : "p";
}

std::string ZKSignerBadge::initials(const ZKParticipant& participant)
{
    std::string letters = participant.initials();
    letters.erase(std::remove(letters.begin(), letters.end(), '.'), letters.end());
    return platform::text::toUpper(letters);
}
