#include "runtime/exception.h"

#include "runtime/class_table.h"

namespace fw {
namespace {

template <class T> ClassTable* NewExceptionClass(const ClassTable* parent, const char* name)
{
    ClassTable* table = RuntimeNewClass(parent);
    table->name = name;
    table->instanceSize = sizeof(T);
    table->factory = [] { return Ref<Object>(MakeRef<T>()); };
    RuntimeNewVtableFromParent(table);
    return table;
}

} // namespace

RuntimeException::RuntimeException() { SetClass(__Lookup()); }

RuntimeException::RuntimeException(String message)
    : message_(std::move(message))
{
    SetClass(__Lookup());
}

const ClassTable* RuntimeException::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewExceptionClass<RuntimeException>(ObjectClass(), "RuntimeException");
        t->AddProperty(
            "Message", PropertyType::String,
            [](const Object& o) { return Value(static_cast<const RuntimeException&>(o).Message()); },
            [](Object& o, const Value& v) { static_cast<RuntimeException&>(o).SetMessage(std::get<String>(v)); });
        return t;
    }();
    return table;
}

NilObjectException::NilObjectException() { SetClass(__Lookup()); }

NilObjectException::NilObjectException(String message)
    : RuntimeException(std::move(message))
{
    SetClass(__Lookup());
}

const ClassTable* NilObjectException::__Lookup()
{
    static const ClassTable* table
        = NewExceptionClass<NilObjectException>(RuntimeException::__Lookup(), "NilObjectException");
    return table;
}

IllegalCastException::IllegalCastException(String message)
    : RuntimeException(std::move(message))
{
    SetClass(__Lookup());
}

const ClassTable* IllegalCastException::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = RuntimeNewClass(RuntimeException::__Lookup());
        t->name = "IllegalCastException";
        t->instanceSize = sizeof(IllegalCastException);
        t->factory = [] { return Ref<Object>(MakeRef<IllegalCastException>(String())); };
        RuntimeNewVtableFromParent(t);
        return t;
    }();
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
