#include "ui/Animator.h"

#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "ui/View.h"

#include <algorithm>

namespace platform::ui {

namespace {

constexpr std::size_t historyLimit = 512;

} // namespace

bool Animation::touches(const View& view) const
{
    return std::any_of(changes.begin(), changes.end(), [&](const Change& change) { return change.isOf(view); });
}

bool Animation::touches(const View& view, const std::string& property) const
{
    return std::any_of(changes.begin(), changes.end(),
                       [&](const Change& change) { return change.isOf(view) && change.property == property; });
}

Animator& Animator::shared()
{
    return *SharedInstance<Animator>::get();
}

void Animator::animate(double duration, const Block& animations, Completion completion)
{
    animate(duration, 0, AnimationOption::none, animations, std::move(completion));
}

void Animator::animate(double duration, double delay, AnimationOption options, const Block& animations,
                       Completion completion)
{
    run(shared().begin(duration, delay, options, std::move(completion)), animations);
}

void Animator::animateKeyframes(double duration, double delay, AnimationOption options, const Block& animations,
                                Completion completion)
{
    run(shared().begin(duration, delay, options, std::move(completion)), animations);
}

void Animator::run(const AnimationPtr& animation, const Block& animations)
{
    Animator& animator = shared();
    animator.building_.push_back(animation);
    if (animations) {
        animations();
    }
    animator.building_.pop_back();
    animator.commit(animation);
}

void Animator::addKeyframe(double relativeStart, double relativeDuration, const Block& animations)
{
    Animator& animator = shared();
    if (!animator.building_.empty()) {
        animator.building_.back()->keyframes.push_back({relativeStart, relativeDuration});
    }
    if (animations) {
        animations();
    }
}

void Animator::performWithoutAnimation(const Block& changes)
{
    Animator& animator = shared();
    ++animator.suppressed_;
    if (changes) {
        changes();
    }
    --animator.suppressed_;
}

AnimationPtr Animator::begin(double duration, double delay, AnimationOption options, Completion completion)
{
    auto animation = std::make_shared<Animation>();
    animation->duration = std::max(duration, 0.0);
    animation->delay = std::max(delay, 0.0);
    animation->options = options;
    animation->startTime = RunLoop::main().now();
    animation->completion = std::move(completion);
    return animation;
}

void Animator::noteChange(const View& view, const char* property)
{
    if (building_.empty() || suppressed_ > 0) {
        return;
    }
    Animation& animation = *building_.back();
    if (animation.touches(view, property)) {
        return;
    }
    const auto weak = view.weak_from_this();
    animation.changes.push_back({weak, &view, property, !weak.expired()});
}

void Animator::commit(const AnimationPtr& animation)
{
    interruptOthersChanging(animation);
    running_.push_back(animation);
    history_.push_back(animation);
    if (history_.size() > historyLimit) {
        history_.pop_front();
    }
    const std::weak_ptr<Animation> weak = animation;
    RunLoop::main().dispatchAfter(animation->delay + animation->duration, [weak] {
        if (auto finishing = weak.lock()) {
            Animator::shared().finish(finishing, true);
        }
    });
}

void Animator::finish(const AnimationPtr& animation, bool finished)
{
    if (animation->state != Animation::State::running) {
        return;
    }
    animation->state = finished ? Animation::State::finished : Animation::State::interrupted;
    running_.erase(std::remove(running_.begin(), running_.end(), animation), running_.end());
    auto completion = std::move(animation->completion);
    if (!completion) {
        return;
    }
    if (finished) {
        completion(true);
    } else {
        RunLoop::main().dispatchAsync([completion] { completion(false); });
    }
}

void Animator::interruptOthersChanging(const AnimationPtr& animation)
{
    const auto running = running_;
    for (const auto& other : running) {
        const bool replaced = std::any_of(animation->changes.begin(), animation->changes.end(), [&](const auto& change) {
            return (!change.shared || !change.view.expired()) && other->touches(*change.key, change.property);
        });
        if (replaced) {
            finish(other, false);
        }
    }
}

void Animator::removeAnimations(const View& view)
{
    const auto running = running_;
    for (const auto& animation : running) {
        if (animation->touches(view)) {
            finish(animation, false);
        }
    }
}

std::vector<AnimationPtr> Animator::runningAnimations(const View& view) const
{
    std::vector<AnimationPtr> result;
    std::copy_if(running_.begin(), running_.end(), std::back_inserter(result),
                 [&](const auto& animation) { return animation->touches(view); });
    return result;
}

AnimationPtr Animator::lastAnimation(const View& view, const std::string& property) const
{
    const auto found = std::find_if(history_.rbegin(), history_.rend(),
                                    [&](const auto& animation) { return animation->touches(view, property); });
    return found == history_.rend() ? nullptr : *found;
}

} // namespace platform::ui
