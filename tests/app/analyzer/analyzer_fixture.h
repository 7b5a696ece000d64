#pragma once
// Analyzers in a studio on the offscreen platform, naming from a small set of
// definitions of their own, every message line recorded, the program's play
// queue emptied before and after.

#include <string>
#include <vector>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/components/analyzer/play_queue.h"
#include "core/studio/chord_names_line.h"
#include "core/theory/definition_lists.h"
#include "app/studio_fixture.h"

// Notes counted from A: middle C is C6.
constexpr NOTES A5 = 48, C6 = 63, Cs6 = 64, D6 = 65, E6 = 67, G6 = 70, A6 = 72;

inline chord ChordOf(std::initializer_list<NOTES> notes)
{
    chord c;
    for (NOTES n : notes) c.AddNote(n);
    return c;
}

class AnalyzerTest : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        scratch.Write("cantrel.ini",
                      "[Global]\nMaxChords=5\n"
                      "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m\",\"Minor\", 1 3b 5\n"
                      "3=\"7\",\"Dominant Seventh\", 1 3 5? 7b\n4=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n"
                      "[Scales]\n1=\"Major\", 1 1 \xC2\xBD 1 1 1 \xC2\xBD\n"
                      "[Keys]\n1=\"C Major\", C D E F G A B\n2=\"G Major\", G A B C D E F+\n");
        ForgetProfiles();
        UseINIFileName(iniPath.c_str());
        ASSERT_TRUE(InitializeChordList() && InitializeScaleList() && InitializeKeyList());
        SetChordNamesSink([this](const std::string& line) { messageLines.push_back(line); });
        PlayQueue::Shared().Clear();
    }

    void TearDown() override
    {
        PlayQueue::Shared().Clear();
        StudioTest::TearDown();
        ReleaseChordList();
        ReleaseScaleList();
        ReleaseKeyList();
    }

    AnalyzerClient* Analyzer() { return Create<AnalyzerClient>(ComponentKind::Analyzer); }

    static std::vector<std::string> Lines(const QListWidget* list)
    {
        std::vector<std::string> lines;
        for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }
    static std::vector<int> SelectedRows(const QListWidget* list)
    {
        std::vector<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) rows.push_back(i);
        return rows;
    }

    std::vector<std::string> messageLines;
};
