#include "ReportRowDelegate.h"

#include <QAbstractItemView>
#include <QEvent>

ReportRowDelegate::ReportRowDelegate(QAbstractItemView& view)
    : QStyledItemDelegate(&view), m_view(view) {
    view.installEventFilter(this);
}

void ReportRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() != 0 || !m_view.hasFocus())
        option->state &= ~QStyle::State_Selected;
}

// The view repaints little on a change of focus, but every selected row
// changes. The view is no editor: the base class's editor keys stay out of it.
bool ReportRowDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_view)
        return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        m_view.viewport()->update();
    return false;
}
