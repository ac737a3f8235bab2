// The local store as a host sees it: a transaction kept in the host's home directory and
// listed back as a later launch would find it.
#include "DemoRegistry.h"

#include "foundation/Uuid.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "service/ZKIdentity.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"
#include "support/ZKColor.h"
#include "support/ZKUtil.h"

#include <iostream>
#include <variant>

namespace {

Dictionary demoTransaction(const std::string& guid)
{
    return {{"guid", guid},
            {"title", "Apartment lease"},
            {"description", "Lease of flat 4B"},
            {"status", "draft"},
            {"draft", true},
            {"emailMessage", "Please review and sign."},
            {"advancedOptions", {{"inPerson", false}, {"orderSigning", true}}},
            {"participants",
             {{{"uid", "owner"}, {"order", 0}, {"email", "host.user@example.com"}, {"firstName", "Dana"},
               {"lastName", "Host"}, {"isOwner", true}},
              {{"uid", "tenant"}, {"order", 1}, {"email", "tenant@example.com"}, {"firstName", "Ravi"},
               {"lastName", "Tenant"}}}},
            {"documents",
             {{{"ident", guid + "-lease"}, {"name", "Lease"}, {"order", 0}, {"fileName", "Lease.pdf"},
               {"elements",
                {{{"ident", guid + "-sig"}, {"type", "SIGNATURE"}, {"approval", "tenant-sig"}, {"page", 1},
                  {"x", 72}, {"y", 600}, {"width", 200}, {"height", 50}, {"roles", {"tenant"}}},
                 {{"ident", guid + "-pets-yes"}, {"type", "Radio"}, {"approval", "tenant-sig"}, {"page", 1},
                  {"validation", {{"enumeration", {"Pets"}}}}},
                 {{"ident", guid + "-parking"}, {"type", "Radio"}, {"approval", "tenant-sig"}, {"page", 1},
                  {"validation", {{"enumeration", {"parking"}}}}}}}},
              {{"ident", guid + "-annex"}, {"name", "Annex"}, {"order", 1}, {"elements", Dictionary::array()}}}}};
}

void listTransactions(ZKCoreDataManager& store)
{
    for (const auto& transaction : store.allTransactions()) {
        std::cout << "  \"" << transaction->name() << "\" " << transaction->guid() << " (status "
                  << transaction->status() << (transaction->local() ? ", changed locally" : "") << ")\n";
        for (const auto& participant : transaction->participants()) {
            std::cout << "    signer " << participant->order() + 1 << ": " << participant->nameDisplay() << " ["
                      << participant->initials() << "] colour " << participant->editColor().hexString()
                      << (ZKUtil::isAccountOwnerEmail(participant->email()) ? "  <- you" : "") << "\n";
        }
        for (const auto& document : transaction->documents()) {
            std::cout << "    document " << document->order() + 1 << ": " << document->name() << ", "
                      << document->elements().size() << " field(s)\n";
            for (const auto& element : document->elements()) {
                std::cout << "      " << element->type() << " page " << element->page()
                          << (element->content().empty() ? "" : " = \"" + element->content() + "\"") << "\n";
            }
        }
    }
}

host::DemoRegistration registration(40, "Local store", [](const host::DemoContext&) {
    ZKIdentity::sharedInstance()->recordUser(
        {{"email", "host.user@example.com"}, {"firstName", "Dana"}, {"lastName", "Host"}, {"uid", "user-1"}});

    auto opened = ZKCoreDataManager::openDefault();
    if (!opened.manager) {
        std::cout << "The store cannot be opened: " << opened.error->description() << "\n";
        return;
    }
    std::cout << "Store: " << opened.manager->file().string() << "\n";
    VeltManagedObject::setStoreManager(opened.manager);

    const auto guid = platform::makeUuidString();
    const auto mapped = ZKTransactionMapper::transactionFromDictionary(demoTransaction(guid), *opened.manager);
    const auto transaction = std::get<std::shared_ptr<ZKTransaction>>(mapped);
    const auto nameField = ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
        "TextBox", std::string("tenant-sig"), {"tenant"}, std::string("{signer.name}"),
        platform::graphics::makeRect(72, 560, 200, 30), 0, 1, transaction);
    nameField->updateContent("Ravi Tenant");
    if (const auto error = opened.manager->save()) {
        std::cout << "Saving failed: " << error->description() << "\n";
        return;
    }
    std::cout << "Stored a local draft " << guid << "\n";

    const auto pdfPath = ZKFileManager::folderPathForTransactionWithGUID(guid) + "/Lease.pdf";
    const std::string pdf = "%PDF-1.4\n%%EOF\n";
    if (ZKFileManager::storeAtPathFileWithNameAndData(pdfPath, std::nullopt, {pdf.begin(), pdf.end()})) {
        std::cout << "Kept its PDF at " << pdfPath << "\n";
    }

    // What a later launch finds: a second store object over the same file.
    const auto later = ZKCoreDataManager::openDefault().manager;
    std::cout << "Transactions in the store:\n";
    listTransactions(*later);
    const auto found = later->transactionWithGuid(guid);
    std::cout << "Radio groups of the tenant's signature: ";
    VeltManagedObject::setStoreManager(later);
    for (const auto& group : ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent(
             "tenant-sig", found->documents().front()->ident())) {
        std::cout << "\"" << group << "\" ";
    }
    std::cout << "\n";
    VeltManagedObject::setStoreManager(nullptr);
});

} // namespace
