#pragma once

#include "support/VeltraTest.h"
#include "foundation/Dictionary.h"
#include "model/VeltManagedObject.h"
#include "store/ZKCoreDataManager.h"

#include <string>

namespace store_testing {

// A transaction dictionary with `documents` documents of `elementsPerDocument` elements
// each and `participants` participants.
inline Dictionary sampleTransaction(const std::string& guid, int documents = 2, int elementsPerDocument = 3,
                                    int participants = 2)
{
    Dictionary participantList = Dictionary::array();
    for (int index = 0; index < participants; ++index) {
        const auto number = std::to_string(index);
        participantList.push_back({{"uid", "role-" + number}, {"order", index},
                                   {"email", "signer" + number + "@example.com"}, {"firstName", "First" + number},
                                   {"lastName", "Last" + number}, {"isOwner", index == 0},
                                   {"authentication", {{"scheme", "NONE"}}}});
    }
    Dictionary documentList = Dictionary::array();
    for (int d = 0; d < documents; ++d) {
        Dictionary elements = Dictionary::array();
        for (int e = 0; e < elementsPerDocument; ++e) {
            const auto ident = guid + "-e" + std::to_string(d) + "-" + std::to_string(e);
            elements.push_back({{"ident", ident}, {"name", "Field " + std::to_string(e)}, {"type", "TextBox"},
                                {"content", ""}, {"approval", "approval-" + std::to_string(d)}, {"page", 1},
                                {"x", 10.5 * e}, {"y", 20.0}, {"width", 130.0}, {"height", 38.0},
                                {"roles", {"role-0"}}, {"validation", {{"required", e % 2 == 0}, {"maxLength", 40}}}});
        }
        documentList.push_back({{"ident", guid + "-doc" + std::to_string(d)}, {"name", "Doc " + std::to_string(d)},
                                {"order", d}, {"fileName", "doc" + std::to_string(d) + ".pdf"},
                                {"elements", std::move(elements)}});
    }
    return {{"guid", guid}, {"title", "Lease " + guid}, {"description", "A lease"}, {"status", "draft"},
            {"draft", true}, {"local", false}, {"lastUpdate", 1000.0}, {"due", 2000.0},
            {"emailMessage", "Please sign"}, {"advancedOptions", {{"inPerson", true}, {"autocomplete", false},
                                                                  {"orderSigning", true}, {"theme", "dark"}}},
            {"trxAttributes", {{"origin", "host"}}},
            {"predefinedActions", {{"createOnServer", true}}},
            {"participants", std::move(participantList)}, {"documents", std::move(documentList)}};
}

// A test case with a store file in its home directory, installed as the class-level
// store manager.
class StoreTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        manager = openStore();
        VeltManagedObject::setStoreManager(manager);
    }

    // A second, independent manager over the same file: what a later launch would see.
    static std::shared_ptr<ZKCoreDataManager> openStore()
    {
        auto result = ZKCoreDataManager::openDefault();
        EXPECT_FALSE(result.error.has_value());
        return result.manager;
    }

    std::shared_ptr<ZKCoreDataManager> manager;
};

} // namespace store_testing
