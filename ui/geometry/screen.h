#pragma once

#include <QSizeF>

namespace ui {

// The screen as the placement rule sees it: its size in twips. Tests give a fixed one.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSizeF sizeInTwips() const = 0;
};

// The primary screen of the running desktop.
class DesktopScreen : public Screen {
public:
    QSizeF sizeInTwips() const override;
};

}  // namespace ui
