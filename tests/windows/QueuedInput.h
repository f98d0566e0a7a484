#pragma once
// Input as the window system delivers it: put in the queue and handled when
// an event loop next takes the user's input. QTest's own key and mouse
// helpers deliver at once, past any loop that holds input back.
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace winpiruk::test {

using Queued = QWindowSystemInterface::AsynchronousDelivery;

// A key pressed and released over the window that holds `widget`.
inline void QueueKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {}) {
  QWindow* window = widget->window()->windowHandle();
  QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyPress, key, modifiers, text);
  QWindowSystemInterface::handleKeyEvent<Queued>(window, QEvent::KeyRelease, key, modifiers, text);
}

// A left click in the middle of `widget`.
inline void QueueClick(QWidget* widget) {
  QWindow* window = widget->window()->windowHandle();
  const QPoint centre = widget->rect().center();
  const QPointF local = widget->mapTo(widget->window(), centre);
  const QPointF global = widget->mapToGlobal(centre);
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                   QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                   QEvent::MouseButtonRelease);
}

}  // namespace winpiruk::test
