// The password generator: App's methods that pick characters, join them into
// a password of the slider's length, show it and copy it.
#include "app.h"
#include "main_window.h"

namespace pwgen {
namespace {

const String kLowerCase = "qwertyuiopasdfghjklzxcvbnm";
const String kCapitals = "QWERTYUIOPASDFGHJKLZXCVBNM";
const String kDigits = "1234567890";
const String kSymbols = "!#$%&/()=?*+-:;,.";

// Every password is cut from this many picks, whatever the slider says.
constexpr std::int32_t kPicksPerPassword = 200;

const Text kPickedSuffix = "picked";

// The password: the first `length` characters of the pool. Mid counts from
// 1, so a start of 0 with one more character gives exactly `length`.
String Cut(const String& pool, std::int32_t length) { return Mid(pool, 0, length + 1); }

} // namespace

void App::Event_Open()
{
    Ref<App> application = global::App();
    application->assemble(global::App()->valid_letters(), false);
}

String App::valid_letters()
{
    String letters = kLowerCase;
    if (global::Window1()->UseCaps()->Value())
        letters = RuntimeAddString(letters, kCapitals);
    if (global::Window1()->UseNumbers()->Value())
        letters = RuntimeAddString(letters, kDigits);
    if (global::Window1()->UseSymbols()->Value())
        letters = RuntimeAddString(letters, kSymbols);
    return letters;
}

String App::pickone(String letters)
{
    Ref<Random> random = RuntimeCheckCast<Random>(RuntimeNewObject(Random::__Lookup()), Random::__Lookup());
    const std::int32_t count = Len(letters);
    // Positions run from 1 to the count: a draw of 0 would pick nothing and
    // leave the password a character short.
    const std::int32_t index = random->InRange(1, count);
    System()->DebugLog(RuntimeStringFromText(RuntimeConcatText(Int32::ToText(index), kPickedSuffix)));
    return Mid(letters, index, 1);
}

void App::assemble(String letters, bool copy)
{
    String pool;
    for (std::int32_t pick = 0; pick < kPicksPerPassword; ++pick) {
        pool = RuntimeAddString(pool, global::App()->pickone(letters));
        RuntimeBackgroundTask();
    }
    if (copy) {
        Ref<App> application = global::App();
        const std::int32_t length = global::Window1()->PassSize()->Value();
        application->copy_to_clipboard(Cut(pool, length));
    }
    Ref<TextArea> textArea = global::Window1()->TextArea1();
    const std::int32_t length = global::Window1()->PassSize()->Value();
    textArea->SetText(Cut(pool, length));
}

void App::copy_to_clipboard(String text)
{
    Ref<Clipboard> clipboard
        = RuntimeCheckCast<Clipboard>(RuntimeNewObject(Clipboard::__Lookup()), Clipboard::__Lookup());
    clipboard->SetText(text);
    clipboard->Close();
}

} // namespace pwgen
