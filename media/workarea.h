#pragma once

#include <QRect>

namespace quintarlow {

// The part of the desktop that windows may cover (without panels), in pixels.
class WorkArea {
public:
    virtual ~WorkArea() = default;
    virtual QRect readWorkArea() const = 0;
};

} // namespace quintarlow
