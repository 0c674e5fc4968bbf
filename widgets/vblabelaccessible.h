#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace quintarlow {

// The accessibility factory for captions: a screen reader hears a label's spoken name in its
// role (a square is a button, a caption static text) and never hears decorations.
QAccessibleInterface* accessibleVbLabel(const QString& className, QObject* object);

} // namespace quintarlow
