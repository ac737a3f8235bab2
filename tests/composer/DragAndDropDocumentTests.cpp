#include "composer/DragAndDropDocument.h"
#include "dragdrop/DropSession.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"

namespace {

using Bytes = DragAndDropDocument::Bytes;
using platform::dragdrop::DragItem;
using platform::dragdrop::ItemProvider;
using Type = DragAndDropDocumentType;

class DragAndDropDocumentTest : public testing_support::VeltraTest {};

TEST_F(DragAndDropDocumentTest, OnlyTheFiveGeneralIdentifiersAreRecognisedExactly)
{
    const std::vector<std::pair<std::string, Type>> cases{
        {"public.image", Type::image},     {"com.adobe.pdf", Type::pdf},         {"public.rtf", Type::rtf},
        {"public.html", Type::html},       {"public.plain-text", Type::txt},     {"public.jpeg", Type::unsupported},
        {"public.text", Type::unsupported}, {"Public.Image", Type::unsupported}, {"", Type::unsupported},
    };
    for (const auto& [identifier, type] : cases) {
        EXPECT_EQ(DragAndDropDocument(Bytes{1}, identifier).type(), type) << identifier;
    }
    EXPECT_EQ(DragAndDropDocument::readableTypeIdentifiersForItemProvider(),
              (std::vector<std::string>{"com.adobe.pdf", "public.image", "public.html", "public.rtf",
                                        "public.plain-text"}));
}

TEST_F(DragAndDropDocumentTest, TheBytesAreKeptAsTheyCame)
{
    std::optional<std::string> error = "stale";
    const auto empty = DragAndDropDocument::objectWithItemProviderDataTypeIdentifierError({}, "public.rtf", error);
    ASSERT_NE(empty, nullptr);
    EXPECT_FALSE(error);
    EXPECT_EQ(empty->type(), Type::rtf);
    EXPECT_EQ(empty->data(), Bytes{});
    EXPECT_FALSE(DragAndDropDocument(std::nullopt, "com.adobe.pdf").data());
}

TEST_F(DragAndDropDocumentTest, ADropSessionLoadsItemsUnderTheGeneralIdentifiers)
{
    const auto item = [](const std::string& type, Bytes data) {
        return DragItem{std::make_shared<ItemProvider>(type, std::move(data))};
    };
    const platform::dragdrop::DropSession session(
        {item("public.jpeg", {1, 2}), item("public.movie", {3}), item("public.utf8-plain-text", {4}),
         item("com.adobe.pdf", {5})},
        {0, 0});
    std::optional<std::vector<std::shared_ptr<DragAndDropDocument>>> loaded;
    session.loadObjectsOfClass<DragAndDropDocument>([&](auto objects) { loaded = std::move(objects); });
    ASSERT_TRUE(waitFor([&] { return loaded.has_value(); }));
    ASSERT_EQ(loaded->size(), 3u);
    EXPECT_EQ((*loaded)[0]->type(), Type::image);
    EXPECT_EQ((*loaded)[0]->data(), (Bytes{1, 2}));
    EXPECT_EQ((*loaded)[1]->type(), Type::txt);
    EXPECT_EQ((*loaded)[2]->type(), Type::pdf);
}

} // namespace
