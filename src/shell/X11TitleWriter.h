#pragma once
// The main window's title on X11, written for a title that changes four times
// a second. Qt's own title change writes WM_NAME and _NET_WM_NAME through two
// paths, and every property change on the window comes back as an event that
// wakes the program twice (the X reader thread, then the window thread): the
// marquee's own writes and the window manager's answers to them
// (_NET_WM_VISIBLE_NAME, _NET_WM_VISIBLE_ICON_NAME) cost over 30 wake-ups a
// second. So this writes the one property task bars read, _NET_WM_NAME, in a
// single request, skips a write of the text already there, and stops the
// window's property events: nothing on the main window needs them. What Qt
// would have learnt from them is the minimized state (WM_STATE); the window
// asks its exposure instead (see TLumoForm::KeepOnDesktop, bt_minimizeClick).

#include <QByteArray>
#include <QString>

#include <cstdint>

class QWidget;
struct xcb_connection_t;

namespace lumo {

class X11TitleWriter {
public:
    // Inactive (Available() false) unless the application runs on X11.
    X11TitleWriter();

    bool Available() const { return FConnection != nullptr; }

    // Writes the title to the window's _NET_WM_NAME; nothing when it is the
    // text written last. The first write to a native window also stops its
    // property events.
    void Write(QWidget &window, const QString &title);

private:
    bool ResolveAtoms();
    void StopPropertyEvents(std::uint32_t window);

    xcb_connection_t *FConnection = nullptr;
    std::uint32_t FNameAtom = 0;
    std::uint32_t FUtf8Atom = 0;
    unsigned int FNameCookie = 0;
    unsigned int FUtf8Cookie = 0;
    std::uintptr_t FWindow = 0;
    QByteArray FLast;
};

} // namespace lumo
