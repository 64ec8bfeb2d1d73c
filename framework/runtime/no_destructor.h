// A process-wide object that static destruction leaves alone.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

namespace fw {

// Holds a T built in place and never destroys it: for a function-local static
// whose destructor must not run when the process exits. What it holds stays
// reachable, so leak checkers do not report it.
template <class T> class NoDestructor {
public:
    template <class... Args> explicit NoDestructor(Args&&... args)
    {
        std::construct_at(reinterpret_cast<T*>(storage_), std::forward<Args>(args)...);
    }
    NoDestructor(const NoDestructor&) = delete;
    NoDestructor& operator=(const NoDestructor&) = delete;
    ~NoDestructor() = default;

    T& operator*() noexcept { return *Get(); }
    T* operator->() noexcept { return Get(); }

private:
    T* Get() noexcept { return std::launder(reinterpret_cast<T*>(storage_)); }

    alignas(T) std::byte storage_[sizeof(T)];
};

} // namespace fw
