#pragma once

#include <QString>

namespace quintarlow {

// Where the game says something a parent should see later, outside the game's own screens.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Returns at once, whether or not anyone shows it.
    virtual void notify(const QString& summary, const QString& body) = 0;
};

} // namespace quintarlow
