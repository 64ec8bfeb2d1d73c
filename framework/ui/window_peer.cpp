#include "ui/window_peer.h"

#include "ui/application.h"
#include "ui/menu_bar.h"
#include "ui/menu_presenter.h"
#include "ui/qt_geometry.h"
#include "ui/qt_string.h"
#include "ui/rect_control.h"
#include "ui/wayland_window_states.h"
#include "ui/window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>
#include <vector>

namespace fw {

WindowPeer::WindowPeer(Window& window)
    : window_(window)
    , content_(new QWidget(this))
{
    setCentralWidget(content_);
    content_->setObjectName("content");
}

void WindowPeer::ApplyTitle() { setWindowTitle(ToQString(window_.Title())); }

void WindowPeer::ApplyGeometry()
{
    const int minWidth = window_.MinWidth();
    const int minHeight = window_.MinHeight();
    const int maxWidth = window_.MaxWidth();
    const int maxHeight = window_.MaxHeight();
    const int width = std::clamp(window_.Width(), minWidth, std::max(minWidth, maxWidth));
    const int height = std::clamp(window_.Height(), minHeight, std::max(minHeight, maxHeight));
    if (window_.Resizeable()) {
        content_->setMinimumSize(minWidth, minHeight);
        content_->setMaximumSize(maxWidth, maxHeight);
        content_->resize(width, height);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        resize(sizeHint().expandedTo(QSize(width, height)));
    } else {
        // A window that cannot be resized keeps exactly its content size,
        // with the menu bar above it.
        content_->setFixedSize(width, height);
        KeepFixedSize(*this);
    }
}

void WindowPeer::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (window_.CloseButton())
        flags |= Qt::WindowCloseButtonHint;
    if (window_.MinimizeButton())
        flags |= Qt::WindowMinimizeButtonHint;
    // A window of fixed size cannot be maximised, whatever its button says.
    if (window_.MaximizeButton() && window_.Resizeable())
        flags |= Qt::WindowMaximizeButtonHint;
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void WindowPeer::ApplyBackground()
{
    if (window_.HasBackColor()) {
        const Color color = window_.BackColor();
        QPalette palette = content_->palette();
        palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
        content_->setPalette(palette);
        content_->setAutoFillBackground(true);
    } else {
        content_->setPalette(QPalette());
        content_->setAutoFillBackground(false);
    }
}

void WindowPeer::PresentMenuBar()
{
    Ref<MenuBar> shown = window_.MenuBar();
    if (!shown) {
        if (Ref<Application> application = getAppObject())
            shown = application->MenuBar();
    }
    QMenuBar* qtBar = menuBar();
    if (shown)
        PresentMenuBarIn(*qtBar, shown);
    else
        qtBar->clear();
    qtBar->setVisible(window_.MenuBarVisible() && shown);
}

void WindowPeer::ApplyTabOrder()
{
    std::vector<RectControl*> ordered;
    for (const auto& [name, control] : window_.Controls()) {
        if (auto* rect = dynamic_cast<RectControl*>(control.get()); rect && rect->Widget())
            ordered.push_back(rect);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
        [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1]->Widget(), ordered[i]->Widget());
}

void WindowPeer::InvalidateContent(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    content_->update(ToQRect(left, top, width, height));
}

void WindowPeer::RepaintContent(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    content_->repaint(ToQRect(left, top, width, height));
}

void WindowPeer::closeEvent(QCloseEvent* event)
{
    if (window_.HandleCloseRequest())
        event->accept();
    else
        event->ignore();
}

void WindowPeer::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            window_.HandleDefaultKey(false);
            return;
        }
        break;
    case Qt::Key_Escape:
        window_.HandleDefaultKey(true);
        return;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace fw
