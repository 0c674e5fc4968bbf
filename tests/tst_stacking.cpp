// Under a real X server with openbox: a screen opened over the disabled board stays above it
// and keeps the focus however often the player clicks the board, and still answers.
#include "boardfixture.h"

#include <QProcess>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;
template <typename Reply> Owned<Reply> own(Reply* reply) {
    return {reply, &std::free};
}

class Desktop {
public:
    Desktop() : c(xcb_connect(nullptr, nullptr)) {
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    }
    ~Desktop() { xcb_disconnect(c); }

    xcb_atom_t atom(const char* name) {
        return own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), nullptr))
            ->atom;
    }
    bool hasProperty(xcb_window_t window, const char* name) {
        auto reply = own(xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 4),
            nullptr));
        return reply && reply->type != XCB_NONE;
    }
    std::vector<xcb_window_t> childrenOf(xcb_window_t window, xcb_window_t* parent = nullptr) {
        auto reply = own(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (parent)
            *parent = reply->parent;
        const xcb_window_t* first = xcb_query_tree_children(reply.get());
        return {first, first + xcb_query_tree_children_length(reply.get())};
    }
    // Place of a top-level window in the stacking order, 0 at the bottom: that of the window
    // manager's frame around it.
    int stackingIndex(xcb_window_t window) {
        for (xcb_window_t parent = 0; childrenOf(window, &parent), parent != root;)
            window = parent;
        const auto stack = childrenOf(root);
        return static_cast<int>(std::find(stack.begin(), stack.end(), window) - stack.begin());
    }
    xcb_window_t focus() {
        return own(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr))->focus;
    }
    void click(QPoint at) {
        xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, at.x(), at.y(), 0);
        xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
    }
    // Returns once the window manager has handled everything sent before: it answers a
    // frame-extents request on a fresh window in its turn.
    bool windowManagerCaughtUp() {
        const xcb_window_t probe = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = probe;
        request.type = atom("_NET_REQUEST_FRAME_EXTENTS");
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(c);
        bool answered = false;
        for (int poll = 0; poll < 500 && !answered; ++poll) {
            QTest::qWait(10);
            answered = hasProperty(probe, "_NET_FRAME_EXTENTS");
        }
        xcb_destroy_window(c, probe);
        return answered;
    }

    xcb_connection_t* c;
    xcb_window_t root = 0;
};

QPoint centreOf(QWidget* widget) {
    return widget->mapToGlobal(widget->rect().center());
}

} // namespace

class tst_Stacking : public QObject {
    Q_OBJECT
    QProcess openbox;
    Desktop desktop;

private Q_SLOTS:
    void initTestCase() {
        openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY2(openbox.waitForStarted(), "openbox is needed");
        QTRY_VERIFY_WITH_TIMEOUT(desktop.hasProperty(desktop.root, "_NET_SUPPORTING_WM_CHECK"),
                                 10000);
    }
    void cleanupTestCase() {
        openbox.terminate();
        openbox.waitForFinished();
    }

    void clicksOnTheBoardLeaveTheOverWindowOnTop_data() {
        QTest::addColumn<QString>("opened");
        for (const char* opened : {"winner", "menu", "popup"})
            QTest::newRow(opened) << QString::fromLatin1(opened);
    }
    void clicksOnTheBoardLeaveTheOverWindowOnTop() {
        QFETCH(QString, opened);
        BoardFixture game;
        QVERIFY(QTest::qWaitForWindowActive(&game.board));
        ScreenWindow* over = &game.winner;
        if (opened == QLatin1String("winner")) {
            for (int index : {25, 9, 26, 10, 27})
                game.claim(index);
        } else if (opened == QLatin1String("menu")) {
            game.board.Command2->click();
        } else {
            game.ask(6, 7);
            game.board.judgeSquareClick(boardIndexOfProduct(48));
            over = &game.popup;
        }
        QVERIFY(QTest::qWaitForWindowActive(over));
        const QPoint onTheBoard = centreOf(game.board.Label1[63]);
        QVERIFY(!over->frameGeometry().contains(onTheBoard));

        for (int click = 0; click < 10; ++click) {
            desktop.click(onTheBoard);
            QVERIFY(desktop.windowManagerCaughtUp());
            QTRY_COMPARE(desktop.focus(), static_cast<xcb_window_t>(over->winId()));
            QVERIFY(desktop.stackingIndex(over->winId()) >
                    desktop.stackingIndex(game.board.winId()));
        }
        if (const char* folder = std::getenv("QUINTARLOW_SHOTS"))
            over->screen()->grabWindow(0).save(
                QStringLiteral("%1/stacking-%2.png").arg(QString::fromLocal8Bit(folder), opened));
        if (over == &game.winner) {
            desktop.click(centreOf(game.winner.Command1));
            QTRY_VERIFY(!game.winner.isVisible());
            QVERIFY(game.board.isEnabled());
        }
    }
};

QTEST_MAIN(tst_Stacking)
#include "tst_stacking.moc"
