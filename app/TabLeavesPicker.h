#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <functional>
#include <utility>

namespace korvelt {

// Tab and Shift+Tab leave a date or time picker at once instead of stepping through its day,
// month and year first, so that the keyboard walks the window control by control.
class TabLeavesPicker : public QObject {
public:
    TabLeavesPicker(std::function<bool(bool)> moveFocus, QObject *parent)
        : QObject(parent), moveFocus_(std::move(moveFocus))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool plain = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                const bool forward = key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) == 0;
                moveFocus_(forward);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(bool)> moveFocus_;
};

} // namespace korvelt
