#include "composer/DocumentFileImport.h"

#include "foundation/Text.h"
#include "store/ZKFileManager.h"

namespace {

std::string pathExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::optional<std::string> localPath(const std::optional<Dictionary>& conversion)
{
    return conversion ? platform::dictionary::stringAt(*conversion, "localPath") : std::nullopt;
}

} // namespace

std::string DocumentFileImport::lastPathComponent(const std::string& name)
{
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string DocumentFileImport::deletingPathExtension(const std::string& name)
{
    return name.substr(0, name.rfind('.'));
}

std::string DocumentFileImport::documentNameOfFile(const std::string& name)
{
    const std::string fileName = lastPathComponent(name);
    return pathExtension(fileName) == "pdf" ? fileName : deletingPathExtension(fileName);
}

std::string DocumentFileImport::fileNameOfDocument(const std::string& documentName, const std::string& fileName)
{
    const std::string extension = pathExtension(lastPathComponent(fileName));
    return extension.empty() || extension == "pdf" ? documentName : documentName + "." + extension;
}

void DocumentFileImport::importFile(const std::string& name, const Bytes& data, const platform::graphics::Size& size,
                                    const AddPDF& addPDF, const Failure& failure)
{
    const auto fileManager = ZKFileManager::sharedInstance();
    fileManager->createEmptyTemporaryFolder();
    const std::string fileName = lastPathComponent(name);
    const std::string extension = pathExtension(fileName);
    // The converter leaves PDF input alone and never answers, which would stall the
    // import; a PDF with its extension in capitals is named as a converted file would be.
    if (platform::text::toLower(extension) == "pdf") {
        storePDF(fileName, documentNameOfFile(fileName), data, addPDF, failure);
        return;
    }
    fileManager->convertToPDFDataAndSizeCompletion(fileName, data, size,
                                                   [fileName, addPDF, failure](const std::optional<Dictionary>& result) {
        const auto path = localPath(result);
        if (!path) {
            failure();
            return;
        }
        addPDF(documentNameOfFile(fileName), *path);
    });
}

void DocumentFileImport::storePDF(const std::string& fileName, const std::string& displayName, const Bytes& data,
                                  const AddPDF& addPDF, const Failure& failure)
{
    const auto fileManager = ZKFileManager::sharedInstance();
    const std::string path = ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(
        fileManager->temporaryFolderPath(), deletingPathExtension(fileName), "pdf", 0);
    if (!ZKFileManager::storeAtPathFileWithNameAndData(path, std::nullopt, data)) {
        failure();
        return;
    }
    addPDF(displayName, path);
}
