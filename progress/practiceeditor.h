#pragma once

#include "record/practicerecord.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quintarlow {

class Dialogs;
class RecordEditor;

// How the chosen player's questions are drawn: the tables to practise, whether missed facts
// are asked again or the child follows the learning path, the time to answer, and how well the
// computer plays the child alone. Each change is
// saved at once, as a parent who ticks a box expects; the game uses it from the next game. Nothing
// can be set for the whole class.
class PracticeEditor final : public QWidget {
    Q_OBJECT
public:
    PracticeEditor(RecordEditor& record, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows what the record holds for the player; an empty name is the class.
    void showPlayer(const QString& name);
    const PracticeSettings& settings() const { return practice; }

Q_SIGNALS:
    // The player's settings were saved; `ownSettings` is false when they are the default again.
    void saved(const QString& name, bool ownSettings);

private:
    void setTableChosen(int table, bool chosen);
    void chooseAllTables();
    void setAskMissed(bool on);
    void setPath(bool on);
    void setAnswerSeconds(int seconds);
    void setOpponent(int level);
    void save(const PracticeSettings& chosen);
    void showSettings();

    RecordEditor& record;
    Dialogs& dialogs;
    QString player;                         // empty: the class
    PracticeSettings practice;              // the chosen player's; the default for the class
    std::vector<QPushButton*> tableButtons; // the 1s to the 12s
    QPushButton* allTablesButton = nullptr;
    QCheckBox* askMissedBox = nullptr;
    QCheckBox* pathBox = nullptr;
    QSpinBox* secondsBox = nullptr;
    QComboBox* opponentBox = nullptr; // in ComputerLevel's order
    QLabel* sentence = nullptr;
};

} // namespace quintarlow
