#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

// The installed game started from a folder that holds none of its files, watched from outside
// through the X server. No window manager runs, so windows sit where the game puts them.
namespace {

template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

struct ShownWindow {
    xcb_window_t id = 0;
    QRect geometry;
    bool skipsTaskbar = false;
};

xcb_connection_t* x11() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x11(), xcb_intern_atom(x11(), 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool hasState(xcb_window_t window, xcb_atom_t state) {
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            x11(), xcb_get_property(x11(), 0, window, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 32),
            nullptr),
        &std::free);
    if (!reply)
        return false;
    const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const auto* end = states + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t);
    return std::find(states, end, state) != end;
}

QList<ShownWindow> shownWindows() {
    xcb_connection_t* c = x11();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr), &std::free);
    QList<ShownWindow> shown;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
        const xcb_window_t window = children[index];
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr),
            &std::free);
        const XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
        if (attributes && geometry && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            shown.append({window,
                          QRect(geometry->x, geometry->y, geometry->width, geometry->height),
                          hasState(window, atom("_NET_WM_STATE_SKIP_TASKBAR"))});
    }
    return shown;
}

// The letter pictures spell the title across the top of the white name-entry window.
int colouredPixelsInLetterRow(const QRect& window) {
    const QImage row = QGuiApplication::primaryScreen()
                           ->grabWindow(0, window.x(), window.y() + 8, window.width(), 89)
                           .toImage();
    int coloured = 0;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x)
            coloured += QColor(row.pixel(x, y)).hsvSaturation() > 96;
    return coloured;
}

} // namespace

class TestInstalled : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fromAnyFolder_showsLettersAndOneTaskbarEntry() {
        QTemporaryDir elsewhere;
        QProcess game;
        game.setWorkingDirectory(elsewhere.path());
        game.start(QStringLiteral(INSTALLED_GAME));
        QVERIFY(game.waitForStarted());

        QTRY_COMPARE_WITH_TIMEOUT(shownWindows().size(), 1, 10000);
        const ShownWindow splash = shownWindows().constFirst();
        QVERIFY(splash.skipsTaskbar);

        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        ShownWindow backdrop, nameEntry;
        const auto lettersShowing = [&] {
            const QList<ShownWindow> shown = shownWindows();
            if (std::any_of(shown.cbegin(), shown.cend(),
                            [&](const ShownWindow& window) { return window.id == splash.id; }))
                return false; // it may cover the letters until it closes
            for (const ShownWindow& window : shown) {
                if (window.geometry.width() == screenWidth)
                    backdrop = window;
                else if (window.id != splash.id)
                    nameEntry = window;
            }
            return nameEntry.id && colouredPixelsInLetterRow(nameEntry.geometry) > 10000;
        };
        QTRY_VERIFY_WITH_TIMEOUT(lettersShowing(), 20000);
        QVERIFY(backdrop.skipsTaskbar);
        QVERIFY(!nameEntry.skipsTaskbar);

        game.terminate();
        QVERIFY(game.waitForFinished());
    }
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
