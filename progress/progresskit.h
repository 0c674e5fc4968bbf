#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace quintarlow {

// The look the progress window's parts share.

// A section's title in the game's blue.
QLabel* heading(const QString& text, QWidget* parent);
// Words that wrap and are never read as markup: player names are data.
QLabel* plainLabel(QWidget* parent);
QPushButton* button(const QString& text, QWidget* parent);

} // namespace quintarlow
