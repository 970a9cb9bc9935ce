#pragma once
// The two failure styles of the desk's handlers. No exception ever leaves a handler.
#include <exception>
#include <utility>

// "Skip and continue": a failing step is skipped and the next one runs.
template <class Step> void skipOnError(Step&& step) {
    try {
        std::forward<Step>(step)();
    } catch (const std::exception&) {
    }
}

// "Error trap": the first failure ends the handler; returns false when it failed.
template <class Body> bool trapErrors(Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
