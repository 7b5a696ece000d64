#pragma once
// The Analyzer: collects the chords that arrive into a history, and tells for
// the entries the user selects their notes, chord names, keys, scales or
// intervals. History on the left, analysis on the right, a bar between them
// that sets their widths.

#include <vector>

#include "app/components/analyzer/analysis_lines.h"
#include "app/studio/mm_mdi_child_client.h"

class Pane;
class QListWidget;
class THistoryList;

class AnalyzerClient : public mmMDIChildClient {
    Q_OBJECT
public:
    static constexpr int AnalysisListId = 101;
    static constexpr int DefaultHistorySize = 20;
    static constexpr int MaxHistorySize = 9999;
    static constexpr int SettingsSize = 8;

    AnalyzerClient();
    ~AnalyzerClient() override;

    THistoryList* HistoryList() const { return historyList_; }
    QListWidget* AnalysisList() const { return analysisList_; }
    Pane* SplitterPane() const { return splitterPane_; }

    // 0 Notes, 1 Chord, 2 Key, 3 Scale, 4 Interval (AnalyzerView).
    int OutputView = AnalyzerView::Notes;
    int HistorySize = DefaultHistorySize;
    chord CombinedChord;
    int SplitPercent = 30;

    // Inserts a record of c at `index`; at 0 it becomes the one selected line
    // and is analysed. False when the line could not be inserted.
    bool AddToHistory(int index, const chord& c);
    // Drops the lines from n on.
    void TrimHistory(int n);
    // Writes every line again from its record (after a change of mode).
    void RefreshHistoryLines();
    // Fills the analysis list from the selected history lines.
    void Analyze();
    // A history size as the user may set it: 1 to 9999.
    static bool ValidHistorySize(int size) { return size >= 1 && size <= MaxHistorySize; }

    // The shared play queue: a double-click on a history line or an
    // analysis line.
    void PlayHistoryLine();
    void PlayAnalysisLine(int row);

    int SaveExtra(char* buf, int size, int index) override;
    int LoadExtra(const char* text, int length, int index) override;
    void LayoutContents() override;
    void ModeChanged() override;
    int ChangeSettings() override;
    void SaveSettings(char*& out, int& remaining) override;
    void LoadSettings(char*& in, int& remaining) override;
    void CutChord() override;
    void ShowFound(PitchSet found) override;
    void TakeChord(const chord& c) override;
    void KeyDown(int key, int repeat, int flags) override;
    void KeyUp(int key, int repeat, int flags) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void HistorySelectionChanged();
    void AnalysisSelectionChanged();
    void PaneDropped(int x);
    std::vector<const chord*> SelectedRecords() const;

    THistoryList* historyList_;
    QListWidget* analysisList_;
    Pane* splitterPane_;
};
