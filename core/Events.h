#pragma once
// Events are (object, method) pairs called with the sender first; calling an
// unassigned event does nothing.
#include <functional>
#include <utility>

class TObject {
public:
    virtual ~TObject() = default;
};

template <class... Args>
class TEvent {
public:
    using TFunction = std::function<void(TObject* Sender, Args...)>;

    TEvent() = default;
    template <class T>
    TEvent(T* Object, void (T::*Method)(TObject*, Args...))
        : FCall([Object, Method](TObject* Sender, Args... a) { (Object->*Method)(Sender, a...); }) {}
    // For handlers that are not methods (tests, small glue).
    explicit TEvent(TFunction Function) : FCall(std::move(Function)) {}

    bool Assigned() const { return static_cast<bool>(FCall); }
    // The handler when it is a function object of type F, else nullptr: lets
    // a component tell its own handlers from others'.
    template <class F>
    const F* Target() const {
        return FCall.template target<F>();
    }
    void operator()(TObject* Sender, Args... a) const {
        if (FCall) FCall(Sender, a...);
    }

private:
    TFunction FCall;
};

using TNotifyEvent = TEvent<>;
