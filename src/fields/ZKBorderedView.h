#pragma once

#include "ui/View.h"

#include <utility>

// A view that draws two dashed guides: a border along its bounds (rounded by
// `borderCornerRadius`, filled with the fill colour) and one line chosen by `lineType`.
// Each guide can be shown or hidden on its own; both start shown, in light grey on a
// clear fill. Main thread only.
class ZKBorderedView : public platform::ui::View {
public:
    // Which line is drawn; any other value draws the bottom edge.
    enum LineType : int {
        lineTop = 0,
        lineCentralHorizontal = 1,
        lineLeft = 3,
        lineCentralVertical = 4,
        lineRight = 5,
        lineBottom = 6,
    };

    static constexpr double lineWidth = 1;

    ZKBorderedView();

    int lineType() const { return lineType_; }
    void setLineType(int type) { lineType_ = type; }
    double borderCornerRadius() const { return borderCornerRadius_; }
    void setBorderCornerRadius(double radius) { borderCornerRadius_ = radius; }
    const platform::graphics::Color& borderColor() const { return borderColor_; }
    // Restyles both guides, which draw in the border colour.
    void setBorderColor(const platform::graphics::Color& color) { borderColor_ = color; }
    const platform::graphics::Color& fillColor() const { return fillColor_; }
    void setFillColor(const platform::graphics::Color& color) { fillColor_ = color; }

    // Shows the border on YES and hides it on NO.
    void setApplyPatternOnBorder(bool apply) { borderShown_ = apply; }
    bool isBorderShown() const { return borderShown_; }
    // Shows the line on YES and hides it on NO.
    void setApplyPatternOnLine(bool apply) { lineShown_ = apply; }
    bool isLineShown() const { return lineShown_; }

    // The end points of the line in the view's bounds.
    std::pair<platform::graphics::Point, platform::graphics::Point> lineSegment() const;

    void draw(platform::graphics::DrawingContext& context) const override;

private:
    int lineType_ = lineBottom;
    double borderCornerRadius_ = 0;
    platform::graphics::Color borderColor_ = platform::graphics::Color::lightGray();
    platform::graphics::Color fillColor_ = platform::graphics::Color::clear();
    bool borderShown_ = true;
    bool lineShown_ = true;
};
