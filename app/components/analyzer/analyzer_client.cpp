#include "app/components/analyzer/analyzer_client.h"

#include <QPainter>
#include <QPaintEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "app/components/analyzer/analysis_line_delegate.h"
#include "app/components/analyzer/analyzer_settings_dialog.h"
#include "app/components/analyzer/history_list.h"
#include "app/components/analyzer/history_record.h"
#include "app/components/analyzer/pitch_set_word.h"
#include "app/components/analyzer/play_queue.h"
#include "app/components/shared/quiet_hex_record.h"
#include "core/theory/chord_spelling.h"
#include "core/studio/byte_fields.h"
#include "core/studio/chord_names_line.h"
#include "core/studio/component_types.h"
#include "controls/pane.h"
#include "core/services/hex_record.h"

namespace {
constexpr int Margin = 7;
constexpr int PaneWidth = 7;
constexpr int WordRole = Qt::UserRole;
}  // namespace

AnalyzerClient::AnalyzerClient() : mmMDIChildClient(ComponentType::Analyzer)
{
    PassThrough = 1;
    historyList_ = new THistoryList(this, this);
    analysisList_ = new QListWidget(this);
    analysisList_->setObjectName(QStringLiteral("id%1").arg(AnalysisListId));
    analysisList_->setSelectionMode(QAbstractItemView::SingleSelection);
    analysisList_->setItemDelegate(new AnalysisLineDelegate(analysisList_));
    splitterPane_ = new Pane(this, 0, 0, 0, 0, 1);
    setFocusProxy(historyList_);

    connect(historyList_, &QListWidget::itemSelectionChanged, this, &AnalyzerClient::HistorySelectionChanged);
    connect(historyList_, &QListWidget::itemDoubleClicked, this, [this] { PlayHistoryLine(); });
    connect(analysisList_, &QListWidget::itemSelectionChanged, this, &AnalyzerClient::AnalysisSelectionChanged);
    connect(analysisList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* line) { PlayAnalysisLine(analysisList_->row(line)); });
    connect(splitterPane_, &Pane::Dropped, this, &AnalyzerClient::PaneDropped);
}

AnalyzerClient::~AnalyzerClient() { TrimHistory(0); }

bool AnalyzerClient::AddToHistory(int index, const chord& c)
{
    TrimHistory(HistorySize - 1);
    const chord record = HistoryRecordOf(c);
    if (!historyList_->InsertRecord(index, record, QString::fromStdString(HistoryLineText(record, Mode)))) return false;
    if (index == 0) {
        historyList_->SelectOnly(0);
        Analyze();
        ShowChordNamesWhenActive();
    }
    return true;
}

void AnalyzerClient::TrimHistory(int n) { historyList_->TrimTo(n); }

void AnalyzerClient::RefreshHistoryLines()
{
    for (int row = 0; row < historyList_->count(); ++row)
        historyList_->SetLineText(row, QString::fromStdString(HistoryLineText(*historyList_->RecordAt(row), Mode)));
}

std::vector<const chord*> AnalyzerClient::SelectedRecords() const
{
    std::vector<const chord*> records;
    for (int row : historyList_->SelectedRows(MaxAnalyzedEntries)) records.push_back(historyList_->RecordAt(row));
    return records;
}

void AnalyzerClient::Analyze()
{
    const QSignalBlocker quiet(analysisList_);
    analysisList_->clear();
    CombinedChord.Clear();
    const std::vector<const chord*> records = SelectedRecords();
    if (records.empty()) return;
    const CombinedSelection selection = CombineSelection(records, OutputView);
    CombinedChord = selection.combined;
    // The first selected entry becomes the chord; it keeps sounding as the
    // component sounds.
    const chord own = Chord;
    Chord = *records.front();
    Chord.instrument = own.instrument;
    Chord.program = own.program;
    Chord.soundCount = own.soundCount;
    for (const AnalysisLine& line : AnalysisLines(selection, OutputView)) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.text), analysisList_);
        item->setData(WordRole, static_cast<qulonglong>(line.word.Word()));
    }
}

void AnalyzerClient::HistorySelectionChanged()
{
    Analyze();
    ShowChordNamesWhenActive();
}

void AnalyzerClient::AnalysisSelectionChanged()
{
    const int row = analysisList_->currentRow();
    QListWidgetItem* line = analysisList_->item(row);
    if (!line || !line->isSelected()) return;
    if (OutputView == AnalyzerView::Notes) {
        // The note of the line becomes the reference of every selected entry.
        int k = 0;
        NOTES note = NoNote;
        for (NOTES n : CombinedChord.notes)
            if (n != NoNote && k++ == row) note = n;
        if (note == NoNote) return;
        for (int r : historyList_->SelectedRows(MaxAnalyzedEntries)) historyList_->RecordAt(r)->SetKey(note);
        Analyze();
        const QSignalBlocker quiet(analysisList_);
        analysisList_->setCurrentRow(row);
    } else if (OutputView != AnalyzerView::Interval) {
        const SpellingContext key = NamedKeySpelling(line->text().toStdString().c_str());
        ShowMessageLine(WordDegreesText(PitchSet::FromWord(line->data(WordRole).toUInt()),
                                        OutputView == AnalyzerView::Key ? &key : nullptr));
    }
}

void AnalyzerClient::PlayHistoryLine()
{
    chord* record = historyList_->RecordAt(historyList_->currentRow());
    if (!record) return;
    record->instrument = Chord.instrument;
    record->program = Chord.program;
    PlayQueue::Shared().Enqueue(*record);
}

void AnalyzerClient::PlayAnalysisLine(int row)
{
    QListWidgetItem* line = analysisList_->item(row);
    if (!line) return;
    const PitchSet word = PitchSet::FromWord(line->data(WordRole).toUInt());
    PlayQueue& queue = PlayQueue::Shared();
    switch (OutputView) {
    case AnalyzerView::Notes: queue.Enqueue(CombinedChord); break;
    case AnalyzerView::Key:
    case AnalyzerView::Scale:
        for (const chord& step : WordScaleSteps(word, Chord)) queue.Enqueue(step);
        break;
    default: queue.Enqueue(WordChord(word, Chord)); break;  // an Interval line is a silent step
    }
}

int AnalyzerClient::SaveExtra(char* buf, int size, int index)
{
    const chord* record = index >= 0 ? historyList_->RecordAt(index) : nullptr;
    if (!record) return 0;
    return WriteHistoryLine(*record, buf, size);
}

int AnalyzerClient::LoadExtra(const char* text, int length, int index)
{
    chord record;
    if (index < 0 || index >= HistorySize || !ReadHistoryLine(text, length, record)) return 0;
    // A damaged line before does not push the lines after it out.
    return AddToHistory(std::min(index, historyList_->count()), record) ? 1 : 0;
}

void AnalyzerClient::LayoutContents()
{
    const int w = width();
    const int h = height();
    int s = w * SplitPercent / 100;
    if (s < 21) s = 21;
    if (s > w - 14) s = w - 14;
    const int listHeight = std::max(0, h - 2 * Margin);
    historyList_->setGeometry(Margin, Margin, std::max(0, std::max(s - Margin, 14) - Margin), listHeight);
    analysisList_->setGeometry(s, Margin, std::max(0, w - Margin - s), listHeight);
    int x0 = s - PaneWidth;
    if (x0 < 0) x0 = 0;
    if (x0 + PaneWidth > w) x0 = w - PaneWidth;
    splitterPane_->setGeometry(x0, Margin, PaneWidth, listHeight);
}

void AnalyzerClient::PaneDropped(int x)
{
    const int w = width();
    if (w <= 0) return;
    SplitPercent = static_cast<int>(static_cast<unsigned>(std::clamp(x, 0, w)) * 100u / static_cast<unsigned>(w));
    LayoutContents();
}

void AnalyzerClient::ModeChanged() { Analyze(); }

int AnalyzerClient::ChangeSettings() { return RunAnalyzerSettingsDialog(this); }

void AnalyzerClient::SaveSettings(char*& out, int& remaining)
{
    mmMDIChildClient::SaveSettings(out, remaining);
    std::uint8_t bytes[SettingsSize];
    PutLE(bytes, static_cast<std::uint32_t>(OutputView), 4);
    PutLE(bytes + 4, static_cast<std::uint32_t>(HistorySize), 4);
    if (!ToString(bytes, SettingsSize, out, remaining)) return;
    const int written = 2 + 2 * SettingsSize;
    out += written;
    remaining -= written;
}

void AnalyzerClient::LoadSettings(char*& in, int& remaining)
{
    mmMDIChildClient::LoadSettings(in, remaining);
    std::uint8_t bytes[SettingsSize];
    int used = 0;
    if (!ReadHexRecordQuietly(in, remaining, bytes, SettingsSize, used)) return;
    in += used;
    remaining -= used;
    // A value no dialog could have set (a damaged file) keeps the default:
    // a size below 1 would empty the history on every arrival.
    const int view = GetLE32(bytes);
    const int size = GetLE32(bytes + 4);
    if (view >= 0 && view < AnalyzerView::Count) OutputView = view;
    if (ValidHistorySize(size)) HistorySize = size;
}

void AnalyzerClient::CutChord()
{
    mmMDIChildClient::CutChord();
    historyList_->KeyDown(Qt::Key_Delete);
}

void AnalyzerClient::ShowFound(PitchSet found)
{
    // From the highest note down, so that single notes stand ascending from
    // the top of the history.
    const std::vector<NOTES> notes = WordNotes(found);
    chord foundChord;
    for (auto n = notes.rbegin(); n != notes.rend(); ++n) {
        foundChord.AddNote(*n);
        if (Find.kind != 0) {
            chord single;
            single.AddNote(*n);
            TakeChord(single);
        }
    }
    if (Find.kind == 0) TakeChord(foundChord);
}

void AnalyzerClient::TakeChord(const chord& c)
{
    if (c.CountNotes() > 0) AddToHistory(0, c);
}

void AnalyzerClient::KeyDown(int key, int, int) { historyList_->KeyDown(key); }
void AnalyzerClient::KeyUp(int key, int, int) { historyList_->KeyUp(key); }

void AnalyzerClient::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
}
