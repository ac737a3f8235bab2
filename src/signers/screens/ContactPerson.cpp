#include "signers/screens/ContactPerson.h"

#include "graphics/ImageCodec.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <memory>
#include <string_view>

namespace {

constexpr std::string_view numberSectionCharacters = "0123456789!@#$%^&*()-=+_~";
constexpr const char* numberSectionTitle = "#";

bool isAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}

// The first user-perceived character: a letter with its combining marks, a flag, an
// emoji sequence. Address books are mostly ASCII, which needs no break iterator: an ASCII
// character followed by another (other than a carriage return's line feed) stands alone.
icu::UnicodeString firstCharacter(const std::string& text)
{
    if (isAscii(text[0]) && (text.size() == 1 || (isAscii(text[1]) && !(text[0] == '\r' && text[1] == '\n')))) {
        return icu::UnicodeString(static_cast<UChar>(text[0]));
    }
    const auto unicode = icu::UnicodeString::fromUTF8(text);
    thread_local std::unique_ptr<icu::BreakIterator> characters = [] {
        UErrorCode status = U_ZERO_ERROR;
        return std::unique_ptr<icu::BreakIterator>(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    }();
    if (!characters) {
        return icu::UnicodeString(unicode, 0, unicode.moveIndex32(0, 1));
    }
    characters->setText(unicode);
    const int32_t end = characters->following(0);
    return icu::UnicodeString(unicode, 0, end == icu::BreakIterator::DONE ? unicode.length() : end);
}

// Cards written on some systems spell "É" as "E" and a combining accent; both spellings
// belong in one section.
icu::UnicodeString composed(const icu::UnicodeString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || nfc->isNormalized(text, status)) {
        return text;
    }
    status = U_ZERO_ERROR;
    const auto normalized = nfc->normalize(text, status);
    return U_SUCCESS(status) ? normalized : text;
}

} // namespace

ContactPerson::ContactPerson(const platform::contacts::Contact& contact)
    : firstName_(contact.givenName)
    , lastName_(contact.familyName)
    , company_(contact.organizationName)
    , jobTitle_(contact.jobTitle)
    , imageData_(contact.imageData)
{
    emails_.reserve(contact.emailAddresses.size());
    for (const auto& address : contact.emailAddresses) {
        emails_.push_back(address.value);
    }
}

const platform::graphics::ImagePtr& ContactPerson::picture() const
{
    if (imageData_) {
        picture_ = platform::graphics::ImageCodec::decode(*imageData_);
        imageData_.reset();
    }
    return picture_;
}

std::string ContactPerson::firstLetterOfName() const
{
    if (lastName_.empty()) {
        return {};
    }
    auto letter = firstCharacter(lastName_);
    letter.toUpper(icu::Locale::getRoot());
    std::string title;
    composed(letter).toUTF8String(title);
    if (title.size() == 1 && numberSectionCharacters.find(title[0]) != std::string_view::npos) {
        return numberSectionTitle;
    }
    return title;
}

std::string ContactPerson::sortKey() const
{
    return firstName_.empty() ? lastName_ : firstName_ + " " + lastName_;
}
