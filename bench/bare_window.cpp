// The start-up baseline: the program's window built straight on Qt Widgets,
// with the same title, menus and controls at the same places, showing a
// 32-character password. scripts/bench-startup.sh measures both.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>

#include <cstdlib>

namespace {

constexpr char kAllCharacters[] = "qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM1234567890!#$%&/()=?*+-:;,.";
constexpr int kLength = 32;

QString Password()
{
    QString password;
    for (int i = 0; i < kLength; ++i)
        password += QChar::fromLatin1(kAllCharacters[arc4random_uniform(sizeof(kAllCharacters) - 1)]);
    return password;
}

void AddMenus(QMainWindow& window)
{
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Quit", QKeySequence::Quit, &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu("&Edit");
    edit->addAction("&Undo", QKeySequence::Undo, [] {});
    edit->addSeparator();
    edit->addAction("Cu&t", QKeySequence::Cut, [] {});
    edit->addAction("&Copy", QKeySequence::Copy, [] {});
    edit->addAction("&Paste", QKeySequence::Paste, [] {});
    edit->addAction("&Delete", [] {});
    edit->addSeparator();
    edit->addAction("Select &All", QKeySequence::SelectAll, [] {});
}

void AddBox(QWidget& content, const char* caption, int top)
{
    auto* box = new QCheckBox(caption, &content);
    box->setGeometry(480, top, 126, 24);
    box->setChecked(true);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Password Generator");
    AddMenus(window);

    auto* content = new QWidget(&window);
    content->setFixedSize(600, 209);
    window.setCentralWidget(content);

    auto* text = new QTextEdit(content);
    text->setGeometry(20, 20, 444, 89);
    AddBox(*content, "Use CAPS", 21);
    AddBox(*content, "Use Numbers", 53);
    AddBox(*content, "Use Symbols", 85);
    auto* slider = new QSlider(Qt::Horizontal, content);
    slider->setGeometry(20, 117, 444, 27);
    slider->setRange(8, 200);
    slider->setSingleStep(2);
    slider->setPageStep(20);
    slider->setValue(kLength);
    auto* label = new QLabel("32 chars long", content);
    label->setGeometry(480, 117, 100, 20);
    auto* button = new QPushButton("Generate password and copy to clipboard", content);
    button->setGeometry(20, 149, 560, 47);
    button->setDefault(true);

    text->setPlainText(Password());
    text->setAlignment(Qt::AlignCenter);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}
