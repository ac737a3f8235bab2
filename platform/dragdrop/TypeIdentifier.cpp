#include "dragdrop/TypeIdentifier.h"

#include <array>
#include <utility>

namespace platform::dragdrop {
namespace {

using T = TypeIdentifier;

// Each type with the types it conforms to directly.
constexpr std::array<std::pair<std::string_view, std::array<std::string_view, 2>>, 20> parents = {{
    {T::content, {T::item, {}}},
    {T::data, {T::item, {}}},
    {T::compositeContent, {T::content, {}}},
    {T::image, {T::data, T::content}},
    {T::jpeg, {T::image, {}}},
    {T::png, {T::image, {}}},
    {T::gif, {T::image, {}}},
    {T::tiff, {T::image, {}}},
    {T::bmp, {T::image, {}}},
    {T::heic, {T::image, {}}},
    {T::heif, {T::image, {}}},
    {T::webp, {T::image, {}}},
    {T::pdf, {T::data, T::compositeContent}},
    {T::text, {T::data, T::content}},
    {T::plainText, {T::text, {}}},
    {T::utf8PlainText, {T::plainText, {}}},
    {T::html, {T::text, {}}},
    {T::rtf, {T::text, {}}},
    {T::contact, {T::item, {}}},
    {T::vCard, {T::text, T::contact}},
}};

} // namespace

bool TypeIdentifier::conformsTo(std::string_view type, std::string_view parent)
{
    if (type == parent)
        return true;
    for (const auto& [child, above] : parents) {
        if (child != type)
            continue;
        for (const std::string_view next : above) {
            if (!next.empty() && conformsTo(next, parent))
                return true;
        }
    }
    return false;
}

} // namespace platform::dragdrop
