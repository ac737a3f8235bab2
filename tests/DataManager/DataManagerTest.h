#pragma once

#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "fakes/FakeServiceTest.h"
#include "model/ZKTransaction.h"
#include "service/ZKWebPoster.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"

#include <fstream>
#include <string>

// The stand-in service, a signed-in session and the local store of a fresh home.
class DataManagerTest : public fakes::FakeServiceTest {
protected:
    static constexpr const char* kPdf = "%PDF-1.4 the lease";

    static ZKCoreDataManager& store() { return *ZKTransactionManager::sharedInstance()->dataManager()->store(); }

    static Dictionary localDraft(const std::string& guid)
    {
        return {{"guid", guid},
                {"title", "Lease"},
                {"status", "draft"},
                {"draft", true},
                {"local", true},
                {"predefinedActions", {{"createOnServer", true}}},
                {"participants",
                 {{{"uid", guid + "-P1"}, {"order", 0}, {"email", "ann@example.com"}, {"firstName", "Ann"}},
                  {{"uid", guid + "-P2"}, {"order", 1}, {"email", "bob@example.com"}}}},
                {"documents",
                 {{{"ident", guid + "-D1"},
                   {"name", "Lease.pdf"},
                   {"order", 0},
                   {"fileName", "lease.pdf"},
                   {"elements",
                    {{{"ident", guid + "-E1"}, {"type", "SIGNATURE"}, {"roles", {guid + "-P1"}}, {"approval", guid + "-E1"}},
                     {{"ident", guid + "-E2"},
                      {"type", "TextBox"},
                      {"content", "12 Main St"},
                      {"roles", {guid + "-P2"}},
                      {"approval", guid + "-E1"}}}}}}}};
    }

    // Stores the transaction of the dictionary with its PDF in the transaction's folder.
    static std::shared_ptr<ZKTransaction> storeTransaction(const Dictionary& dictionary, bool withPdf = true)
    {
        // Opening the store clears files it does not name, so it opens before the PDF is written.
        auto& opened = store();
        const auto guid = dictionary["guid"].get<std::string>();
        if (withPdf) {
            const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(guid);
            std::filesystem::create_directories(folder);
            std::ofstream(folder / "lease.pdf", std::ios::binary) << kPdf;
        }
        auto mapped = ZKTransactionMapper::transactionFromDictionary(dictionary, opened);
        EXPECT_FALSE(opened.save());
        return std::get<std::shared_ptr<ZKTransaction>>(mapped);
    }
};
