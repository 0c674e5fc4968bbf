#include "desktopservices.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace quintarlow {

QRect ScreenWorkArea::ReadWorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

namespace {

int runMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                  const QString& title, QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // Wide enough for the window manager to show the whole title, "Start a New Game".
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(260, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.setDefaultButton(defaultButton);
    // Escape answers No where there is a No, as closing the box would.
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

} // namespace

bool MessageBoxDialogs::askYesNo(QWidget* parent, const QString& prompt, const QString& title) {
    return runMessageBox(parent, QMessageBox::NoIcon, prompt, title,
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void MessageBoxDialogs::warn(QWidget* parent, const QString& text, const QString& title) {
    runMessageBox(parent, QMessageBox::Warning, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace quintarlow
