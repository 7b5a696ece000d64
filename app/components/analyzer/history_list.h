#pragma once
// The Analyzer's history: one line per chord that arrived, newest at the top,
// each line owning its chord record. Several lines can be selected (with
// Shift and Ctrl). It handles its own keys: BackSpace empties it, Delete
// removes the line at the caret, Space sounds the component's chord while
// held.

#include <QListWidget>

#include <vector>

#include "core/theory/chord.h"

class AnalyzerClient;

class THistoryList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int ControlId = 100;

    THistoryList(AnalyzerClient* client, QWidget* parent);

    // The record of line `row`, or null.
    chord* RecordAt(int row) const;
    // Inserts a line with its record at `row` (at most the line count). False
    // when the row lies beyond the end.
    bool InsertRecord(int row, const chord& record, const QString& text);
    // Drops the lines from `n` on, with their records.
    void TrimTo(int n);
    // Rewrites the text of every line (the records stay).
    void SetLineText(int row, const QString& text);

    // Rows of the selected lines, ascending, at most `limit`.
    std::vector<int> SelectedRows(int limit) const;
    // Makes `row` the caret line and the only one selected, without telling
    // the Analyzer (it analyses itself).
    void SelectOnly(int row);

    // The keys as if pressed on the list (no modifiers).
    void KeyDown(int key);
    void KeyUp(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The list's own keys; false for keys the list box handles as usual.
    bool OwnKeyDown(int key);
    bool OwnKeyUp(int key);
    void DeleteCaretLine();

    AnalyzerClient* client_;
};
