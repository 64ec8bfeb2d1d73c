#include "ui/wayland_window_states.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>

namespace fw {
namespace {

constexpr QLayout::SizeConstraint kWaylandFixedSize = QLayout::SetMinimumSize;
constexpr QLatin1String kKeeperName("normalStateSizeKeeper");

// Sends the window back to its fixed (minimum) size when it is resized in a
// state whose size the window may choose: the normal state, and the tiled
// and resizing ones, which Qt reports as normal.
class NormalStateSizeKeeper : public QObject {
public:
    explicit NormalStateSizeKeeper(QMainWindow& window)
        : QObject(&window)
        , window_(window)
    {
        setObjectName(kKeeperName);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
            KeepSizeInNormalState();
        return false;
    }

private:
    void KeepSizeInNormalState()
    {
        // A window made resizeable since has another constraint: its size is its own.
        if (window_.layout()->sizeConstraint() != kWaylandFixedSize)
            return;
        if (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
            return;
        if (window_.size() != window_.minimumSize())
            window_.resize(window_.minimumSize());
    }

    QMainWindow& window_;
};

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace

void KeepFixedSize(QMainWindow& window)
{
    if (!OnWayland()) {
        window.layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.layout()->setSizeConstraint(kWaylandFixedSize);
    // Found by name: the keeper has no meta-object of its own to cast to.
    if (!window.findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly))
        window.installEventFilter(new NormalStateSizeKeeper(window)); // owned by the window
    window.layout()->activate();
    if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window.resize(window.minimumSize());
}

} // namespace fw
