#include "runtime/exception.h"

#include "runtime/class_table.h"
#include "runtime/member_property.h"

namespace fw {

RuntimeException::RuntimeException() = default;

RuntimeException::RuntimeException(String message)
    : message_(std::move(message))
{ }

const ClassTable* RuntimeException::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<RuntimeException>(ObjectClass(), "RuntimeException");
        AddMemberProperty(t, "Message", &RuntimeException::Message, &RuntimeException::SetMessage);
        return t;
    }();
    return table;
}

NilObjectException::NilObjectException() = default;

NilObjectException::NilObjectException(String message)
    : RuntimeException(std::move(message))
{ }

const ClassTable* NilObjectException::__Lookup()
{
    static const ClassTable* table = NewClass<NilObjectException>(RuntimeException::__Lookup(), "NilObjectException");
    return table;
}

IllegalCastException::IllegalCastException() = default;

IllegalCastException::IllegalCastException(String message)
    : RuntimeException(std::move(message))
{ }

const ClassTable* IllegalCastException::__Lookup()
{
    static const ClassTable* table
        = NewClass<IllegalCastException>(RuntimeException::__Lookup(), "IllegalCastException");
    return table;
}

std::string DescribeException(const Object& exception)
{
    std::string description = exception.Class() ? exception.Class()->name : std::string("Object");
    if (const auto* runtime = dynamic_cast<const RuntimeException*>(&exception)) {
        if (!runtime->Message().IsEmpty())
            description += ": " + runtime->Message().Bytes();
    }
    return description;
}

RaisedException::RaisedException(Ref<Object> object)
    : object_(std::move(object))
    , description_(object_ ? DescribeException(*object_) : "nil exception")
{ }

void Raise(Ref<Object> exception) { throw RaisedException(std::move(exception)); }

void RaiseRuntimeException(String message) { Raise(MakeRef<RuntimeException>(std::move(message))); }

void RaiseNilObjectException(String message) { Raise(MakeRef<NilObjectException>(std::move(message))); }

void RuntimeReraiseException(Ref<Object> exception) { Raise(std::move(exception)); }

Ref<Object> CurrentExceptionObject()
{
    try {
        throw;
    } catch (const RaisedException& raised) {
        return raised.Exception();
    } catch (const std::exception& foreign) {
        return MakeRef<RuntimeException>(String(foreign.what()));
    } catch (...) {
        return MakeRef<RuntimeException>(String("unknown C++ exception"));
    }
}

} // namespace fw

namespace fw::detail {

void RaiseNilReference() { RaiseNilObjectException("a nil reference was used"); }

} // namespace fw::detail
