#pragma once

namespace platform::ui {

enum class SizeClass { unspecified, compact, regular };

// The size classes of the space a controller lays out in.
struct TraitCollection {
    SizeClass horizontalSizeClass = SizeClass::unspecified;
    SizeClass verticalSizeClass = SizeClass::unspecified;
    bool operator==(const TraitCollection&) const = default;

    bool isRegularByRegular() const
    {
        return horizontalSizeClass == SizeClass::regular && verticalSizeClass == SizeClass::regular;
    }
};

} // namespace platform::ui
