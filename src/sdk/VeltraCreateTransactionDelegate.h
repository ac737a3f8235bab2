#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform::ui {
class ViewController;
}

// The host's delegate for the create/edit transaction screens. Both messages are
// optional: the facade probes respondsTo...() before each one.
class VeltraCreateTransactionDelegate {
public:
    // Hands the host's document to the composer: a PDF path and an optional display name.
    using AddDocumentCallback = std::function<void(const std::string& path, const std::optional<std::string>& name)>;

    virtual ~VeltraCreateTransactionDelegate() = default;

    virtual bool respondsToOnAddDocumentAndCallback() const { return false; }
    virtual void onAddDocumentAndCallback(const std::shared_ptr<platform::ui::ViewController>& page,
                                          const AddDocumentCallback& callback)
    {
        (void)page;
        (void)callback;
    }

    virtual bool respondsToOnCloseButton() const { return false; }
    virtual void onCloseButton(const std::shared_ptr<platform::ui::ViewController>& page) { (void)page; }
};
