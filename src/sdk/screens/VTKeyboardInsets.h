#pragma once

#include "foundation/NotificationCenter.h"
#include "ui/ScrollView.h"

#include <functional>
#include <memory>

// Keeps what a page's scroll view holds clear of the keyboard: while the keyboard shows,
// the scroll view gets a bottom inset of the part of the keyboard that covers the page
// plus a margin, and none once it hides. Stateless; main thread only, as the views are.
class VTKeyboardInsets {
public:
    static constexpr double kMargin = 10;

    // The covered part plus the margin, never below zero; the keyboard's whole height
    // while the view is in no window.
    static double bottomInset(const platform::ui::View& view, const platform::Notification& notification);
    // Content and indicator insets with that bottom and zero elsewhere.
    static void apply(platform::ui::ScrollView& scrollView, double bottom);
    // No inset once the keyboard goes, given back with the keyboard's animation, so content
    // scrolled into the room it took slides back down with it.
    static void release(platform::ui::ScrollView& scrollView);
    // Scrolls the form until the view, one of its own, lies clear of the bottom inset,
    // which is what the keyboard covers.
    static void reveal(platform::ui::ScrollView& scrollView, const platform::ui::View& view);
    // Reveals the input being typed into when it is one of the form's.
    static void revealFirstResponder(platform::ui::ScrollView& scrollView);
    // Calls back on keyboard-did-show and keyboard-will-hide for as long as `owner` lives.
    static void observe(const std::shared_ptr<void>& owner,
                        const std::function<void(const platform::Notification&)>& didShow,
                        const std::function<void()>& willHide);
};
