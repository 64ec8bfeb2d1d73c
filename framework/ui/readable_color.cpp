#include "ui/readable_color.h"

#include "ui/qt_color.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace fw {
namespace {

// WCAG 2 relative luminance of an sRGB channel in [0, 1].
double LinearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& color)
{
    return 0.2126 * LinearChannel(color.redF()) + 0.7152 * LinearChannel(color.greenF())
        + 0.0722 * LinearChannel(color.blueF());
}

// Holds the record's colour for one widget and applies the rule on every
// change of the palettes it depends on. A child of the widget, so it goes
// with it.
class ReadableTextKeeper : public QObject {
public:
    ReadableTextKeeper(QWidget& widget, QPalette::ColorRole role, const QColor& wanted)
        : QObject(&widget)
        , widget_(widget)
        , role_(role)
        , wanted_(wanted)
    {
        widget.installEventFilter(this);
    }

    QPalette::ColorRole Role() const { return role_; }

    void SetWanted(const QColor& wanted)
    {
        wanted_ = wanted;
        Apply();
    }

    void Apply()
    {
        const QWidget* parent = widget_.parentWidget();
        const QPalette surroundings = parent ? parent->palette() : QPalette();
        // On a background that the records set (not the theme's), the text
        // colour is drawn as given.
        const bool themeBackground = !parent
            || surroundings.color(QPalette::Active, QPalette::Window)
                == QApplication::palette(parent).color(QPalette::Active, QPalette::Window);
        const QColor color = themeBackground ? ReadableTextColor(wanted_, surroundings) : wanted_;
        QPalette palette = widget_.palette();
        if (palette.color(QPalette::Active, role_) == color && palette.color(QPalette::Inactive, role_) == color)
            return; // also ends the PaletteChange that setPalette sends
        SetEnabledColor(palette, role_, color);
        widget_.setPalette(palette);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &widget_) {
            switch (event->type()) {
            case QEvent::PaletteChange:
            case QEvent::ParentChange:
                Apply();
                break;
            case QEvent::ApplicationPaletteChange:
                // The widget and its parent take the new palette after this
                // event reaches them, in no fixed order: apply once they have.
                QMetaObject::invokeMethod(
                    this, [this] { Apply(); }, Qt::QueuedConnection);
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& widget_;
    QPalette::ColorRole role_;
    QColor wanted_;
};

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableTextColor(const QColor& wanted, const QPalette& theme)
{
    const QColor background = theme.color(QPalette::Active, QPalette::Window);
    if (ContrastRatio(wanted, background) >= kReadableContrast)
        return wanted;
    return theme.color(QPalette::Active, QPalette::WindowText);
}

void KeepTextReadable(QWidget& widget, QPalette::ColorRole role, const QColor& wanted)
{
    for (QObject* child : widget.children()) {
        if (auto* keeper = dynamic_cast<ReadableTextKeeper*>(child); keeper && keeper->Role() == role) {
            keeper->SetWanted(wanted);
            return;
        }
    }
    (new ReadableTextKeeper(widget, role, wanted))->Apply();
}

} // namespace fw
