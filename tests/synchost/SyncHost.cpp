// veltra_sync_host launch <home>
//     starts the SDK, stores one local draft and returns from main.
// veltra_sync_host synchronize <home> <server address> <checkpoint or "none">
//     signs in as ann@example.com, queues every stored draft still to be created, as a
//     host does after a launch, and waits until the queue is idle; ends itself with
//     SIGKILL on reaching the checkpoint ("created", "linked", "saved").
// veltra_sync_host identities <home>
//     records two users in turn until it is killed.
// veltra_sync_host place <home>
//     places fields on the stored draft "HOST-DRAFT" one after another, as the designer
//     does, the n-th at y = n, until it is killed.
// Exit status 0 when everything it did succeeded.

#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "DataManager/ZKTransactionSynchronizer.h"
#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/RunLoop.h"
#include "graphics/Geometry.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "service/ZKIdentity.h"
#include "service/ZKServerSettings.h"
#include "service/ZKWebPoster.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKTransactionMapper.h"

#include <csignal>
#include <map>
#include <string>

namespace {

using Checkpoint = ZKTransactionSynchronizer::Checkpoint;

// How long the host waits for the service: only a safety net, so it allows for a sanitizer
// on a busy machine.
constexpr double kWaitSeconds = 60;

ZKCoreDataManager& store()
{
    return *ZKTransactionManager::sharedInstance()->dataManager()->store();
}

int launch()
{
    const Dictionary draft{{"guid", "HOST-DRAFT"},
                           {"title", "Lease"},
                           {"draft", true},
                           {"local", true},
                           {"predefinedActions", {{"createOnServer", true}}},
                           {"participants", {{{"uid", "P1"}, {"email", "ann@example.com"}}}}};
    const auto mapped = ZKTransactionMapper::transactionFromDictionary(draft, store());
    return std::holds_alternative<ZKError>(mapped) || store().save() ? 1 : 0;
}

void endAt(const std::string& name)
{
    const std::map<std::string, Checkpoint> checkpoints{
        {"created", Checkpoint::created}, {"linked", Checkpoint::linked}, {"saved", Checkpoint::saved}};
    const auto found = checkpoints.find(name);
    if (found == checkpoints.end()) {
        return;
    }
    ZKTransactionSynchronizer::setCheckpointObserver([at = found->second](Checkpoint reached) {
        if (reached == at) {
            std::raise(SIGKILL);
        }
    });
}

bool needsCreating(const ZKTransaction& transaction)
{
    const auto& actions = transaction.predefinedActionsIfAny();
    return (actions && actions->createOnServer()) || (transaction.draft() && transaction.local());
}

int synchronize(const std::string& address, const std::string& checkpoint)
{
    auto& loop = platform::RunLoop::main();
    ZKServerSettings::sharedInstance()->setServerAddress(address);
    bool signedIn = false;
    ZKWebPoster::loginWithEmailPasswordCallback("ann@example.com", "secret",
                                                [&](const ZKReply& reply) { signedIn = reply.succeeded(); });
    if (!loop.runUntil([&] { return signedIn; }, kWaitSeconds)) {
        return 1;
    }
    endAt(checkpoint);
    const auto queue = VTTransactionSyncQueue::sharedInstance();
    for (const auto& transaction : store().allTransactions()) {
        if (needsCreating(*transaction)) {
            queue->addTransaction(transaction->guid());
        }
    }
    const bool idle =
        loop.runUntil([&] { return !queue->isSynchronizing() && queue->queuedTransactions().empty(); }, kWaitSeconds);
    return idle && queue->failedTransactions().empty() ? 0 : 1;
}

int recordIdentities()
{
    const Dictionary ann{{"uid", "U1"}, {"email", "ann@example.com"}, {"firstName", "Ann"}, {"lastName", "Lee"},
                         {"title", "CFO"}, {"company", "Lee & Co"}};
    const Dictionary bob{{"uid", "U2"}, {"email", "bob@example.com"}, {"firstName", "Bob"}, {"lastName", "Roe"},
                         {"title", "CEO"}, {"company", "Roe Ltd"}};
    for (bool first = true;; first = !first) {
        ZKIdentity::sharedInstance()->recordUser(first ? ann : bob);
    }
}

int placeFields()
{
    const auto draft = store().transactionWithGuid("HOST-DRAFT");
    if (!draft || draft->documents().empty()) {
        return 1;
    }
    for (auto placed = draft->documents()[0]->elements().size();; ++placed) {
        const auto frame = platform::graphics::makeRect(10, static_cast<double>(placed), 130, 38);
        ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
            "TextBox", std::string("SIG"), {"P1"}, std::nullopt, frame, 0, 0, draft);
        if (!draft->setLocal()) {
            return 1;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        return 2;
    }
    const std::string mode = argv[1];
    platform::Log::setSink([](std::string_view, std::string_view) {});
    platform::Environment::setHomeDirectory(argv[2]);
    if (mode == "launch") {
        return launch();
    }
    if (mode == "synchronize" && argc == 5) {
        return synchronize(argv[3], argv[4]);
    }
    if (mode == "identities") {
        return recordIdentities();
    }
    if (mode == "place") {
        return placeFields();
    }
    return 2;
}
