#include "shell/X11TitleWriter.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <utility>

namespace lumo {

namespace {

std::uint32_t AtomOf(xcb_connection_t *connection, unsigned int cookie)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom_cookie_t{cookie}, nullptr);
    if (!reply)
        return 0;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

X11TitleWriter::X11TitleWriter()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    FConnection = x11->connection();
    // Asked now, answered when the first title is written: no round trip of its own.
    static constexpr char kName[] = "_NET_WM_NAME";
    static constexpr char kUtf8[] = "UTF8_STRING";
    FNameCookie = xcb_intern_atom(FConnection, 0, sizeof kName - 1, kName).sequence;
    FUtf8Cookie = xcb_intern_atom(FConnection, 0, sizeof kUtf8 - 1, kUtf8).sequence;
}

bool X11TitleWriter::ResolveAtoms()
{
    if (FNameAtom == 0 && FNameCookie != 0) {
        FNameAtom = AtomOf(FConnection, FNameCookie);
        FNameCookie = 0;
    }
    if (FUtf8Atom == 0 && FUtf8Cookie != 0) {
        FUtf8Atom = AtomOf(FConnection, FUtf8Cookie);
        FUtf8Cookie = 0;
    }
    return FNameAtom != 0 && FUtf8Atom != 0;
}

void X11TitleWriter::StopPropertyEvents(std::uint32_t window)
{
    xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
        FConnection, xcb_get_window_attributes(FConnection, window), nullptr);
    if (!attributes)
        return;
    const std::uint32_t mask = attributes->your_event_mask & ~std::uint32_t{XCB_EVENT_MASK_PROPERTY_CHANGE};
    std::free(attributes);
    xcb_change_window_attributes(FConnection, window, XCB_CW_EVENT_MASK, &mask);
}

void X11TitleWriter::Write(QWidget &window, const QString &title)
{
    if (!FConnection || !ResolveAtoms())
        return;
    const std::uintptr_t id = window.winId();
    QByteArray utf8 = title.toUtf8();
    if (id == FWindow && utf8 == FLast)
        return;
    const auto xid = static_cast<xcb_window_t>(id);
    if (id != FWindow)
        StopPropertyEvents(xid);
    xcb_change_property(FConnection, XCB_PROP_MODE_REPLACE, xid, FNameAtom, FUtf8Atom, 8,
        static_cast<std::uint32_t>(utf8.size()), utf8.constData());
    xcb_flush(FConnection);
    FWindow = id;
    FLast = std::move(utf8);
}

} // namespace lumo
