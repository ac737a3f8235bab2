#include "composer/DragAndDropDocument.h"

#include "dragdrop/TypeIdentifier.h"

#include <array>
#include <utility>

namespace {

using platform::dragdrop::TypeIdentifier;

DragAndDropDocumentType typeOf(const std::string& typeIdentifier)
{
    static constexpr std::array<std::pair<std::string_view, DragAndDropDocumentType>, 5> kinds{{
        {TypeIdentifier::image, DragAndDropDocumentType::image},
        {TypeIdentifier::pdf, DragAndDropDocumentType::pdf},
        {TypeIdentifier::rtf, DragAndDropDocumentType::rtf},
        {TypeIdentifier::html, DragAndDropDocumentType::html},
        {TypeIdentifier::plainText, DragAndDropDocumentType::txt},
    }};
    for (const auto& [identifier, type] : kinds) {
        if (typeIdentifier == identifier) {
            return type;
        }
    }
    return DragAndDropDocumentType::unsupported;
}

} // namespace

DragAndDropDocument::DragAndDropDocument(std::optional<Bytes> pdfData, const std::string& typeIdentifier)
    : data_(std::move(pdfData)), type_(typeOf(typeIdentifier))
{
}

std::vector<std::string> DragAndDropDocument::readableTypeIdentifiersForItemProvider()
{
    return {std::string(TypeIdentifier::pdf), std::string(TypeIdentifier::image), std::string(TypeIdentifier::html),
            std::string(TypeIdentifier::rtf), std::string(TypeIdentifier::plainText)};
}

std::shared_ptr<DragAndDropDocument> DragAndDropDocument::objectWithItemProviderDataTypeIdentifierError(
    const Bytes& data, const std::string& typeIdentifier, std::optional<std::string>& error)
{
    error.reset();
    return std::make_shared<DragAndDropDocument>(data, typeIdentifier);
}
