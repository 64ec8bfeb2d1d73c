// Feeds arbitrary bytes as a property record to the reader and the mass
// setter, for a fixture class, the window and each control class. A
// RuntimeException is the expected outcome for a bad record; the fuzzer
// reports anything else: a crash, a sanitizer finding, another exception, or
// a broken invariant (below), which aborts.
#include "record_encoder.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "runtime/property_setter.h"
#include "text/string.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/text_area.h"
#include "ui/window.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fw;

[[noreturn]] void Broken(const char* invariant)
{
    std::fprintf(stderr, "property setter fuzz: %s\n", invariant);
    std::abort();
}

void Check(bool holds, const char* invariant)
{
    if (!holds)
        Broken(invariant);
}

// Counts the sets it receives.
class FuzzTarget : public Object {
public:
    int sets = 0;
};

void AddCountedProperty(ClassTable* table, const char* name, PropertyType type, PropertyCheck check = {})
{
    table->AddProperty(
        name, type, [](const Object&) { return Value(); },
        [](Object& o, const Value&) { ++static_cast<FuzzTarget&>(o).sets; }, std::move(check));
}

// The rule of the fixture's "Choice": 0, 1 or 2.
std::optional<std::string> ChoiceRule(const Value& value)
{
    const std::int32_t choice = std::get<std::int32_t>(value);
    if (choice < 0 || choice > 2)
        return "not a choice";
    return std::nullopt;
}

// One property of each type, Double included (a record may never set it), a
// second Int32 whose name is a prefix of another, one that refuses most
// values, and a base class.
const ClassTable* FixtureClass()
{
    static const ClassTable* table = [] {
        ClassTable* base = RuntimeNewClass(ObjectClass());
        base->name = "FuzzBase";
        base->factory = [] { return Ref<Object>(MakeRef<FuzzTarget>()); };
        AddCountedProperty(base, "Width", PropertyType::Int32);
        AddCountedProperty(base, "Name", PropertyType::String);
        ClassTable* child = RuntimeNewClass(base);
        child->name = "FuzzChild";
        AddCountedProperty(child, "Visible", PropertyType::Boolean);
        AddCountedProperty(child, "BackColor", PropertyType::Color);
        AddCountedProperty(child, "Ratio", PropertyType::Double);
        AddCountedProperty(child, "Tab", PropertyType::Int32);
        AddCountedProperty(child, "TabStop", PropertyType::Boolean);
        AddCountedProperty(child, "Choice", PropertyType::Int32, &ChoiceRule);
        return child;
    }();
    return table;
}

// The control classes whose records the window's controls are built from.
std::vector<const ClassTable*> ControlTables()
{
    return { PushButton::__Lookup(), CheckBox::__Lookup(), Slider::__Lookup(), Label::__Lookup(),
        TextArea::__Lookup() };
}

// The class tables the reader is fuzzed against.
std::vector<const ClassTable*> ReaderTables()
{
    std::vector<const ClassTable*> tables = ControlTables();
    tables.push_back(Window::__Lookup());
    tables.push_back(FixtureClass());
    return tables;
}

// An item as read, in the tests' own encoder's terms.
test_support::record::Item InEncoderTerms(const RecordItem& item)
{
    namespace record = test_support::record;
    const std::string_view name = item.name;
    if (const auto* integer = std::get_if<std::int32_t>(&item.value))
        return { name, record::Int(*integer) };
    if (const auto* boolean = std::get_if<bool>(&item.value))
        return { name, record::Bool(*boolean) };
    if (const auto* colour = std::get_if<Color>(&item.value))
        return { name, record::Rgb(colour->red, colour->green, colour->blue) };
    if (const auto* text = std::get_if<String>(&item.value))
        return { name, record::Str(text->Bytes()) };
    Broken("an item holds a value of a type no record carries");
}

// The bytes `items` came from, written by the tests' own encoder: a record
// has exactly one spelling of its items.
std::string Encode(const std::vector<RecordItem>& items)
{
    std::string out;
    for (const RecordItem& item : items)
        out += test_support::record::Encode(InEncoderTerms(item));
    return out;
}

bool IsRuntimeException(const RaisedException& raised)
{
    return RuntimeObjectIsa(raised.Exception().get(), RuntimeException::__Lookup());
}

// Reads the record; a good one must give back its own bytes.
void FuzzReader(const ClassTable& table, const String& record)
{
    std::vector<RecordItem> items;
    try {
        items = ReadPropertyRecord(table, record);
    } catch (const RaisedException& raised) {
        Check(IsRuntimeException(raised), "the reader raised something other than a RuntimeException");
        return;
    }
    for (const RecordItem& item : items)
        Check(item.property && item.property->type != PropertyType::Double, "an item of no property or a Double");
    Check(Encode(items) == record.Bytes(), "the items read do not spell the record");
}

// Applies the record: the setter accepts what the reader accepts; a rejected
// record (malformed, or with a value its property refuses) sets nothing, an
// accepted one sets every item once.
void FuzzSetter(const String& record)
{
    Ref<Object> object = RuntimeNewObject(FixtureClass());
    auto& target = static_cast<FuzzTarget&>(*object);
    bool readable = true;
    std::size_t itemCount = 0;
    try {
        itemCount = ReadPropertyRecord(*FixtureClass(), record).size();
    } catch (const RaisedException&) {
        readable = false;
    }
    try {
        _SetProperties(object, record);
    } catch (const RaisedException& raised) {
        Check(IsRuntimeException(raised), "the setter raised something other than a RuntimeException");
        Check(!readable, "the setter rejected a record the reader accepts");
        Check(target.sets == 0, "a rejected record set something");
        return;
    }
    Check(readable, "the setter accepted a record the reader rejects");
    Check(static_cast<std::size_t>(target.sets) == itemCount, "an accepted record did not set every item once");
}

// Every property value of the object, read through its class and bases.
std::vector<Value> Snapshot(const Object& object)
{
    std::vector<Value> values;
    for (const ClassTable* table = object.Class(); table; table = table->parent) {
        for (const PropertyDescriptor& property : table->properties)
            values.push_back(property.get(object));
    }
    return values;
}

// The window, made once, offscreen and never shown.
Window& FuzzedWindow()
{
    static const Ref<Window> window = [] {
        Ref<Window> made = RuntimeCheckCast<Window>(RuntimeNewObject(Window::__Lookup()), Window::__Lookup());
        made->SetVisible(false);
        made->Constructor();
        return made;
    }();
    return *window;
}

// The window and one constructed control of each control class in it, made
// once: the invariants below compare an object with itself before and after
// each record, so state left by earlier inputs does no harm.
const std::vector<Ref<Object>>& FuzzedObjects()
{
    static const std::vector<Ref<Object>> objects = [] {
        std::vector<Ref<Object>> made { RefTo<Object>(FuzzedWindow()) };
        for (const ClassTable* table : ControlTables()) {
            Ref<RectControl> control = RuntimeCheckCast<RectControl>(FuzzedWindow().__New(table), table);
            control->Constructor();
            made.push_back(control);
        }
        return made;
    }();
    return objects;
}

// Applies the record to the window or a control. The reader checks every
// value against its property's rule, so the setter rejects exactly what the
// reader rejects, for a broken format and for a refused value (a State of 7,
// a negative Width) alike, and a rejected record leaves every property as it
// was.
void FuzzObject(const Ref<Object>& object, const String& record)
{
    bool readable = true;
    try {
        ReadPropertyRecord(*object->Class(), record);
    } catch (const RaisedException&) {
        readable = false;
    }
    const std::vector<Value> before = Snapshot(*object);
    try {
        _SetProperties(object, record);
    } catch (const RaisedException& raised) {
        Check(IsRuntimeException(raised), "the setter raised something other than a RuntimeException");
        Check(!readable, "the setter refused a value that the reader accepts");
        Check(Snapshot(*object) == before, "a rejected record changed the window or a control");
        return;
    }
    Check(readable, "the window or a control accepted a record the reader rejects");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    // The controls need a QApplication; offscreen, so no display is needed.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "property_setter_fuzz";
    static char* argv[] = { name, nullptr };
    static QApplication application(argc, argv);
    // Qt warns about every out-of-range window size the fuzzer tries; only
    // its critical and fatal messages are worth the log.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<const ClassTable*> tables = ReaderTables();
    const String record(std::string(reinterpret_cast<const char*>(data), size));
    for (const ClassTable* table : tables)
        FuzzReader(*table, record);
    FuzzSetter(record);
    for (const Ref<Object>& object : FuzzedObjects())
        FuzzObject(object, record);
    return 0;
}
