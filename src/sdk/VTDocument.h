#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One PDF of a transaction that the host or the composer builds.
class VTDocument {
public:
    VTDocument() = default;
    // Absent values become empty strings.
    VTDocument(const std::optional<std::string>& name, const std::optional<std::string>& path);

    static std::shared_ptr<VTDocument> initWithNameAndPath(const std::optional<std::string>& name,
                                                           const std::optional<std::string>& path);

    // Names drop NUL and the bidirectional controls, which would make them show as another
    // name.
    const std::string& name() const { return name_; }
    void setName(std::string_view value);
    const std::string& pdfPath() const { return pdfPath_; }
    void setPdfPath(std::string value) { pdfPath_ = std::move(value); }

    // The PDF bytes read from `pdfPath`, which for a document rebuilt from the store is
    // the stored file. Empty when there is no such file or it is not a PDF.
    std::vector<std::uint8_t> data() const;

    // The stored document this one was rebuilt from; empty for a new document.
    const std::optional<std::string>& documentId() const { return documentId_; }
    void setDocumentId(std::optional<std::string> value) { documentId_ = std::move(value); }

private:
    std::string name_;
    std::string pdfPath_;
    std::optional<std::string> documentId_;
};
