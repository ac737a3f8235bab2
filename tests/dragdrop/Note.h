#pragma once

#include "dragdrop/ItemProviderReading.h"

#include <thread>

// A readable class for the tests: PDF preferred, then images, then plain text. Empty
// data cannot be read.
struct Note {
    platform::dragdrop::Bytes data;
    std::string typeIdentifier;
    std::thread::id madeOn;

    static std::vector<std::string> readableTypeIdentifiersForItemProvider()
    {
        return {"com.adobe.pdf", "public.image", "public.plain-text"};
    }

    static std::shared_ptr<Note> objectWithItemProviderDataTypeIdentifierError(
        const platform::dragdrop::Bytes& data, const std::string& typeIdentifier, std::optional<std::string>& error)
    {
        if (data.empty()) {
            error = "empty";
            return nullptr;
        }
        return std::make_shared<Note>(Note{data, typeIdentifier, std::this_thread::get_id()});
    }
};

static_assert(platform::dragdrop::ItemProviderReading<Note>);
