#include "app/WindowPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Room the window manager takes around a window: the title bar above and a
// border on every side (not known before the window is first shown).
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;
// The icon and the three frame buttons beside the title, with some air.
constexpr int kTitleButtons = 140;

QScreen* ScreenOf(const QWidget* owner)
{
    if (owner && owner->window()->screen())
        return owner->window()->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

void PlaceInsideScreen(QWidget& window, const QWidget* owner)
{
    if (window.isVisible())
        return;
    const QScreen* screen = ScreenOf(owner);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size(std::min(window.width(), area.width() - kFrameWidth),
                     std::min(window.height(), area.height() - kFrameHeight));
    window.resize(size.expandedTo(window.minimumSize()));
    const QRect over = owner ? owner->window()->frameGeometry() : area;
    QRect frame(QPoint(0, 0), window.size() + QSize(kFrameWidth, kFrameHeight));
    frame.moveCenter(over.center());
    // Inside the area: the right and bottom edges first, so that a window
    // larger than the area keeps its title bar on the screen.
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    window.move(frame.topLeft());
}

void KeepTitleWhole(QWidget& window)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleButtons;
    window.setMinimumWidth(std::max(window.minimumWidth(), needed));
}
