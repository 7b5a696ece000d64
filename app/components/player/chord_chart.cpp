#include "app/components/player/chord_chart.h"

#include <QSignalBlocker>

#include "core/theory/shown_notes.h"

ChordChart::ChordChart(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* line) { emit SpanChosen(row(line)); });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* line) { emit SpanChosen(row(line)); });
}

QString ChordChartLine(const ChordSpan& span)
{
    QString what;
    if (!span.names.empty()) {
        what = QString::fromStdString(span.names.front());
    } else if (span.notes.empty()) {
        what = QStringLiteral("rest");
    } else {
        QStringList notes;
        for (NOTES n : span.notes) notes << QString::fromStdString(ShownFullNoteName(n));
        what = notes.join(QLatin1Char(' '));
    }
    return QStringLiteral("%1:%2\t%3").arg(span.at.bar).arg(span.at.beat).arg(what);
}

void ChordChart::SetSpans(const std::vector<ChordSpan>& spans)
{
    const QSignalBlocker quiet(this);
    clear();
    for (const ChordSpan& span : spans) addItem(ChordChartLine(span));
}

void ChordChart::Follow(int index)
{
    if (index == currentRow()) return;
    const QSignalBlocker quiet(this);
    if (index < 0 || index >= count()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(index);
    scrollToItem(item(index));
}
