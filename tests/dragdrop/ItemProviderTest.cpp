#include "Note.h"

#include "dragdrop/DropSession.h"
#include "dragdrop/ItemProvider.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"

#include <future>

using namespace platform::dragdrop;
using platform::RunLoop;

namespace {

class ItemProviderTest : public testing_support::VeltraTest {};

Bytes bytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

DragItem item(const std::string& type, const std::string& text)
{
    return DragItem{std::make_shared<ItemProvider>(type, bytes(text))};
}

TEST_F(ItemProviderTest, TypesConformUpTheirHierarchyOnly)
{
    EXPECT_TRUE(TypeIdentifier::conformsTo("public.jpeg", "public.image"));
    EXPECT_TRUE(TypeIdentifier::conformsTo("public.jpeg", "public.data"));
    for (const char* photo : {"org.webmproject.webp", "public.heic", "public.heif"}) {
        EXPECT_TRUE(TypeIdentifier::conformsTo(photo, "public.image")) << photo;
        EXPECT_TRUE(TypeIdentifier::conformsTo(photo, "public.data")) << photo;
    }
    EXPECT_TRUE(TypeIdentifier::conformsTo("com.adobe.pdf", "public.data"));
    EXPECT_TRUE(TypeIdentifier::conformsTo("public.utf8-plain-text", "public.text"));
    EXPECT_TRUE(TypeIdentifier::conformsTo("public.vcard", "public.contact"));
    EXPECT_TRUE(TypeIdentifier::conformsTo("com.example.custom", "com.example.custom"));
    EXPECT_FALSE(TypeIdentifier::conformsTo("public.image", "public.jpeg"));
    EXPECT_FALSE(TypeIdentifier::conformsTo("public.vcard", "public.plain-text"));
    EXPECT_FALSE(TypeIdentifier::conformsTo("public.html", "public.plain-text"));
    EXPECT_FALSE(TypeIdentifier::conformsTo("com.example.custom", "public.data"));
}

TEST_F(ItemProviderTest, LoadsTheFirstConformingRepresentationOnAWorkerThread)
{
    ItemProvider provider;
    provider.registerData("public.png", bytes("png bytes"));
    provider.registerDataLoader("public.plain-text", [] { return std::optional<Bytes>(); });
    EXPECT_EQ(provider.registeredTypeIdentifiers(), (std::vector<std::string>{"public.png", "public.plain-text"}));

    struct Answer {
        std::optional<Bytes> data;
        std::optional<std::string> error;
        std::thread::id thread;
    };
    auto load = [&provider](const std::string& type) {
        std::promise<Answer> promise;
        provider.loadDataRepresentationForTypeIdentifierCompletionHandler(
            type, [&promise](std::optional<Bytes> data, std::optional<std::string> error) {
                promise.set_value({std::move(data), std::move(error), std::this_thread::get_id()});
            });
        return promise.get_future().get();
    };
    const Answer image = load("public.image");
    EXPECT_EQ(image.data, bytes("png bytes"));
    EXPECT_FALSE(image.error);
    EXPECT_NE(image.thread, std::this_thread::get_id());

    const Answer failed = load("public.text");
    EXPECT_FALSE(failed.data);
    EXPECT_TRUE(failed.error);
    const Answer missing = load("com.adobe.pdf");
    EXPECT_FALSE(missing.data);
    EXPECT_TRUE(missing.error);
}

TEST_F(ItemProviderTest, ObjectsAreMadeFromTheClassesPreferredReadableType)
{
    ItemProvider provider;
    provider.registerData("public.jpeg", bytes("jpeg"));
    provider.registerData("com.adobe.pdf", bytes("pdf"));
    ASSERT_TRUE(provider.canLoadObjectOfClass<Note>());
    EXPECT_EQ(provider.readableTypeIdentifierFor<Note>(), "com.adobe.pdf");

    std::promise<std::shared_ptr<Note>> made;
    provider.loadObjectOfClassCompletionHandler<Note>(
        [&made](std::shared_ptr<Note> note, std::optional<std::string>) { made.set_value(note); });
    const auto note = made.get_future().get();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->typeIdentifier, "com.adobe.pdf");
    EXPECT_EQ(note->data, bytes("pdf"));

    // A JPEG is read under the class's own, general identifier.
    std::promise<std::shared_ptr<Note>> photo;
    ItemProvider(TypeIdentifier::jpeg.data(), bytes("jpeg"))
        .loadObjectOfClassCompletionHandler<Note>([&photo](std::shared_ptr<Note> n, std::optional<std::string>) { photo.set_value(n); });
    EXPECT_EQ(photo.get_future().get()->typeIdentifier, "public.image");

    EXPECT_FALSE(ItemProvider("public.vcard", bytes("BEGIN:VCARD")).canLoadObjectOfClass<Note>());
    std::promise<std::optional<std::string>> unreadable;
    ItemProvider("public.plain-text", {}).loadObjectOfClassCompletionHandler<Note>(
        [&unreadable](std::shared_ptr<Note> n, std::optional<std::string> error) {
            EXPECT_EQ(n, nullptr);
            unreadable.set_value(error);
        });
    EXPECT_EQ(unreadable.get_future().get(), "empty");
}

TEST_F(ItemProviderTest, SessionLoadsObjectsOnceOnTheMainThreadLeavingOutUnreadableItems)
{
    const DropSession session({item("com.adobe.pdf", "first"), item("public.plain-text", ""), item("public.vcard", "card"),
                                  item("public.png", "last")},
        {10, 20});
    EXPECT_TRUE(session.canLoadObjectsOfClass<Note>());
    EXPECT_TRUE(session.hasItemsConformingToTypeIdentifiers({"public.vcard"}));
    EXPECT_TRUE(session.hasItemsConformingToTypeIdentifiers({"public.movie", "public.text"}));
    EXPECT_FALSE(session.hasItemsConformingToTypeIdentifiers({"public.movie"}));

    int calls = 0;
    std::vector<std::shared_ptr<Note>> loaded;
    session.loadObjectsOfClass<Note>([&](std::vector<std::shared_ptr<Note>> notes) {
        EXPECT_TRUE(RunLoop::main().isMainThread());
        ++calls;
        loaded = std::move(notes);
    });
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(waitFor([&] { return calls > 0; }));
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->data, bytes("first"));
    EXPECT_EQ(loaded[1]->data, bytes("last"));
    EXPECT_NE(loaded[0]->madeOn, std::this_thread::get_id());

    const DropSession nothing({item("public.vcard", "card")}, {});
    EXPECT_FALSE(nothing.canLoadObjectsOfClass<Note>());
    bool answered = false;
    nothing.loadObjectsOfClass<Note>([&](std::vector<std::shared_ptr<Note>> notes) {
        answered = notes.empty();
    });
    RunLoop::main().runUntilIdle();
    EXPECT_TRUE(answered);
}

} // namespace
