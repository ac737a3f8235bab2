#pragma once

#include <functional>
#include <memory>
#include <mutex>

namespace platform {

// The registry of process-wide shared instances. Each shared instance registers how to
// return to its first-use state; tests call resetAll() between cases so that no case
// sees another's singletons.
class SharedInstances {
public:
    static void registerReset(std::function<void()> reset);
    static void resetAll();
};

// A lazily created, resettable shared instance of T. Creation is safe when several
// threads ask at the same moment. The instance lives until the process ends: its slot is
// never destroyed, so a destructor that runs while statics are torn down at exit never
// reaches a shared instance that has already gone.
template <class T>
class SharedInstance {
public:
    static std::shared_ptr<T> get()
    {
        std::lock_guard lock(mutex());
        auto& slot = instance();
        if (!slot) {
            slot = std::make_shared<T>();
            registerOnce();
        }
        return slot;
    }

    static void reset()
    {
        std::shared_ptr<T> old;
        {
            std::lock_guard lock(mutex());
            old.swap(instance());
        }
    }

private:
    static std::mutex& mutex()
    {
        static auto* m = new std::mutex();
        return *m;
    }
    static std::shared_ptr<T>& instance()
    {
        static auto* value = new std::shared_ptr<T>();
        return *value;
    }
    static void registerOnce()
    {
        static std::once_flag registered;
        std::call_once(registered, [] { SharedInstances::registerReset([] { reset(); }); });
    }
};

// A shared object made by a factory on first use and dropped by SharedInstances::resetAll(),
// for shared objects that are not default-constructible or depend on the environment.
// References it hands out stay valid until the next reset.
template <class T>
class ResettableSlot {
public:
    ResettableSlot()
    {
        SharedInstances::registerReset([this] { clear(); });
    }

    // The held object, made anew with `make` when there is none or when `stale` says so.
    template <class Make, class Stale>
    T& get(Make&& make, Stale&& stale)
    {
        std::lock_guard lock(mutex_);
        if (!value_ || stale(*value_))
            value_ = make();
        return *value_;
    }

    template <class Make>
    T& get(Make&& make)
    {
        return get(std::forward<Make>(make), [](const T&) { return false; });
    }

    void clear()
    {
        std::unique_ptr<T> old;
        std::lock_guard lock(mutex_);
        old.swap(value_);
    }

private:
    std::mutex mutex_;
    std::unique_ptr<T> value_;
};

} // namespace platform
