// The Analyzer in a studio: its history, its views as the user works them,
// its keys, Find, its settings, the shared play queue and the studio file.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include "app/components/analyzer/analyzer_settings_dialog.h"
#include "app/commands/component_commands.h"
#include "controls/led_button.h"
#include "controls/pane.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "app/analyzer/analyzer_fixture.h"

namespace {

using AnalyzerClientTest = AnalyzerTest;

QPoint RowCentre(QListWidget* list, int row)
{
    list->doItemsLayout();  // lines just added are laid out later
    return list->visualItemRect(list->item(row)).center();
}

// A click, then a double-click: in a window that is not active the first
// press only wakes the list.
void DoubleClickRow(QListWidget* list, int row)
{
    const QPoint at = RowCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(AnalyzerClientTest, HistoryKeepsItsSizeNewestOnTopSelectedAndAnalysed)
{
    AnalyzerClient* a = Analyzer();
    EXPECT_EQ(a->PassThrough, 1);
    EXPECT_NE(a->Frame()->ComponentToolBar()->findChild<QAction*>("cmd23010"), nullptr);  // the full tool bar
    EXPECT_EQ(a->HistorySize, 20);
    a->HistorySize = 3;
    a->TakeChord(chord());  // no notes: not entered
    EXPECT_EQ(a->HistoryList()->count(), 0);
    for (NOTES root : {C6, D6, E6, G6}) a->TakeChord(ChordOf({root, root + 4, root + 7}));
    EXPECT_EQ(Lines(a->HistoryList()), (std::vector<std::string>{"G", "E", "D"}));
    EXPECT_EQ(SelectedRows(a->HistoryList()), std::vector<int>{0});
    EXPECT_EQ(Lines(a->AnalysisList()), (std::vector<std::string>{" G\t1", " B\t3", " D\t5"}));
    EXPECT_EQ(a->Chord.notes[0], G6);

    // Selecting more with the mouse analyses them together and names the chord.
    QTest::mouseClick(a->HistoryList()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      RowCentre(a->HistoryList(), 2));
    EXPECT_EQ(SelectedRows(a->HistoryList()), (std::vector<int>{0, 2}));
    EXPECT_EQ(Lines(a->AnalysisList()), (std::vector<std::string>{" A\t2", " B\t3", "*D\t5", " F#\t7", " G\t1"}));
    ASSERT_FALSE(messageLines.empty());
    EXPECT_EQ(messageLines.back(), ChordNamesLine(a->Chord, MaxChords()));

    // Delete removes only the entry at the caret (row 2, the last clicked).
    a->KeyDown(Qt::Key_Delete, 1, 0);
    EXPECT_EQ(Lines(a->HistoryList()), (std::vector<std::string>{"G", "E"}));
    // BackSpace (Reset) empties history and analysis.
    a->Frame()->Command(ComponentCommand::Reset);
    EXPECT_EQ(a->HistoryList()->count(), 0);
    EXPECT_EQ(a->AnalysisList()->count(), 0);
    EXPECT_EQ(a->CombinedChord.CountNotes(), 0);
}

TEST_F(AnalyzerClientTest, ClickingANoteMakesItTheReferenceAndLinesGiveDegrees)
{
    AnalyzerClient* a = Analyzer();
    a->TakeChord(ChordOf({C6, E6, G6}));
    QListWidget* analysis = a->AnalysisList();
    QTest::mouseClick(analysis->viewport(), Qt::LeftButton, {}, RowCentre(analysis, 1));
    EXPECT_EQ(Lines(analysis), (std::vector<std::string>{" C\t5#", " E\t1", " G\t3b"}));
    EXPECT_EQ(SelectedRows(analysis), std::vector<int>{1});
    EXPECT_EQ(a->HistoryList()->RecordAt(0)->key, E6);

    // A Chord, Key or Scale line writes its degrees into the status bar.
    for (int view : {AnalyzerView::Chord, AnalyzerView::Key, AnalyzerView::Scale}) {
        a->OutputView = view;
        a->Analyze();
        QTest::mouseClick(analysis->viewport(), Qt::LeftButton, {}, RowCentre(analysis, 0));
        EXPECT_EQ(messageLines.back(),
                  view == AnalyzerView::Chord ? "1:C  3:E  5:G  " : "1:C  2:D  3:E  4:F  5:G  6:A  7:B  ");
    }
    // The menu's mode switch analyses again but keeps the history lines.
    a->SetMode(NotesMode);
    EXPECT_EQ(Lines(a->HistoryList()), std::vector<std::string>{"C"});
    EXPECT_EQ(analysis->count(), 3);
}

TEST_F(AnalyzerClientTest, FoundKeysComeAsSingleNotesAndChordsAsOneEntry)
{
    AnalyzerClient* a = Analyzer();
    a->Find.kind = 2;  // a key
    a->ShowFound(PitchSet::FromWord(chord::GetKeyBits(3, 1)));
    EXPECT_EQ(Lines(a->HistoryList()),
              (std::vector<std::string>{"\u00ABC \u00BB", "\u00ABD \u00BB", "\u00ABE \u00BB", "\u00ABF \u00BB",
                                        "\u00ABG \u00BB", "\u00ABA \u00BB", "\u00ABB \u00BB"}));
    std::vector<NOTES> notes;
    for (int row = 0; row < 7; ++row) notes.push_back(a->HistoryList()->RecordAt(row)->notes[0]);
    EXPECT_EQ(notes, (std::vector<NOTES>{51, 53, 55, 56, 58, 60, 62}));

    a->TrimHistory(0);
    a->Find.kind = 0;  // a chord
    unsigned optional = 0;
    a->ShowFound(PitchSet::FromWord(chord::GetChordBits(3, GetChordDefinition(0), &optional)));
    a->ShowFound(PitchSet());  // no choice: nothing
    ASSERT_EQ(a->HistoryList()->count(), 1);
    EXPECT_EQ(a->HistoryList()->RecordAt(0)->CountNotes(), 3);
    EXPECT_EQ(a->HistoryList()->item(0)->text(), "C");
}

TEST_F(AnalyzerClientTest, DoubleClicksQueueChordsAndScalesInTheSharedQueue)
{
    auto backend = std::make_unique<CaptureBackend>();
    CaptureBackend* capture = backend.get();
    SetMidiBackend(std::move(backend));
    {
        MidiDev primary;
        AnalyzerClient* a = Analyzer();
        a->Chord.program = 33;
        a->TakeChord(ChordOf({C6, E6, G6}));
        PlayQueue& queue = PlayQueue::Shared();
        a->OutputView = AnalyzerView::Scale;
        a->Analyze();
        DoubleClickRow(a->AnalysisList(), 0);  // "C Major"
        EXPECT_EQ(queue.Count(), 8);
        EXPECT_TRUE(queue.Stepping());

        // The queue plays on when the Analyzer that filled it closes: the
        // scale up to the octave, one note a step, with the Analyzer's program.
        delete a->Frame();
        capture->ClearMessages();
        std::vector<int> played;
        for (int step = 0; step < 8; ++step) {
            EXPECT_TRUE(queue.Stepping());
            queue.Step();
            EXPECT_EQ(queue.Count(), 7 - step);
        }
        for (const CapturedMessage& m : capture->Messages()) {
            if (m.bytes[0] == 0x90) played.push_back(m.bytes[1]);
            if (m.bytes[0] == 0xC0) {
                EXPECT_EQ(m.bytes[1], 33);
            }
        }
        EXPECT_EQ(played, (std::vector<int>{48, 50, 52, 53, 55, 57, 59, 60}));
        queue.Step();  // the tick after the last step silences it and stops
        EXPECT_FALSE(queue.Playing());
        EXPECT_FALSE(queue.Stepping());
        EXPECT_EQ(capture->Messages().back().bytes[0], 0x80);

        AnalyzerClient* b = Analyzer();
        b->TakeChord(ChordOf({C6, E6, G6}));
        for (int i = 0; i < 30; ++i) DoubleClickRow(b->HistoryList(), 0);
        EXPECT_EQ(queue.Count(), PlayQueue::Capacity);  // full: the rest were dropped
    }
    PlayQueue::Shared().Clear();
    MidiDev::ReleaseDevices();
    SetMidiBackend(nullptr);
}

TEST_F(AnalyzerClientTest, SettingsDialogAppliesAndKeepsTheHistorySizeSound)
{
    AnalyzerClient* a = Analyzer();
    for (NOTES root : {C6, D6, E6, G6}) a->TakeChord(ChordOf({root, root + 4, root + 7}));
    struct Case {
        const char* text;
        int size;
    } cases[] = {{"0", 20}, {"-5", 20}, {"abc", 20}, {"", 20}, {"9999", 9999}, {"2", 2}};
    for (const Case& k : cases) {
        AnalyzerSettingsDialog dialog(nullptr, a);
        EXPECT_EQ(dialog.objectName(), "dlg8999");
        dialog.findChild<QLineEdit*>("id103")->setText(k.text);
        dialog.Apply(a);
        EXPECT_EQ(a->HistorySize, k.size) << k.text;
    }
    EXPECT_EQ(Lines(a->HistoryList()), (std::vector<std::string>{"G", "E"}));

    AnalyzerSettingsDialog dialog(nullptr, a);
    dialog.findChild<QRadioButton*>("id113")->setChecked(true);
    dialog.findChild<LEDButton*>("id155")->setChecked(true);
    dialog.Apply(a);
    EXPECT_EQ(a->Mode, NotesMode);
    EXPECT_EQ(a->OutputView, AnalyzerView::Interval);
    EXPECT_EQ(Lines(a->HistoryList()), (std::vector<std::string>{"\u00ABG B D \u00BB", "\u00ABE G# B \u00BB"}));
    EXPECT_EQ(a->AnalysisList()->count(), 9);
}

TEST_F(AnalyzerClientTest, HistoryAndSettingsComeBackWithTheStudio)
{
    AnalyzerClient* a = Analyzer();
    a->HistorySize = 7;
    a->OutputView = AnalyzerView::Key;
    for (NOTES root : {C6, D6, E6}) a->TakeChord(ChordOf({root, root + 4, root + 7}));
    const std::string path = scratch.File("analyzer.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    auto* back = dynamic_cast<AnalyzerClient*>(FirstComponent());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->HistorySize, 7);
    EXPECT_EQ(back->OutputView, AnalyzerView::Key);
    EXPECT_EQ(Lines(back->HistoryList()), (std::vector<std::string>{"E", "D", "C"}));
    EXPECT_EQ(back->HistoryList()->RecordAt(2)->notes[1], E6);

    // A damaged size, or a damaged history line, loses nothing else.
    std::string text = scratch.Read("analyzer.cts");
    const std::size_t blob = text.find("080200000007000000");
    ASSERT_NE(blob, std::string::npos);
    text.replace(blob, 18, "0802000000FFFFFFFF");
    const std::size_t second = text.find("1.2=") + 4;
    text[second + 10] = 'x';
    scratch.Write("analyzer.cts", text);
    ForgetProfiles();
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    back = dynamic_cast<AnalyzerClient*>(FirstComponent());
    EXPECT_EQ(back->HistorySize, AnalyzerClient::DefaultHistorySize);
    EXPECT_EQ(Lines(back->HistoryList()), (std::vector<std::string>{"E", "C"}));
    EXPECT_TRUE(errors.Numbers().empty());
}

TEST_F(AnalyzerClientTest, ThePaneSetsTheWidthsOfTheLists)
{
    AnalyzerClient* a = Analyzer();
    a->resize(400, 200);
    a->LayoutContents();
    EXPECT_EQ(a->HistoryList()->geometry(), QRect(7, 7, 106, 186));
    EXPECT_EQ(a->AnalysisList()->geometry(), QRect(120, 7, 273, 186));
    EXPECT_EQ(a->SplitterPane()->geometry(), QRect(113, 7, 7, 186));
    emit a->SplitterPane()->Dropped(200);
    EXPECT_EQ(a->SplitPercent, 50);
    EXPECT_EQ(a->AnalysisList()->x(), 200);
    emit a->SplitterPane()->Dropped(-40);  // dragged out of the window: as far as it goes
    EXPECT_EQ(a->HistoryList()->geometry(), QRect(7, 7, 7, 186));
    EXPECT_EQ(a->AnalysisList()->x(), 21);
}

}  // namespace
