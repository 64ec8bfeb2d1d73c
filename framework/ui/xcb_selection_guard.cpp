#include "ui/xcb_selection_guard.h"

#include "runtime/no_destructor.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace fw {
namespace {

// xcb_send_event sends 32 bytes, the size of every X event; the struct of a
// SelectionNotify is shorter.
union SentEvent {
    xcb_selection_notify_event_t selectionNotify;
    char bytes[32];
};
static_assert(sizeof(SentEvent) == 32);

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

class XcbSelectionGuard : public QAbstractNativeEventFilter {
public:
    void Watch(xcb_connection_t* connection, xcb_atom_t multiple)
    {
        connection_ = connection;
        multiple_ = multiple;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        // The top bit marks an event that a client sent; Qt answers those too.
        if ((event->response_type & 0x7f) != XCB_SELECTION_REQUEST)
            return false;
        const auto* request = reinterpret_cast<const xcb_selection_request_event_t*>(event);
        if (request->target != multiple_ || IsWellFormedMultiple(*request))
            return false;
        Refuse(*request);
        return true;
    }

private:
    bool IsWellFormedMultiple(const xcb_selection_request_event_t& request) const
    {
        if (request.property == XCB_NONE)
            return false;
        // No data, only the type, format and size (all of it "after" offset 0).
        const xcb_get_property_cookie_t cookie
            = xcb_get_property(connection_, 0, request.requestor, request.property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0);
        xcb_generic_error_t* error = nullptr;
        const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(
            xcb_get_property_reply(connection_, cookie, &error));
        std::free(error);
        if (!reply || reply->type == XCB_NONE || reply->format != 32)
            return false;
        constexpr std::uint32_t kPairBytes = 2 * sizeof(xcb_atom_t);
        const std::uint32_t bytes = reply->bytes_after;
        return bytes != 0 && bytes % kPairBytes == 0 && bytes / kPairBytes <= kMostMultiplePairs;
    }

    void Refuse(const xcb_selection_request_event_t& request) const
    {
        SentEvent notify;
        std::memset(&notify, 0, sizeof notify);
        notify.selectionNotify.response_type = XCB_SELECTION_NOTIFY;
        notify.selectionNotify.time = request.time;
        notify.selectionNotify.requestor = request.requestor;
        notify.selectionNotify.selection = request.selection;
        notify.selectionNotify.target = request.target;
        notify.selectionNotify.property = XCB_NONE;
        // A requestor that is gone by now makes the server answer BadWindow:
        // nothing to tell anyone, so the error is dropped, not left for Qt
        // to print.
        const xcb_void_cookie_t cookie
            = xcb_send_event_checked(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, notify.bytes);
        xcb_discard_reply(connection_, cookie.sequence);
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_atom_t multiple_ = XCB_NONE;
};

} // namespace

void InstallXcbSelectionGuard()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::strlen("MULTIPLE"), "MULTIPLE");
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    if (!reply)
        return;
    // Never destroyed: Qt may still pass it events while the application
    // object goes, and a filter's destructor reaches for the event dispatcher.
    static NoDestructor<XcbSelectionGuard> guard;
    guard->Watch(connection, reply->atom);
    QCoreApplication::instance()->installNativeEventFilter(&*guard);
}

} // namespace fw
