#include "app/components/analyzer/analysis_line_delegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

#include "controls/dialog_units.h"

namespace {
constexpr int FirstTabUnits = 15;
constexpr int TextMargin = 3;
}  // namespace

QList<qreal> AnalysisLineDelegate::TabPositions(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal first = std::max<qreal>(DialogUnits(font).ToPixelsX(FirstTabUnits),
                                        metrics.horizontalAdvance(QStringLiteral("*G#>G#  ")));
    const qreal second = first + metrics.horizontalAdvance(QStringLiteral("(4#/5b)  "));
    return {first, second};
}

void AnalysisLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextOption layout;
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabArray(TabPositions(item.font));
    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRectF area = QRectF(item.rect).adjusted(TextMargin, 0, -TextMargin, 0);
    painter->setClipRect(item.rect);
    const QFontMetricsF metrics(item.font);
    const qreal top = area.top() + (area.height() - metrics.height()) / 2;
    painter->drawText(QRectF(area.left(), top, area.width(), metrics.height()), text, layout);
    painter->restore();
}

QSize AnalysisLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QList<qreal> tabs = TabPositions(option.font);
    const QString text = index.data().toString();
    const QString last = text.section(QLatin1Char('\t'), -1);
    const int columns = int(text.count(QLatin1Char('\t')));
    const qreal start = columns > 0 ? tabs.value(std::min<int>(columns, int(tabs.size())) - 1) : 0;
    size.setWidth(int(start + QFontMetricsF(option.font).horizontalAdvance(last)) + 2 * TextMargin);
    return size;
}
