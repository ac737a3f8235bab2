#include "fakes/FakeServiceTest.h"
#include "service/ZKPackageTranslator.h"
#include "service/ZKReply.h"
#include "service/ZKTranslator.h"
#include "service/ZKWebFetcher.h"
#include "service/ZKWebPoster.h"

#include <gtest/gtest.h>

namespace {

Dictionary transaction()
{
    return {{"guid", "T-1"},
            {"title", "Lease"},
            {"description", "Flat 2"},
            {"emailMessage", "Please sign"},
            {"due", 1700000000.0},
            {"advancedOptions", {{"inPerson", true}, {"autocomplete", false}, {"orderSigning", true}}},
            {"trxAttributes", {{"origin", "host"}}},
            {"participants",
             {{{"uid", "P-1"}, {"order", 0}, {"isOwner", true}, {"isGroup", false}, {"allowChangeSigners", true},
               {"emailMessage", "Hi"}, {"authentication", {{"type", "email"}}}, {"email", "ann@example.com"},
               {"firstName", "Ann"}, {"lastName", "Lee"}, {"title", "Owner"}, {"company", "Acme"}}}},
            {"documents",
             {{{"ident", "D-1"}, {"name", "Lease"}, {"order", 0},
               {"elements",
                {{{"ident", "E-1"}, {"name", "Sig"}, {"type", "SIGNATURE"}, {"autofill", "name"}, {"content", "x"},
                  {"readOnly", false}, {"approval", "E-1"}, {"page", 1}, {"x", 10.5}, {"y", 20.0}, {"width", 100.0},
                  {"height", 30.0}, {"roles", {"P-1"}}, {"validation", {{"required", true}}}}}}}}}};
}

Dictionary translated(const Dictionary& package)
{
    auto result = ZKTranslator::transactionDictionaryFromPackage(package);
    EXPECT_TRUE(std::holds_alternative<Dictionary>(result)) << package.dump();
    return std::holds_alternative<Dictionary>(result) ? std::get<Dictionary>(result) : Dictionary();
}

std::string refusal(const Dictionary& package)
{
    const auto result = ZKTranslator::transactionDictionaryFromPackage(package);
    return std::holds_alternative<ZKError>(result) ? std::get<ZKError>(result).description() : "";
}

} // namespace

TEST(ZKTranslatorTest, APackageSentAndFetchedBackGivesTheSameTransaction)
{
    const auto sent = ZKPackageTranslator::packageFromTransactionDictionary(transaction());
    auto back = translated(sent);
    EXPECT_EQ(back["status"], "draft");
    EXPECT_EQ(back["draft"], true);
    EXPECT_EQ(back["local"], false);
    for (const char* added : {"status", "draft", "local"}) {
        back.erase(added);
    }
    auto expected = transaction();
    EXPECT_EQ(back.size(), expected.size());
    for (const auto& [key, value] : expected.items()) {
        EXPECT_EQ(back[key], value) << key;
    }
}

TEST(ZKTranslatorTest, StatusesOtherThanDraftAreNoDraftAndMissingListsAreEmpty)
{
    const auto sent = translated({{"id", "T-2"}, {"status", "SENT"}});
    EXPECT_EQ(sent["status"], "sent");
    EXPECT_EQ(sent["draft"], false);
    EXPECT_TRUE(sent["participants"].empty());
    EXPECT_TRUE(sent["documents"].empty());
    EXPECT_EQ(translated({{"id", "T-3"}, {"status", nullptr}, {"roles", nullptr}})["status"], "");
}

TEST(ZKTranslatorTest, PackagesWithoutUsableIdsAreRefused)
{
    EXPECT_NE(refusal(Dictionary::array()), "");
    EXPECT_NE(refusal({{"name", "no id"}}), "");
    EXPECT_NE(refusal({{"id", ""}}), "");
    EXPECT_NE(refusal({{"id", 7}}), "");
    EXPECT_NE(refusal({{"id", "T"}, {"status", 3}}), "");
    EXPECT_NE(refusal({{"id", "T"}, {"roles", {{"id", "R"}}}}), "") << "roles must be a list of objects";
    EXPECT_NE(refusal({{"id", "T"}, {"roles", {{{"signer", {}}}}}}), "") << "a role without id";
    EXPECT_NE(refusal({{"id", "T"}, {"documents", {{{"id", "D"}}, {{"id", "D"}}}}}), "") << "two documents, one id";
    EXPECT_NE(refusal({{"id", "T"}, {"documents", {{{"id", "D"}, {"fields", {{{"id", "F"}}, {{"id", "F"}}}}}}}}), "");
    EXPECT_NE(refusal({{"id", "T"}, {"documents", {{{"id", "D"}, {"fields", "none"}}}}}), "");
}

class ZKWebFetcherDownloadTest : public fakes::FakeServiceTest {
protected:
    ZKReply download(const std::string& guid, const std::string& documentId)
    {
        std::optional<ZKReply> reply;
        ZKWebFetcher::documentPdfWithPackageGuidDocumentIdCallback(guid, documentId,
                                                                   [&](const ZKReply& got) { reply = got; });
        EXPECT_TRUE(waitFor([&] { return reply.has_value(); }));
        return reply.value_or(ZKReply());
    }
};

TEST_F(ZKWebFetcherDownloadTest, APdfComesAsItsBytesAndAMissingOneAsTheServiceError)
{
    service.addAccount("ann@example.com", "pw", {{"email", "ann@example.com"}});
    std::optional<ZKReply> login;
    ZKWebPoster::loginWithEmailPasswordCallback("ann@example.com", "pw", [&](const ZKReply& got) { login = got; });
    ASSERT_TRUE(waitFor([&] { return login.has_value(); }));
    const std::string pdf = std::string("%PDF-1.4\n") + '\0' + "\xff binary";
    service.setDocumentPdf("P.1", "D 1", pdf);

    const auto reply = download("P.1", "D 1");
    ASSERT_TRUE(reply.succeeded());
    EXPECT_EQ(reply.bytes, pdf);
    ASSERT_EQ(service.requestsTo("GET", "/api/packages/P.1/documents/D 1/pdf").size(), 1u);

    const auto missing = download("P.1", "other");
    ASSERT_FALSE(missing.succeeded());
    EXPECT_EQ(missing.error->messageKey(), "error.document.notFound");
}
