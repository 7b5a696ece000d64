#include "app/dialogs/search/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

TabStopDelegate::TabStopDelegate(QObject* parent, int tabStop) : QStyledItemDelegate(parent), tabStop_(tabStop) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(2, 0, -2, 0);
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString first = tab < 0 ? text : text.left(tab);
    const QString second = tab < 0 ? QString() : text.mid(tab + 1);
    const QPalette::ColorGroup group = (item.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(group, (item.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
    QRect firstRect = textRect;
    if (!second.isEmpty()) firstRect.setRight(qMin(textRect.right(), textRect.left() + tabStop_ - 4));
    painter->drawText(firstRect, flags, item.fontMetrics.elidedText(first, Qt::ElideRight, firstRect.width()));
    if (!second.isEmpty()) {
        const QRect secondRect = textRect.adjusted(tabStop_, 0, 0, 0);
        painter->drawText(secondRect, flags, item.fontMetrics.elidedText(second, Qt::ElideRight, secondRect.width()));
    }
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const qsizetype tab = item.text.indexOf(QLatin1Char('\t'));
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (tab >= 0) size.setWidth(tabStop_ + item.fontMetrics.horizontalAdvance(item.text.mid(tab + 1)) + 8);
    return size;
}
