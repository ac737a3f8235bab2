#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/Animator.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::RunLoop;
using platform::graphics::makeRect;

namespace {

class AnimatorTest : public testing_support::VeltraTest {
protected:
    std::shared_ptr<View> view = std::make_shared<View>(makeRect(0, 0, 100, 100));
    std::vector<bool> completions;

    Animator::Completion record()
    {
        return [this](bool finished) { completions.push_back(finished); };
    }
};

} // namespace

TEST_F(AnimatorTest, ValuesChangeAtOnceCompletionFollowsTheDurationAndChangesOutsideAreNotRecorded)
{
    Animator::animate(0.2, 0.1, AnimationOption::none, [&] { view->setAlpha(0); }, record());
    EXPECT_EQ(view->alpha(), 0);
    const auto animation = Animator::shared().lastAnimation(*view, "alpha");
    ASSERT_NE(animation, nullptr);
    EXPECT_DOUBLE_EQ(animation->duration, 0.2);
    EXPECT_DOUBLE_EQ(animation->delay, 0.1);

    RunLoop::main().advance(0.29);
    EXPECT_TRUE(completions.empty());
    RunLoop::main().advance(0.02);
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_EQ(animation->state, Animation::State::finished);

    Animator::performWithoutAnimation([&] { view->setCenter({3, 3}); });
    EXPECT_EQ(Animator::shared().lastAnimation(*view, "center"), nullptr);
}

TEST_F(AnimatorTest, ANewAnimationOfTheSamePropertyLeavingTheWindowOrRemovingAnimationsInterruptsAndKeyframesKeepTheirLastValues)
{
    Animator::animate(1, [&] { view->setCenter({10, 10}); }, record());
    Animator::animate(1, [&] { view->setAlpha(0.5); }, record());
    Animator::animate(0.5, [&] { view->setCenter({20, 20}); }, record());
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(completions, std::vector<bool>{false});
    RunLoop::main().advance(1);
    EXPECT_EQ(completions, (std::vector<bool>{false, true, true}));

    completions.clear();
    auto window = std::make_shared<Window>();
    window->addSubview(view);
    auto child = std::make_shared<View>(makeRect(0, 0, 10, 10));
    view->addSubview(child);
    Animator::animate(1, [&] { child->setAlpha(0); }, record());
    view->removeFromSuperview();
    RunLoop::main().runUntilIdle();
    EXPECT_EQ(completions, std::vector<bool>{false});

    Animator::animate(1, [&] { view->layer().setCornerRadius(4); }, record());
    view->layer().removeAllAnimations();
    RunLoop::main().advance(2);
    EXPECT_EQ(completions, (std::vector<bool>{false, false}));

    completions.clear();
    const double start = view->center().x;
    Animator::animateKeyframes(0.3, 0, AnimationOption::allowUserInteraction, [&] {
        Animator::addKeyframe(0, 0.5, [&] { view->setCenter({start + 6, 50}); });
        Animator::addKeyframe(0.5, 0.5, [&] { view->setCenter({start, 50}); });
    }, record());
    const auto animation = Animator::shared().lastAnimation(*view, "center");
    EXPECT_EQ(animation->keyframes, (std::vector<Animation::Keyframe>{{0, 0.5}, {0.5, 0.5}}));
    EXPECT_TRUE(hasOption(animation->options, AnimationOption::allowUserInteraction));
    EXPECT_EQ(view->center().x, start);
    RunLoop::main().advance(0.3);
    EXPECT_EQ(completions, std::vector<bool>{true});
}
