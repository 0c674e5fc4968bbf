// Under a real X server with openbox: a screen opened over the disabled board tells the desktop
// it is a dialog of the board, stays above it and keeps the focus however often the player
// clicks the board, and still answers.
#include "boardfixture.h"

#include <QProcess>
#include <QScreen>
#include <QTest>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// A reply that frees itself.
template <typename Reply> auto own(Reply* reply) {
    return std::unique_ptr<Reply, decltype(&std::free)>(reply, &std::free);
}

struct Desktop {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    ~Desktop() { xcb_disconnect(c); }

    xcb_atom_t atom(const char* name) {
        return own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr))
            ->atom;
    }
    // The 32-bit values of a property of `window` (windows, atoms, numbers); none when unset.
    std::vector<uint32_t> values(xcb_window_t window, const char* name) {
        const auto cookie = xcb_get_property(c, 0, window, atom(name), XCB_ATOM_ANY, 0, 64);
        const auto reply = own(xcb_get_property_reply(c, cookie, nullptr));
        if (!reply || reply->format != 32)
            return {};
        const auto* first = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        return {first, first + xcb_get_property_value_length(reply.get()) / 4};
    }
    bool hasProperty(xcb_window_t window, const char* name) {
        return !values(window, name).empty();
    }
    // Place in the stacking order of the window manager's frame around `window`.
    int stackingIndex(xcb_window_t window) {
        auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (tree->parent != root)
            return stackingIndex(tree->parent);
        auto top = own(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
        const xcb_window_t* stack = xcb_query_tree_children(top.get());
        return int(std::find(stack, stack + top->children_len, window) - stack);
    }
    xcb_window_t focus() {
        return own(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr))->focus;
    }
    // Clicks `at` through the X server, as a player does, and returns once the window manager
    // has handled the click.
    void clickAt(QPoint at) {
        xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, at.x(), at.y(), 0);
        for (uint8_t type : {XCB_BUTTON_PRESS, XCB_BUTTON_RELEASE})
            xcb_test_fake_input(c, type, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        settle();
    }
    void click(QWidget* widget) { clickAt(widget->mapToGlobal(widget->rect().center())); }
    // Returns once the window manager has handled everything sent before: it answers a
    // frame-extents request on a fresh window in its turn. It names itself before it takes
    // requests, so one sent too early is lost and sent again.
    void settle() {
        const xcb_window_t probe = xcb_generate_id(c);
        xcb_create_window(c, 0, probe, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, 0, 0,
                          nullptr);
        xcb_client_message_event_t request{};
        std::tie(request.response_type, request.format, request.window, request.type) =
            std::tuple(XCB_CLIENT_MESSAGE, 32, probe, atom("_NET_REQUEST_FRAME_EXTENTS"));
        bool answered = false;
        for (int attempt = 0; attempt < 40 && !answered; ++attempt) {
            xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                           reinterpret_cast<const char*>(&request));
            answered =
                QTest::qWaitFor([&] { return hasProperty(probe, "_NET_FRAME_EXTENTS"); }, 250);
        }
        xcb_destroy_window(c, probe);
        QVERIFY(answered);
    }
};

} // namespace

class tst_Stacking : public QObject {
    Q_OBJECT
    QProcess openbox;
    Desktop desktop;

private Q_SLOTS:
    void initTestCase() {
        openbox.start("openbox", {"--sm-disable"});
        QTRY_VERIFY(desktop.hasProperty(desktop.root, "_NET_SUPPORTING_WM_CHECK"));
        // A window shown before the window manager takes requests is taken on without the focus.
        desktop.settle();
    }
    void cleanupTestCase() {
        openbox.terminate();
        openbox.waitForFinished();
    }

    void clicksOnTheBoardLeaveTheOverWindowOnTop_data() {
        QTest::addColumn<QString>("opened");
        for (const char* opened : {"winner", "popup"})
            QTest::newRow(opened) << QString::fromLatin1(opened);
    }
    void clicksOnTheBoardLeaveTheOverWindowOnTop() {
        QFETCH(QString, opened);
        BoardFixture game;
        QVERIFY(QTest::qWaitForWindowExposed(&game.board));
        // A player has just typed the names and the desktop hands the board the focus; nobody
        // has touched this one, and a busy desktop may leave it unfocused, so click its corner.
        desktop.clickAt(game.board.mapToGlobal(QPoint(1, 1)));
        QVERIFY(QTest::qWaitForWindowActive(&game.board));
        if (opened == "winner") {
            game.blueWins();
        } else {
            game.ask(6, 7);
            game.board.clickSquare(boardIndexOfProduct(48));
        }
        ScreenWindow* over =
            game.popup.isVisible() ? static_cast<ScreenWindow*>(&game.popup) : &game.winner;
        QVERIFY(QTest::qWaitForWindowActive(over));
        // What the desktop keeps it on top for: a dialog, transient for the board.
        QVERIFY(std::ranges::count(desktop.values(over->winId(), "WM_TRANSIENT_FOR"),
                                   game.board.winId()) == 1);
        QVERIFY(std::ranges::count(desktop.values(over->winId(), "_NET_WM_WINDOW_TYPE"),
                                   desktop.atom("_NET_WM_WINDOW_TYPE_DIALOG")) == 1);
        for (int click = 0; click < 10; ++click) {
            desktop.click(square(game.board, 63));
            QTRY_COMPARE(desktop.focus(), xcb_window_t(over->winId()));
            QVERIFY(desktop.stackingIndex(over->winId()) >
                    desktop.stackingIndex(game.board.winId()));
        }
        if (over == &game.winner) {
            desktop.click(control(game.winner, "samePlayersButton"));
            QTRY_VERIFY(!game.winner.isVisible());
        }
    }
};

QTEST_MAIN(tst_Stacking)
#include "tst_stacking.moc"
