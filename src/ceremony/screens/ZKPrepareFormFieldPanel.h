#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace platform::ui {
class TableView;
}

class ZKParticipant;
class ZKPrepareFormFieldDelegate;

// The designer's side panel as the hub and the PDF viewer see it. The panel's controller
// (a scene of the designer's screens, embedded by the hub) implements it besides being a
// view controller; the hub finds it by casting the embed segue's destination. Main
// thread only.
class ZKPrepareFormFieldPanel {
public:
    using CompletionHandler = std::function<void()>;
    // What stays on screen of a minimised panel: its icon column at the left edge.
    static constexpr double minimizedWidth = 61;

    virtual ~ZKPrepareFormFieldPanel() = default;

    // Held weakly by the panel.
    virtual void setDelegate(const std::weak_ptr<ZKPrepareFormFieldDelegate>& delegate) = 0;
    virtual void setIsSignerOnlyMode(bool signerOnly) = 0;
    virtual void setParticipants(const std::vector<std::shared_ptr<ZKParticipant>>& participants) = 0;
    virtual std::shared_ptr<platform::ui::TableView> fieldsTableView() const = 0;
    virtual void disablePanelAnimated(bool animated) = 0;
    // The handler may be empty.
    virtual void minimizePanelWithCompletionHandler(CompletionHandler handler) = 0;
    virtual void disableFormFields(bool disable) = 0;
    virtual void setShouldEnableNonPrimaryFormFields(bool enable) = 0;
};
