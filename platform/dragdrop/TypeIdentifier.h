#pragma once

#include <string_view>

namespace platform::dragdrop {

// Uniform type identifiers of the data a drop carries, and their conformance: a type
// conforms to itself and to every type above it ("public.jpeg" conforms to
// "public.image", "public.data" and "public.item"). Types not listed here conform only
// to themselves.
class TypeIdentifier {
public:
    static constexpr std::string_view item = "public.item";
    static constexpr std::string_view content = "public.content";
    static constexpr std::string_view data = "public.data";
    static constexpr std::string_view compositeContent = "public.composite-content";
    static constexpr std::string_view image = "public.image";
    static constexpr std::string_view jpeg = "public.jpeg";
    static constexpr std::string_view png = "public.png";
    static constexpr std::string_view gif = "com.compuserve.gif";
    static constexpr std::string_view tiff = "public.tiff";
    static constexpr std::string_view bmp = "com.microsoft.bmp";
    static constexpr std::string_view heic = "public.heic";
    static constexpr std::string_view heif = "public.heif";
    static constexpr std::string_view webp = "org.webmproject.webp";
    static constexpr std::string_view pdf = "com.adobe.pdf";
    static constexpr std::string_view text = "public.text";
    static constexpr std::string_view plainText = "public.plain-text";
    static constexpr std::string_view utf8PlainText = "public.utf8-plain-text";
    static constexpr std::string_view html = "public.html";
    static constexpr std::string_view rtf = "public.rtf";
    static constexpr std::string_view contact = "public.contact";
    static constexpr std::string_view vCard = "public.vcard";

    static bool conformsTo(std::string_view type, std::string_view parent);
};

} // namespace platform::dragdrop
