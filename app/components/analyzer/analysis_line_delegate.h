#pragma once
// Draws the analysis lines in columns at their tabs: the note or note pair,
// the interval degree, the interval's names. The first column is at least 15
// dialog units wide, and wide enough for two sharp notes.

#include <QStyledItemDelegate>

class AnalysisLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The tab positions, in pixels from the text's left edge, for a font.
    static QList<qreal> TabPositions(const QFont& font);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
