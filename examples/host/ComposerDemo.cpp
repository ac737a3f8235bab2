// Composing a transaction the way the composer's screens do, through the new-transaction
// model: documents, recipients with their authentication, a start as a local draft, then
// an edit of the stored draft that is committed and handed to synchronisation.
#include "DemoRegistry.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "DataManager/VTSynchronizationDelegates.h"
#include "DataManager/VTTransactionSyncQueue.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "graphics/Image.h"
#include "graphics/PdfWriter.h"
#include "sdk/facade/Veltra.h"
#include "sdk/VeltraDelegate.h"
#include "signers/SignerAuthenticationDictionary.h"

#include <iostream>

namespace {

using Model = VLTNewTransactionViewModel;
using Method = SignerAuthenticationMethod;

class PrintingHostDelegate : public VeltraDelegate {
public:
    void didExitSDK(const Dictionary&) override {}
    void didSynchronizeTransaction(const Dictionary& details) override
    {
        std::cout << "Host heard didSynchronizeTransaction: " << details.dump() << "\n";
    }
    void synchronizingFailedForTransaction(const Dictionary& details) override
    {
        std::cout << "Host heard synchronizingFailedForTransaction: " << details.dump() << "\n";
    }
    bool respondsToDidCreateLocalDraftWithDetails() const override { return true; }
    void didCreateLocalDraftWithDetails(const Dictionary& details) override { lastDetails = details; }
    Dictionary lastDetails;
};

class PrintingQueueDelegate : public VeltraSynchronizationQueueDelegate {
public:
    void didAddTransactionToSynchronizationQueue(const std::string& guid) override
    {
        std::cout << "Synchronisation queue picked up " << guid << "\n";
        picked = true;
    }
    bool picked = false;
};

bool waitFor(const std::function<bool()>& condition)
{
    return platform::RunLoop::main().advanceUntil(condition, 10);
}

void startService(fakes::FakeSigningService& service)
{
    service.start();
    service.addAccount("dana@example.com", "secret",
                       {{"email", "dana@example.com"}, {"firstName", "Dana"}, {"lastName", "Host"}, {"uid", "u-dana"}});
    service.setGroups(Dictionary::array({Dictionary{{"id", "g-legal"},
                                                    {"name", "Legal team"},
                                                    {"email", "legal@groups.veltra.com"},
                                                    {"members", Dictionary::array({{{"email", "lee@example.com"}}})}}}));
    Veltra::dashboard()->setServerAddress(service.address());
    bool signedIn = false;
    Veltra::dashboard()->loginWithEmailPasswordAndCallback("dana@example.com", "secret",
                                                           [&](const Dictionary&) { signedIn = true; });
    waitFor([&] { return signedIn; });
}

std::vector<std::uint8_t> samplePdf()
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    platform::graphics::Image logo(120, 60);
    writer.drawImage(logo, {{72, 72}, {120, 60}});
    return writer.finish().value_or(std::vector<std::uint8_t>());
}

void addDocuments(Model& model)
{
    bool pdfAdded = false;
    bool imageAdded = false;
    model.addDocumentWithNameAtIndexDataAndSizeCompletion("Service agreement.pdf", 0, samplePdf(), {612, 792},
                                                          [&](const auto&) { pdfAdded = true; });
    model.addDocumentWithNameAtIndexDataAndSizeCompletion("Site photo.png", 1,
                                                          platform::graphics::Image(320, 240).pngData(), {612, 792},
                                                          [&](const auto&) { imageAdded = true; });
    waitFor([&] { return pdfAdded && imageAdded; });
    for (int index = 0; index < model.documentsNumber(); ++index) {
        std::cout << "Document " << index << ": " << model.displayDataForDocumentWithIndex(index)["displayName"] << "\n";
    }
}

void addRecipients(Model& model)
{
    Dictionary me = model.identityInfo();
    me["authentication"] = *generateAuthenticationDictionary(Method::Email{});
    std::cout << "Add the signed-in user: code " << model.addSignerAtIndex(me, 0) << "\n";

    const Dictionary ravi{{"firstName", "Ravi"}, {"lastName", "Tenant"}, {"email", "ravi@example"},
                          {"company", "Flat 4B"}, {"title", "Tenant"}, {"allowSignerChange", false}};
    std::cout << "Add a person with the address \"ravi@example\": code " << model.addSignerAtIndex(ravi, 0) << "\n";
    Dictionary fixed = ravi;
    fixed["email"] = "ravi@example.com";
    std::cout << "Add the person with \"ravi@example.com\": code " << model.addSignerAtIndex(fixed, 0) << "\n";

    model.updateGroups();
    waitFor([&] { return !model.groups().empty(); });
    const auto group = model.getAvailableGroups().front();
    const Dictionary groupInput{{"group", true},          {"firstName", group->groupName()}, {"lastName", ""},
                                {"email", group->groupEmail()}, {"title", group->groupEmail()}, {"role", group->groupID()},
                                {"allowSignerChange", false}, {"isCurrentSignerMember", group->isCurrentSignerMember()}};
    std::cout << "Add the group \"" << group->groupName() << "\" of the service: code "
              << model.addSignerAtIndex(groupInput, 0) << "\n";
}

void authenticateRecipients(Model& model)
{
    std::cout << "Q&A with nothing filled: code " << model.validateQuestion1Answer1Question2Answer2("", "", "", "")
              << "; with a second answer but no second question: code "
              << model.validateQuestion1Answer1Question2Answer2("First car?", "Beetle", "", "Oslo") << "\n";
    const Method qanda = Method::QuestionAndAnswer{"First car?", "Beetle", true, "Town of birth?", "Oslo", false};
    Dictionary ravi = model.dataForSignerWithIndex(static_cast<int>(model.indexOfSignerWithEmailIsGroup("ravi@example.com", false)));
    ravi["authentication"] = *generateAuthenticationDictionary(qanda);
    std::cout << "Give Ravi Q&A authentication: code "
              << model.addSignerReplaceExisitngSignerEmail(ravi, "ravi@example.com") << "\n";

    std::string formatted;
    std::cout << "SMS to \"555\" (US): code " << model.validateCellPhoneNumberCountryCode("555", "US")
              << "; to \"+963 944 567 890\": code "
              << model.validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+963 944 567 890", formatted, "") << "\n";
    const int code = model.validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+12015550123", formatted, "US");
    std::cout << "SMS to \"+12015550123\" (US): code " << code << ", shown as \"" << formatted << "\"\n";
    const auto groupIndex = model.indexOfSignerWithGroupID("g-legal");
    Dictionary group = model.dataForSignerWithIndex(static_cast<int>(groupIndex));
    group["authentication"] = *generateAuthenticationDictionary(Method::SMS{formatted});
    std::cout << "Give the group SMS authentication: code "
              << model.addSignerReplaceExisitngGroupWithID(group, "g-legal") << "\n";
}

void printRecipients(const Model& model)
{
    for (int index = 0; index < model.signersNumber(); ++index) {
        const auto row = model.dataForSignerWithIndex(index);
        std::cout << "  " << index << ". " << row["displayName"].get<std::string>() << " <"
                  << row["emailDisplay"].get<std::string>() << "> role " << row["role"].get<std::string>()
                  << (row["group"] == true ? " (group)" : "") << ", authentication "
                  << row.value("authentication", Dictionary::object()).dump() << "\n";
    }
}

void editAndCommit(Model& model, const std::string& guid, PrintingHostDelegate& host, PrintingQueueDelegate& queue,
                   const fakes::FakeSigningService& service)
{
    model.setTransactionGUID(guid);
    bool loaded = false;
    model.loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) {
        std::cout << "Loaded " << guid << (error ? " with error " + error->dump() : std::string()) << "\n";
        loaded = true;
    });
    waitFor([&] { return loaded; });
    if (!model.transaction()) {
        return;
    }
    model.setTitle("Service agreement (revised)");
    model.removeSignerWithIndex(static_cast<int>(model.indexOfSignerWithEmailIsGroup("ravi@example.com", false)));
    std::cout << "Renamed and removed Ravi; recipients now:\n";
    printRecipients(model);
    bool committed = false;
    model.commitUpdatesWithCallback([&](const Dictionary& details) {
        std::cout << "Host heard didCreateLocalDraftWithDetails: \"" << host.lastDetails.value("title", std::string())
                  << "\" with " << host.lastDetails.value("participants", Dictionary::array()).size()
                  << " participants, sender " << host.lastDetails["sender"].dump() << "\n";
        std::cout << "Commit called back with the same details: " << (details == host.lastDetails ? "yes" : "no") << "\n";
        committed = true;
    });
    waitFor([&] { return committed && queue.picked; });
    if (waitFor([&] { return !service.requestsTo("POST", "/api/packages").empty(); })) {
        std::cout << "The synchronisation sent the draft to the service\n";
    }
}

void runComposerDemo(const host::DemoContext&)
{
    fakes::FakeSigningService service;
    startService(service);
    const auto hostDelegate = std::make_shared<PrintingHostDelegate>();
    Veltra::dashboard()->setDelegate(hostDelegate);
    const auto queueDelegate = std::make_shared<PrintingQueueDelegate>();
    VTTransactionSyncQueue::sharedInstance()->setSynchronizationDelegate(queueDelegate);

    const auto model = Model::sharedInstance();
    model->setTransactionGUID(std::nullopt);
    addDocuments(*model);
    addRecipients(*model);
    authenticateRecipients(*model);
    model->setTitle("  Service agreement ");
    std::cout << "Recipients:\n";
    printRecipients(*model);
    const int started = model->startNewTransaction();
    std::cout << "Start: code " << started << "\n";
    waitFor([&] { return !hostDelegate->lastDetails.empty(); });
    std::cout << "Host heard didCreateLocalDraftWithDetails:\n" << hostDelegate->lastDetails.dump(2) << "\n";
    const auto guid = model->transactionId();
    if (guid) {
        editAndCommit(*model, *guid, *hostDelegate, *queueDelegate, service);
    }
    service.stop();
}

host::DemoRegistration registration(70, "Composing a transaction", runComposerDemo);

} // namespace

