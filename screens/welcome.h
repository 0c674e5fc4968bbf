#pragma once

#include "widgets/screenwindow.h"

#include <array>

class QAbstractItemView;
class QKeyEvent;
class QMouseEvent;
class QCheckBox;
class QCompleter;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace quintarlow {

class AnimatedGif;
class ScreenSet;

// Name entry: the two players type their names, and "START PLAYING" opens the board.
class NameEntry : public ScreenWindow {
    Q_OBJECT
public:
    explicit NameEntry(ScreenSet& screens);
    void onLoad();

    // Default texts back in both boxes, the letters moving, the screen showing.
    void showForNewPlayers();

public Q_SLOTS:
    void startPlaying();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLetters();
    void chooseComputer(bool chosen);
    // The list of names offered takes the keys and clicks while it shows: Enter still starts,
    // Tab still moves on, and a click still lands.
    bool keyOnOfferedNames(const QKeyEvent& key);
    bool pressBesideOfferedNames(const QMouseEvent& press);
    void offerNames(const QStringList& names);
    QPushButton* startButton = nullptr; // "START PLAYING"
    QLineEdit* redNameBox = nullptr;
    QLineEdit* blueNameBox = nullptr;
    // Blue plays alone, against the computer, which takes the Red box.
    QCheckBox* computerChoice = nullptr;
    // Red plays, but is never recorded: a parent or a visiting friend.
    QCheckBox* guestChoice = nullptr;
    std::array<AnimatedGif*, 10> titleLetters{};
    // The names the record holds, offered in both boxes as a child types; none until the
    // record has one.
    QStringListModel* knownNames = nullptr;
    QCompleter* nameCompleter = nullptr;
    QAbstractItemView* offeredNames = nullptr; // the completer's list
    ScreenSet& screens;
    QString m_redTyped; // what the Red box held before the computer took it
};

} // namespace quintarlow
