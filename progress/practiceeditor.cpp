#include "progress/practiceeditor.h"

#include "core/factstats.h"
#include "media/dialogs.h"
#include "progress/progresskit.h"
#include "progress/report.h"
#include "record/recordreader.h"
#include "widgets/fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace quintarlow {

PracticeEditor::PracticeEditor(RecordEditor& record, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), record(record), dialogs(dialogs) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setVerticalSpacing(4);
    layout->addWidget(heading(PracticeEditor::tr("Practice settings"), this), 0, 0, 1, 2);
    auto* tablesLabel = new QLabel(PracticeEditor::tr("&Tables:"), this);
    layout->addWidget(tablesLabel, 1, 0);
    // The label leads into the row, not onto a button: a label's key would press the 1s.
    auto* row = new QWidget(this);
    auto* tables = new QHBoxLayout(row);
    tables->setContentsMargins(0, 0, 0, 0);
    tables->setSpacing(2);
    for (int table = 1; table <= FactorCount; ++table) {
        auto* toggle = button(QString::number(table), row);
        toggle->setCheckable(true);
        toggle->setFixedWidth(24);
        toggle->setAccessibleName(PracticeEditor::tr("The %1s").arg(table));
        toggle->setToolTip(PracticeEditor::tr("Practise the %1s").arg(table));
        connect(toggle, &QPushButton::clicked, this,
                [this, table](bool chosen) { setTableChosen(table, chosen); });
        tables->addWidget(toggle);
        tableButtons.push_back(toggle);
    }
    tables->addStretch();
    row->setFocusPolicy(Qt::TabFocus);
    row->setFocusProxy(tableButtons.front());
    tablesLabel->setBuddy(row);
    layout->addWidget(row, 1, 1);
    auto* more = new QHBoxLayout;
    allTablesButton = button(PracticeEditor::tr("&All tables"), this);
    allTablesButton->setCheckable(true);
    allTablesButton->setAccessibleName(PracticeEditor::tr("All tables"));
    allTablesButton->setToolTip(PracticeEditor::tr("Every table from 1 to 12, as in any game"));
    askMissedBox = new QCheckBox(PracticeEditor::tr("Ask again what I &miss"), this);
    askMissedBox->setAccessibleName(PracticeEditor::tr("Ask again what I miss"));
    pathBox = new QCheckBox(PracticeEditor::tr("Follow the learning pat&h"), this);
    pathBox->setAccessibleName(PracticeEditor::tr("Follow the learning path"));
    pathBox->setToolTip(
        PracticeEditor::tr("A few new facts at a time among known ones, each known "
                           "fact back on its day of review, the tables in the order "
                           "they build on each other (or the tables chosen)"));
    auto* secondsLabel = new QLabel(PracticeEditor::tr("Time to a&nswer:"), this);
    secondsBox = new QSpinBox(this);
    secondsBox->setRange(AnswerSeconds, MostAnswerSeconds);
    secondsBox->setSingleStep(5);
    secondsBox->setSuffix(PracticeEditor::tr(" seconds"));
    secondsBox->setAccessibleName(PracticeEditor::tr("Time to answer"));
    secondsBox->setToolTip(
        PracticeEditor::tr("The seconds this child has for each question; the other player keeps "
                           "their own"));
    secondsLabel->setBuddy(secondsBox);
    // Three short rows rather than two long ones: the panel must fit a netbook's screen.
    more->addWidget(allTablesButton);
    more->addWidget(askMissedBox);
    more->addWidget(pathBox);
    more->addStretch();
    layout->addLayout(more, 2, 1);
    auto* pace = new QHBoxLayout;
    pace->addWidget(secondsLabel);
    pace->addWidget(secondsBox);
    pace->addSpacing(12);
    auto* opponentLabel = new QLabel(PracticeEditor::tr("The &computer plays:"), this);
    opponentBox = new QComboBox(this);
    opponentBox->addItems({PracticeEditor::tr("Easy"), PracticeEditor::tr("At the child's level"),
                           PracticeEditor::tr("Hard")});
    opponentBox->setAccessibleName(PracticeEditor::tr("The computer plays"));
    opponentBox->setToolTip(
        PracticeEditor::tr("When this child plays alone: easy is right about half the time and "
                           "slow, hard nine times in ten and quick, the child's level as often as "
                           "the child was in their last 50 answers"));
    opponentLabel->setBuddy(opponentBox);
    pace->addWidget(opponentLabel);
    pace->addWidget(opponentBox);
    pace->addStretch();
    layout->addLayout(pace, 3, 1);
    sentence = plainLabel(this);
    sentence->setFont(gameFont(Face::Arial, 9, Italic));
    layout->addWidget(sentence, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(allTablesButton, &QPushButton::clicked, this, &PracticeEditor::chooseAllTables);
    connect(askMissedBox, &QCheckBox::clicked, this, &PracticeEditor::setAskMissed);
    connect(pathBox, &QCheckBox::clicked, this, &PracticeEditor::setPath);
    connect(secondsBox, &QSpinBox::valueChanged, this, &PracticeEditor::setAnswerSeconds);
    connect(opponentBox, &QComboBox::currentIndexChanged, this, &PracticeEditor::setOpponent);
}

void PracticeEditor::showPlayer(const QString& name) {
    player = name;
    practice = name.isEmpty() ? PracticeSettings{} : record.practiceSettings(name);
    showSettings();
}

void PracticeEditor::setTableChosen(int table, bool chosen) {
    PracticeSettings next = practice;
    std::erase(next.tables, table);
    if (chosen)
        next.tables.insert(std::upper_bound(next.tables.begin(), next.tables.end(), table), table);
    // Every table chosen is no choice at all: the game's own draw.
    if (next.tables.size() == FactorCount)
        next.tables.clear();
    save(next);
}

void PracticeEditor::chooseAllTables() {
    PracticeSettings next = practice;
    next.tables.clear();
    save(next);
}

void PracticeEditor::setAskMissed(bool on) {
    PracticeSettings next = practice;
    next.askMissed = on;
    save(next);
}

void PracticeEditor::setPath(bool on) {
    PracticeSettings next = practice;
    next.path = on;
    save(next);
}

void PracticeEditor::setAnswerSeconds(int seconds) {
    PracticeSettings next = practice;
    next.answerSeconds = seconds;
    save(next);
}

void PracticeEditor::setOpponent(int level) {
    PracticeSettings next = practice;
    next.opponent = ComputerLevel(level);
    save(next);
}

void PracticeEditor::save(const PracticeSettings& chosen) {
    if (!player.isEmpty() && chosen != practice) {
        if (record.setPracticeSettings(player, chosen)) {
            practice = chosen;
            Q_EMIT saved(player, !practice.isDefault());
        } else {
            dialogs.warn(this,
                         PracticeEditor::tr("The practice settings of %1 could not be saved: the "
                                            "record could not be changed. Close the window and try "
                                            "again; if it keeps failing, see the README, Practice "
                                            "record.")
                             .arg(player),
                         PracticeEditor::tr("Practice Settings"));
        }
    }
    // On failure, and for the class, the controls go back to what the record holds.
    showSettings();
}

void PracticeEditor::showSettings() {
    const bool wholeClass = player.isEmpty();
    // The words stay clear for the class: they say why nothing can be set.
    for (QPushButton* toggle : tableButtons)
        toggle->setEnabled(!wholeClass);
    allTablesButton->setEnabled(!wholeClass);
    // The path asks missed facts again by its own rules.
    askMissedBox->setEnabled(!wholeClass && !practice.path);
    pathBox->setEnabled(!wholeClass);
    secondsBox->setEnabled(!wholeClass);
    opponentBox->setEnabled(!wholeClass);
    // A pressed button alone is hard to tell from the others: a chosen one is orange, as the
    // star beside the player's name.
    const auto press = [this](QPushButton& toggle, bool chosen) {
        toggle.setChecked(chosen);
        QPalette colours = palette();
        if (chosen)
            colours.setColor(QPalette::Button, QColor(255, 160, 64));
        toggle.setPalette(colours);
    };
    for (int table = 1; table <= FactorCount; ++table)
        press(*tableButtons[table - 1], std::find(practice.tables.begin(), practice.tables.end(),
                                                  table) != practice.tables.end());
    // Pressed while every table is asked, so the default is seen as a choice of its own.
    press(*allTablesButton, !wholeClass && practice.tables.empty());
    askMissedBox->setChecked(practice.askMissed);
    pathBox->setChecked(practice.path);
    {
        const QSignalBlocker quiet(secondsBox), still(opponentBox);
        secondsBox->setValue(practice.answerSeconds);
        opponentBox->setCurrentIndex(int(practice.opponent));
    }
    const QString words = practiceSentence(practice);
    sentence->setText(
        wholeClass ? PracticeEditor::tr("Settings are made for one player: choose a player above.")
        : words.isEmpty()
            ? PracticeEditor::tr("Every table from 1 to 12, as in any game. Changes count from the "
                                 "next game.")
            : words + PracticeEditor::tr(" Changes count from the next game."));
}

} // namespace quintarlow
