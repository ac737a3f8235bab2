#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class View;

enum class AnimationOption : unsigned {
    none = 0,
    allowUserInteraction = 1u << 1,
    beginFromCurrentState = 1u << 2,
    curveEaseInOut = 0,
    curveEaseIn = 1u << 16,
    curveEaseOut = 2u << 16,
    curveLinear = 3u << 16,
    calculationModeLinear = 0,
    calculationModeCubic = 3u << 10,
};

inline AnimationOption operator|(AnimationOption left, AnimationOption right)
{
    return static_cast<AnimationOption>(static_cast<unsigned>(left) | static_cast<unsigned>(right));
}

inline bool hasOption(AnimationOption options, AnimationOption option)
{
    return (static_cast<unsigned>(options) & static_cast<unsigned>(option)) != 0;
}

// One recorded animation: what it changed and for how long. The values it set are in
// force at once; the completion runs on the main run loop after delay + duration with
// finished = true, or earlier with false when the animation is interrupted.
class Animation {
public:
    struct Keyframe {
        double relativeStart;
        double relativeDuration;
        bool operator==(const Keyframe&) const = default;
    };
    struct Change {
        std::weak_ptr<const View> view;
        const View* key;
        std::string property;
        // Views outside shared ownership (on the stack) are known by address alone.
        bool shared;
        bool isOf(const View& candidate) const { return key == &candidate && (!shared || !view.expired()); }
    };
    enum class State { running, finished, interrupted };

    double duration = 0;
    double delay = 0;
    AnimationOption options = AnimationOption::none;
    std::vector<Keyframe> keyframes;
    std::vector<Change> changes;
    double startTime = 0;
    State state = State::running;

    bool touches(const View& view) const;
    bool touches(const View& view, const std::string& property) const;

private:
    friend class Animator;
    std::function<void(bool)> completion;
};

using AnimationPtr = std::shared_ptr<Animation>;

// Builds, records and completes view animations (shared instance; reset between tests).
class Animator {
public:
    using Block = std::function<void()>;
    using Completion = std::function<void(bool finished)>;

    static Animator& shared();

    static void animate(double duration, const Block& animations, Completion completion = nullptr);
    static void animate(double duration, double delay, AnimationOption options, const Block& animations,
                        Completion completion = nullptr);
    static void animateKeyframes(double duration, double delay, AnimationOption options, const Block& animations,
                                 Completion completion = nullptr);
    // Inside animateKeyframes only: one keyframe, its start and length relative to the whole.
    static void addKeyframe(double relativeStart, double relativeDuration, const Block& animations);
    static void performWithoutAnimation(const Block& changes);

    // Called by views when an animatable property changes.
    void noteChange(const View& view, const char* property);
    // Interrupts every running animation that changed the view.
    void removeAnimations(const View& view);

    std::vector<AnimationPtr> runningAnimations(const View& view) const;
    // Every animation recorded (most recent last, the oldest dropped past a limit).
    const std::deque<AnimationPtr>& history() const { return history_; }
    // The most recent animation that changed the view's property, or null.
    AnimationPtr lastAnimation(const View& view, const std::string& property) const;
    bool isAnimating() const { return !building_.empty(); }

private:
    AnimationPtr begin(double duration, double delay, AnimationOption options, Completion completion);
    void commit(const AnimationPtr& animation);
    void finish(const AnimationPtr& animation, bool finished);
    void interruptOthersChanging(const AnimationPtr& animation);
    static void run(const AnimationPtr& animation, const Block& animations);

    std::vector<AnimationPtr> building_;
    int suppressed_ = 0;
    std::vector<AnimationPtr> running_;
    std::deque<AnimationPtr> history_;
};

} // namespace platform::ui
