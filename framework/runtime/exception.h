// Framework exceptions are framework objects. They are raised by throwing one
// carrier type that holds the object; catch-alls catch the carrier.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

#include <exception>
#include <string>

namespace fw {

class ClassTable;

class RuntimeException : public Object {
public:
    RuntimeException();
    explicit RuntimeException(String message);

    const String& Message() const noexcept { return message_; }
    void SetMessage(String message) { message_ = std::move(message); }

    static const ClassTable* __Lookup();

private:
    String message_;
};

// A nil reference was used.
class NilObjectException : public RuntimeException {
public:
    NilObjectException();
    explicit NilObjectException(String message);
    static const ClassTable* __Lookup();
};

// A cast to a class that the object is not of.
class IllegalCastException : public RuntimeException {
public:
    IllegalCastException();
    explicit IllegalCastException(String message);
    static const ClassTable* __Lookup();
};

// What is thrown: one reference to the raised object.
class RaisedException : public std::exception {
public:
    explicit RaisedException(Ref<Object> object);
    const Ref<Object>& Exception() const noexcept { return object_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    Ref<Object> object_;
    std::string description_;
};

// "ClassName: message" for an exception object, "ClassName" without one.
std::string DescribeException(const Object& exception);

[[noreturn]] void Raise(Ref<Object> exception);
[[noreturn]] void RaiseRuntimeException(String message);
[[noreturn]] void RaiseNilObjectException(String message);

// Raises the same object on, unchanged.
[[noreturn]] void RuntimeReraiseException(Ref<Object> exception);

// The exception object for whatever is being handled in a catch block: the
// carrier's object, or a RuntimeException with the message of a foreign C++
// exception.
Ref<Object> CurrentExceptionObject();

// Raises NilObjectException naming `what` when `ref` is nil, and gives `ref`.
template <class T> const Ref<T>& CheckNotNil(const Ref<T>& ref, const char* what)
{
    if (!ref)
        RaiseNilObjectException(String(std::string(what) + " is nil"));
    return ref;
}

} // namespace fw
