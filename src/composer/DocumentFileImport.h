#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Turns a file handed to the composer (dropped, opened in) into a PDF in the temporary
// folder. A PDF is stored under the first free name base.pdf, base(1).pdf ...; anything
// else is converted (images, HTML, RTF, plain text). Only the last component of the file name is used, so a name with
// folder parts ("../x.pdf") never reaches outside the temporary folder.
class DocumentFileImport {
public:
    using Bytes = std::vector<std::uint8_t>;
    // The document's display name and the PDF's path. A PDF keeps its extension in the
    // display name, a converted file does not.
    using AddPDF = std::function<void(const std::string& displayName, const std::string& path)>;
    using Failure = std::function<void()>;

    static void importFile(const std::string& name, const Bytes& data, const platform::graphics::Size& size,
                           const AddPDF& addPDF, const Failure& failure);

    static std::string lastPathComponent(const std::string& name);
    // The name up to its last "." (the whole name when it has none).
    static std::string deletingPathExtension(const std::string& name);
    // The display name importFile gives the file's document.
    static std::string documentNameOfFile(const std::string& name);
    // The file name that importFile turns into a document of that name, with the
    // extension of `fileName`.
    static std::string fileNameOfDocument(const std::string& documentName, const std::string& fileName);

private:
    static void storePDF(const std::string& fileName, const std::string& displayName, const Bytes& data,
                         const AddPDF& addPDF, const Failure& failure);
};
