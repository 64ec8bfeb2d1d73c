// The root of the framework's object model: an intrusively reference-counted
// object that knows its class table, and the smart pointer that holds it.
#pragma once

#include <cassert>
#include <cstddef>
#include <utility>

namespace fw {

class ClassTable;

namespace detail {
// Raises NilObjectException: a nil reference was used.
[[noreturn]] void RaiseNilReference();
} // namespace detail

class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    void Retain() const noexcept { ++refCount_; }
    void Release() const noexcept
    {
        assert(refCount_ > 0);
        if (--refCount_ == 0)
            delete this;
    }
    int RefCount() const noexcept { return refCount_; }

    // The class table the object was made from; every object made by
    // MakeRef or RuntimeNewObject has one.
    const ClassTable* Class() const noexcept { return class_; }
    void SetClass(const ClassTable* table) noexcept { class_ = table; }

private:
    mutable int refCount_ = 0;
    const ClassTable* class_ = nullptr;
};

// Holds one reference: copying retains, destruction releases. A
// default-constructed Ref is nil.
template <class T> class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }
    explicit Ref(T* object) noexcept
        : object_(object)
    {
        RetainObject();
    }
    Ref(const Ref& other) noexcept
        : object_(other.object_)
    {
        RetainObject();
    }
    Ref(Ref&& other) noexcept
        : object_(std::exchange(other.object_, nullptr))
    { }
    template <class U>
    Ref(const Ref<U>& other) noexcept
        : object_(other.get())
    {
        RetainObject();
    }
    ~Ref() { ReleaseObject(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    T* get() const noexcept { return object_; }
    // Using a nil reference raises NilObjectException.
    T* operator->() const
    {
        if (!object_)
            detail::RaiseNilReference();
        return object_;
    }
    T& operator*() const
    {
        if (!object_)
            detail::RaiseNilReference();
        return *object_;
    }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    void reset() noexcept { Ref().swap(*this); }
    void swap(Ref& other) noexcept { std::swap(object_, other.object_); }

    friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.object_ == b.object_; }
    friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.object_ == nullptr; }

private:
    void RetainObject() const noexcept
    {
        if (object_)
            object_->Retain();
    }
    void ReleaseObject() const noexcept
    {
        if (object_)
            object_->Release();
    }

    T* object_ = nullptr;
};

// A new object that knows its class table, whatever its class: the one way
// an object gets its table (RuntimeNewObject makes its objects here, then
// gives them the table it was asked for, which may be a subclass's).
template <class T, class... Args> Ref<T> MakeRef(Args&&... args)
{
    Ref<T> object(new T(std::forward<Args>(args)...));
    if constexpr (requires { T::__Lookup(); })
        object->SetClass(T::__Lookup());
    return object;
}

// A Ref to an object the caller already holds by reference.
template <class T> Ref<T> RefTo(T& object) noexcept { return Ref<T>(&object); }

} // namespace fw
