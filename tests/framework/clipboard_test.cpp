#include "ui/clipboard.h"

#include "runtime/class_table.h"
#include "runtime/thunk.h"
#include "runtime/trace.h"
#include "ui/secret_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace fw {
namespace {

QClipboard& SystemClipboard() { return *QGuiApplication::clipboard(); }

// Starts every test from a clipboard that holds other, unmarked data.
class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(QGuiApplication::clipboard(), nullptr);
        auto earlier = std::make_unique<QMimeData>();
        earlier->setText(QStringLiteral("earlier text"));
        earlier->setHtml(QStringLiteral("<b>earlier</b>"));
        SystemClipboard().setMimeData(earlier.release(), QClipboard::Clipboard);
    }
};

TEST_F(ClipboardTest, SetTextReplacesEverythingWithTheMarkedText)
{
    Clipboard clipboard;
    clipboard.SetText("Zq7!pass\xC3\xA9");

    const QMimeData* data = SystemClipboard().mimeData(QClipboard::Clipboard);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf8("Zq7!pass\xC3\xA9"));
    EXPECT_EQ(data->data(QString::fromLatin1(kPasswordManagerHintFormat)), QByteArray("secret"));
    EXPECT_FALSE(data->hasHtml()) << "the earlier rich text is still there";
    EXPECT_EQ(clipboard.Text(), String("Zq7!pass\xC3\xA9"));
}

TEST_F(ClipboardTest, LaterTextReplacesEarlierAndOutlivesClose)
{
    Clipboard first;
    first.SetText("first");
    first.Close();
    Clipboard second;
    second.SetText("second");
    second.Close();

    EXPECT_EQ(SystemClipboard().text(QClipboard::Clipboard), QStringLiteral("second"));
    EXPECT_EQ(Clipboard().Text(), String("second"));
}

TEST_F(ClipboardTest, NewObjectFromItsClassWritesThroughItsTable)
{
    const ClassTable* table = Clipboard::__Lookup(); // set up before the trace starts, as in a run
    TraceRecorder trace;
    const Ref<Object> object = RuntimeNewObject(table);
    ASSERT_EQ(object->Class()->name, "Clipboard");
    const PropertyDescriptor* text = object->Class()->FindProperty("Text");
    ASSERT_NE(text, nullptr);
    const MethodEntry* close = object->Class()->methods->Find("Close");
    ASSERT_NE(close, nullptr);

    text->set(*object, Value(String("abc")));
    CallEntry(*close, *object);

    EXPECT_EQ(std::get<String>(text->get(*object)), String("abc"));
    EXPECT_EQ(SystemClipboard().text(QClipboard::Clipboard), QStringLiteral("abc"));
    EXPECT_EQ(trace.Entries(),
        (std::vector<std::string> { "RuntimeNewObject Clipboard", "Clipboard.Text abc", "Clipboard.Close" }));
}

TEST(SecretMimeDataTest, HoldsOnlyTheTextAndTheHint)
{
    const std::unique_ptr<QMimeData> data = MakeSecretTextMimeData(QStringLiteral("s3cret"));
    EXPECT_EQ(data->formats(),
        (QStringList { QStringLiteral("text/plain"), QString::fromLatin1(kPasswordManagerHintFormat) }));
    EXPECT_EQ(data->text(), QStringLiteral("s3cret"));
    EXPECT_EQ(data->data(QString::fromLatin1(kPasswordManagerHintFormat)), QByteArray("secret"));
}

} // namespace
} // namespace fw
