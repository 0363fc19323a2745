#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws a report list's rows as a list view with no extended styles does: a
// selected row is highlighted in its first column only, and only while the
// list has the keyboard focus.
class ReportRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit ReportRowDelegate(QAbstractItemView& view);

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractItemView& m_view;
};
