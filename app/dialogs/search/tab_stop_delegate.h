#pragma once
// Draws list lines of the form "first\tsecond" with the second part at one
// tab stop, so that the parts line up in a column.

#include <QStyledItemDelegate>

class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // tabStop: the second part's distance from the text's left edge, in pixels.
    TabStopDelegate(QObject* parent, int tabStop);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int tabStop_;
};
