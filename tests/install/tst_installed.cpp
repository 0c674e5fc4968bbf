#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <memory>
#include <xcb/xcb.h>

// The installed game started from a folder that holds none of its files, watched through the
// X server. No window manager runs, so windows sit where the game puts them.
namespace {

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}

struct ShownWindow {
    xcb_window_t id = 0;
    QRect geometry;
    bool skipsTaskbar = false;
};

QList<ShownWindow> shownWindows() {
    xcb_connection_t* c =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto atom = [c](const char* name) {
        return owned(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr))
            ->atom;
    };
    const xcb_atom_t state = atom("_NET_WM_STATE"), skip = atom("_NET_WM_STATE_SKIP_TASKBAR");
    const auto tree = owned(xcb_query_tree_reply(
        c, xcb_query_tree(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root), nullptr));
    QList<ShownWindow> shown;
    for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
        const xcb_window_t window = xcb_query_tree_children(tree.get())[index];
        const auto attributes = owned(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        const auto place = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
        const auto states = owned(xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, state, XCB_ATOM_ATOM, 0, 32), nullptr));
        if (!attributes || !place || !states || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(states.get()));
        const auto* end = first + xcb_get_property_value_length(states.get()) / 4;
        shown.append({window, QRect(place->x, place->y, place->width, place->height),
                      std::find(first, end, skip) != end});
    }
    return shown;
}

// The letter pictures spell the title in bright colours across the top of the white window.
int brightPixelsInLetterRow(const QRect& window) {
    const QImage row = QGuiApplication::primaryScreen()
                           ->grabWindow(0, window.x(), window.y() + 8, window.width(), 89)
                           .toImage();
    int bright = 0;
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x)
            bright += QColor(row.pixel(x, y)).hsvSaturation() > 96;
    return bright;
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
        QTRY_COMPARE_WITH_TIMEOUT(shownWindows().size(), 1, 10000);
        const ShownWindow splash = shownWindows().constFirst();
        QVERIFY(splash.skipsTaskbar);

        // The splash covers the name entry until it closes; the backdrop spans the screen.
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        ShownWindow backdrop, nameEntry;
        const auto lettersShowing = [&] {
            const QList<ShownWindow> shown = shownWindows();
            for (const ShownWindow& window : shown)
                (window.geometry.width() == screenWidth ? backdrop : nameEntry) = window;
            return shown.size() == 2 && nameEntry.id != splash.id &&
                   brightPixelsInLetterRow(nameEntry.geometry) > 10000;
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
