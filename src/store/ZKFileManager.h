#pragma once

#include "foundation/Dictionary.h"
#include "graphics/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The on-device folders of the SDK: Library/Preferences/<transaction GUID>/ for a
// transaction's PDFs, and the temporary folder Library/Preferences/CorvexTMPFolder/<current
// transaction id>/ for plain copies while a transaction is composed. Files are written to a
// temporary file and renamed over the target; names never lead outside their folder.
// Temporary copies are removed once stored, and what a killed process left in the
// temporary folder goes when the next process first uses its file manager, before it
// can have put anything there. Any thread.
class ZKFileManager {
public:
    using Bytes = std::vector<std::uint8_t>;
    // Answers the current transaction's id (nothing when there is none).
    using CurrentTransactionIdProvider = std::function<std::optional<std::string>()>;
    // {"localPath": path} of the PDF made, or nullopt when the file could not be converted.
    using ConversionCompletion = std::function<void(const std::optional<Dictionary>& result)>;

    static constexpr const char* kTemporaryFolderName = "CorvexTMPFolder";

    static std::shared_ptr<ZKFileManager> sharedInstance();

    ZKFileManager();

    // The transaction manager installs the provider of the current transaction id, so this
    // class needs no link to it. Without a provider there is no current transaction.
    void setCurrentTransactionIdProvider(CurrentTransactionIdProvider provider);

    static std::filesystem::path preferencesFolderPath();
    // Library/Preferences/<guid>/ (the guid reduced to one safe folder name).
    static std::string folderPathForTransactionWithGUID(const std::string& guid);

    // Library/Preferences/CorvexTMPFolder/<current transaction id>, or the
    // CorvexTMPFolder itself while there is no current transaction.
    std::string temporaryFolderPath() const;
    // Creates the temporary folder (keeping what it holds) and answers its path; nullopt
    // when it cannot be made.
    std::optional<std::string> createEmptyTemporaryFolder() const;
    // Removes the temporary folder of the current transaction and what it holds.
    void removeTemporaryFolder() const;
    // Whether the path lies in the temporary folder (of any transaction): a copy this SDK
    // made, which nothing else writes and which goes once stored.
    static bool isTemporaryCopy(const std::filesystem::path& path);
    // Removes the file when it is a temporary copy that was stored elsewhere and is not
    // needed any more.
    static void removeTemporaryCopy(const std::filesystem::path& path);

    // The full path of the first file in `folder` that does not exist yet: name.ext, then
    // name(number).ext, name(number+1).ext ... (no suffix for number 0; no extension when
    // `extension` is empty). Folder separators and "." / ".." in the name are replaced, so
    // the path always lies in `folder`; NUL and bidirectional controls are dropped.
    static std::string getGoodNameForFileWithPathNameExtentionAndNumber(const std::string& folder,
                                                                       const std::string& name,
                                                                       const std::optional<std::string>& extension,
                                                                       int number);
    // Writes the bytes to `path` through a temporary file renamed over it and answers the
    // path; nullopt when the path holds a ".." part or the write fails. `name` is unused.
    static std::optional<std::string> storeAtPathFileWithNameAndData(const std::string& path,
                                                                     const std::optional<std::string>& name,
                                                                     const Bytes& data);

    // Converts an image, HTML, RTF or plain-text file to a PDF in the temporary folder and
    // calls the completion on the main thread with {"localPath": path}, or nullopt when it cannot.
    // PDF input needs no conversion: the completion is not called.
    void convertToPDFDataAndSizeCompletion(const std::string& fileName, const Bytes& data,
                                           const platform::graphics::Size& size,
                                           ConversionCompletion completion) const;

private:
    CurrentTransactionIdProvider currentTransactionId_;
};
