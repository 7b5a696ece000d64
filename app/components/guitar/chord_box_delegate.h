#pragma once
// Draws each line of the Fingerings list as its chord box with the frets
// written beside it.

#include <QStyledItemDelegate>

#include <vector>

#include "core/theory/chord_box.h"

class ChordBoxDelegate : public QStyledItemDelegate {
public:
    // Row i shows boxes[i]; the list owns them and outlives the delegate's use.
    ChordBoxDelegate(const std::vector<ChordBox>& boxes, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Space around the box, and between the box and the text.
    static constexpr int Margin = 3;
    static constexpr int Gap = 8;
    // Where the box of a line drawn in `line` stands.
    static QPointF BoxTopLeft(const QRect& line) { return QPointF(line.left() + Margin, line.top() + Margin); }

private:
    const ChordBox* BoxOf(const QModelIndex& index) const;

    const std::vector<ChordBox>& boxes_;
};
