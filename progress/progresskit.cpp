#include "progress/progresskit.h"

#include "widgets/fonts.h"

#include <QLabel>
#include <QPushButton>

namespace quintarlow {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(gameFont(Face::ComicSans, 14, Bold));
    label->setStyleSheet(QStringLiteral("color: #0000c0;"));
    return label;
}

QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFont(gameFont(Face::MsSansSerif, 10, Bold));
    return button;
}

} // namespace quintarlow
