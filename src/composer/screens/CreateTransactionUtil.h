#pragma once

#include "foundation/NotificationCenter.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::ui {
class NavigationController;
class View;
} // namespace platform::ui

class CreateTransactionAddDocsAndSignersPage;
class CreateTransactionAddDocsAndSignersPageDelegate;
class VTDocument;
class VTTransaction;

// The composer's entry (the facade's three composer calls land here) and the small
// screen utilities every composer and signer-setup page shares. Class operations only;
// main thread only.
class CreateTransactionUtil {
public:
    using PageDelegate = std::weak_ptr<CreateTransactionAddDocsAndSignersPageDelegate>;
    using Completion = std::function<void(bool finished)>;

    // Each primes the new-transaction model, configures the main page and puts it on the
    // host's root controller: pushed on its navigation controller, else presented. False
    // (nothing primed, nothing shown) without a root controller or a main page scene.
    static bool startEditingTransaction(const std::optional<std::string>& guid, bool canAddDocuments,
                                        bool canDeleteDocuments, bool canReorderDocuments,
                                        const PageDelegate& createTransactionPageDelegate);
    // Also false for no document array at all; an empty one composes an empty transaction.
    static bool createAndStartEditTransaction(const std::optional<std::vector<std::shared_ptr<VTDocument>>>& documents,
                                              bool canAddDocuments, bool canDeleteDocuments,
                                              bool canReorderDocuments,
                                              const PageDelegate& createTransactionPageDelegate);
    static bool createAndStartEdit(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments,
                                   bool canDeleteDocuments, bool canReorderDocuments,
                                   const PageDelegate& createTransactionPageDelegate);

    // The root controller's navigation controller (may be null) and a new main page; both
    // null without a root controller or when the scene is not the main page.
    static std::pair<std::shared_ptr<platform::ui::NavigationController>,
                     std::shared_ptr<CreateTransactionAddDocsAndSignersPage>>
    getController();

    // Moves the view's centre sideways by `movementAmount` and back in six keyframes; the
    // completion runs only when the shake was not interrupted.
    static void animateShakeWithDurationForView(platform::ui::View& view, double duration, double movementAmount,
                                                const Completion& completion);
    // Scales the view through 1.15, 0.9, 1.1 and back to its size, growing from nothing when
    // building in; the completion always runs.
    static void animatePopWithDurationForView(platform::ui::View& view, double duration, bool buildIn,
                                              const Completion& completion);
    // Empty, or nothing but space separators and tabs (line breaks count as text).
    static bool stringIsEmpty(const std::string& string);
    // Runs the block on the main run loop once the delay has passed.
    static void runBlockafterDelay(double delay, const std::function<void()>& block);
    // The height of a keyboard notification's end frame; 0 when it carries none.
    static double keyboardHeightFromNotification(const platform::Notification& notification);

private:
    using Priming = std::function<void()>;
    static bool show(const Priming& prime, bool canAddDocuments, bool canDeleteDocuments, bool canReorderDocuments,
                     const PageDelegate& createTransactionPageDelegate);
};
