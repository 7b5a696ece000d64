#include "app/components/analyzer/history_list.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/components/analyzer/analyzer_client.h"

namespace {
// A history line: its text and the record it stands for.
class HistoryItem : public QListWidgetItem {
public:
    HistoryItem(const QString& text, const chord& record) : QListWidgetItem(text), record(record) {}
    chord record;
};
}  // namespace

THistoryList::THistoryList(AnalyzerClient* client, QWidget* parent) : QListWidget(parent), client_(client)
{
    setObjectName(QStringLiteral("id%1").arg(ControlId));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
}

chord* THistoryList::RecordAt(int row) const
{
    auto* line = static_cast<HistoryItem*>(item(row));
    return line ? &line->record : nullptr;
}

bool THistoryList::InsertRecord(int row, const chord& record, const QString& text)
{
    if (row < 0 || row > count()) return false;
    insertItem(row, new HistoryItem(text, record));
    return true;
}

void THistoryList::TrimTo(int n)
{
    const QSignalBlocker quiet(this);
    while (count() > qMax(n, 0)) delete takeItem(count() - 1);
}

void THistoryList::SetLineText(int row, const QString& text)
{
    if (QListWidgetItem* line = item(row)) line->setText(text);
}

std::vector<int> THistoryList::SelectedRows(int limit) const
{
    std::vector<int> rows;
    for (int row = 0; row < count() && int(rows.size()) < limit; ++row)
        if (item(row)->isSelected()) rows.push_back(row);
    return rows;
}

void THistoryList::SelectOnly(int row)
{
    const QSignalBlocker quiet(this);
    clearSelection();
    if (QListWidgetItem* line = item(row)) {
        selectionModel()->setCurrentIndex(indexFromItem(line), QItemSelectionModel::NoUpdate);
        line->setSelected(true);
    }
}

void THistoryList::KeyDown(int key)
{
    if (OwnKeyDown(key)) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QListWidget::keyPressEvent(&press);
}

void THistoryList::KeyUp(int key)
{
    if (OwnKeyUp(key)) return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QListWidget::keyReleaseEvent(&release);
}

void THistoryList::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() && event->key() == Qt::Key_Space) return;
    if (!OwnKeyDown(event->key())) QListWidget::keyPressEvent(event);
}

void THistoryList::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || !OwnKeyUp(event->key())) QListWidget::keyReleaseEvent(event);
}

bool THistoryList::OwnKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
        client_->TrimHistory(0);
        client_->Analyze();
        return true;
    case Qt::Key_Space:
        if (client_->Chord.soundCount == 0) {
            if (isVisible()) grabMouse();
            client_->Chord.SoundOn();
        }
        return true;
    case Qt::Key_Delete: DeleteCaretLine(); return true;
    default: return false;
    }
}

bool THistoryList::OwnKeyUp(int key)
{
    if (key != Qt::Key_Space) return false;
    if (QWidget::mouseGrabber() == this) releaseMouse();
    client_->Chord.SoundOff();
    return true;
}

void THistoryList::DeleteCaretLine()
{
    const int caret = currentRow();
    if (caret < 0) return;
    {
        const QSignalBlocker quiet(this);
        delete takeItem(caret);
        if (QListWidgetItem* line = item(caret)) {
            selectionModel()->setCurrentIndex(indexFromItem(line), QItemSelectionModel::NoUpdate);
            scrollToItem(line);
        }
    }
    client_->Analyze();
}
