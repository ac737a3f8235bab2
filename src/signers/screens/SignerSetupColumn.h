#pragma once

#include "ui/ScrollView.h"

#include <memory>
#include <vector>

// The form of a signer-setup page: its views one under the other inside a scroll view,
// across the scroll view's width less the margins, the content size following them.
struct SignerSetupColumn {
    static constexpr double kMargin = 16;
    static constexpr double kCaptionHeight = 20;
    // Above a caption, and above a field.
    static constexpr double kSectionSpace = 24;
    static constexpr double kFieldSpace = 8;

    struct Item {
        std::shared_ptr<platform::ui::View> view;
        double height;
        double spaceAbove;
    };

    static void layout(platform::ui::ScrollView& scrollView, const std::vector<Item>& items);
};
