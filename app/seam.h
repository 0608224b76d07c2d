// A service of the platform that tests must not use for real (a browser, a modal box, the
// locale): callers go through the seam, which runs the real function unless a test has put a
// stand-in there.
#pragma once

#include <functional>
#include <utility>

template <typename Signature> class Seam;

template <typename Result, typename... Args> class Seam<Result(Args...)> {
  public:
    using Function = std::function<Result(Args...)>;

    explicit Seam(Result (*real)(Args...)) : real(real), current(real) {}

    Result operator()(Args... args) const { return current(std::forward<Args>(args)...); }

    // An empty stand-in puts the real service back.
    void replace(Function standIn) { current = standIn ? std::move(standIn) : Function(real); }

  private:
    Result (*real)(Args...);
    Function current;
};
