#pragma once

#include "dragdrop/ItemProviderReading.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What kind of document a dropped file is, from the type identifier it was loaded under.
enum class DragAndDropDocumentType { unsupported, image, pdf, rtf, html, txt };

// One file dropped on the document list, as the drop session loads it: the bytes exactly
// as handed over and the kind of document they are. Only the five general identifiers
// are recognised, compared exactly; a more specific one (a JPEG, text in general) makes
// an unsupported item. Immutable once made, so it may cross threads.
class DragAndDropDocument {
public:
    using Bytes = std::vector<std::uint8_t>;

    DragAndDropDocument() = delete;
    // Nothing checks that the bytes are a PDF, whatever the argument's name says.
    DragAndDropDocument(std::optional<Bytes> pdfData, const std::string& typeIdentifier);

    // In order of preference: PDF first, plain text last.
    static std::vector<std::string> readableTypeIdentifiersForItemProvider();
    // Never fails: an identifier it does not know gives an unsupported item.
    static std::shared_ptr<DragAndDropDocument> objectWithItemProviderDataTypeIdentifierError(
        const Bytes& data, const std::string& typeIdentifier, std::optional<std::string>& error);

    const std::optional<Bytes>& data() const { return data_; }
    DragAndDropDocumentType type() const { return type_; }

private:
    std::optional<Bytes> data_;
    DragAndDropDocumentType type_;
};

static_assert(platform::dragdrop::ItemProviderReading<DragAndDropDocument>);
