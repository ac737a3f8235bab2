#pragma once

#include "ui/View.h"

#include <optional>

namespace platform::ui {

enum class BlurStyle { extraLight, light, dark };

struct VisualEffect {
    BlurStyle style = BlurStyle::light;
    bool operator==(const VisualEffect&) const = default;
};

// A view that blurs what lies behind it while it has an effect; the effect can be set
// and cleared inside an animation. Content goes into contentView().
class VisualEffectView : public View {
public:
    explicit VisualEffectView(std::optional<VisualEffect> effect = std::nullopt);

    const std::optional<VisualEffect>& effect() const { return effect_; }
    void setEffect(const std::optional<VisualEffect>& effect);
    const std::shared_ptr<View>& contentView() const { return contentView_; }

    void layoutSubviews() override;
    void draw(graphics::DrawingContext& context) const override;

private:
    std::optional<VisualEffect> effect_;
    std::shared_ptr<View> contentView_;
};

} // namespace platform::ui
