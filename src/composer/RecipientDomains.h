#pragma once

// The two markers that tell recipient kinds apart by their e-mail (tested as plain,
// case-sensitive substrings). Every part of the SDK that makes or recognises such
// recipients uses these constants and no copy of their values.
struct RecipientDomains {
    // Generated placeholder recipients carry this domain: "placeholder1@placeholder.veltra.invalid".
    // The ".invalid" top-level domain can never be delivered to.
    static constexpr const char* kPlaceholderDomain = "@placeholder.veltra.invalid";
    // Signing groups of the service have addresses under this domain: "legal@groups.veltra.com".
    static constexpr const char* kGroupMailDomainMarker = "@groups.veltra.";
};
