#include "widgets/vblabelaccessible.h"

#include "widgets/vblabel.h"

#include <QAccessibleWidget>

namespace quintarlow {

namespace {

class VbLabelAccessible final : public QAccessibleWidget {
public:
    explicit VbLabelAccessible(VbLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        // Captions carry the game's blanks ("  FREE"); a reader needs none of them.
        return label()->spokenName().trimmed();
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::NoRole)
            state.invisible = true;
        return state;
    }

private:
    VbLabel* label() const { return static_cast<VbLabel*>(widget()); }
};

} // namespace

QAccessibleInterface* accessibleVbLabel(const QString& className, QObject* object) {
    if (className != QLatin1String(VbLabel::staticMetaObject.className()))
        return nullptr;
    return new VbLabelAccessible(static_cast<VbLabel*>(object));
}

} // namespace quintarlow
