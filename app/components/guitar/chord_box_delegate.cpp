#include "app/components/guitar/chord_box_delegate.h"

#include <QApplication>
#include <QPainter>

#include "app/components/guitar/chord_box_painter.h"

ChordBoxDelegate::ChordBoxDelegate(const std::vector<ChordBox>& boxes, QObject* parent)
    : QStyledItemDelegate(parent), boxes_(boxes)
{
}

const ChordBox* ChordBoxDelegate::BoxOf(const QModelIndex& index) const
{
    const auto row = static_cast<std::size_t>(index.row());
    return index.isValid() && row < boxes_.size() ? &boxes_[row] : nullptr;
}

void ChordBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ChordBox* box = BoxOf(index);
    if (!box) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();  // the style draws the background and the selection, the text comes beside the box
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    PaintChordBox(*painter, *box, BoxTopLeft(item.rect), 1);
    const QRect textRect = item.rect.adjusted(Margin + qCeil(box->width) + Gap, 0, 0, 0);
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize ChordBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    const ChordBox* box = BoxOf(index);
    if (!box) return text;
    return QSize(Margin + qCeil(box->width) + Gap + text.width(),
                 std::max(text.height(), qCeil(box->height) + 2 * Margin));
}
