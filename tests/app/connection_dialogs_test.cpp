// The Change Connections dialogs of ordinary components (5004), the Splitter
// (5006) and the Joiner (5005), the New Component dialog, and the help pages.
#include <QCheckBox>
#include <QPushButton>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <map>

#include "app/components/joiner/joiner_connections_dialog.h"
#include "app/components/splitter/splitter_connections_dialog.h"
#include "app/studio/change_connections_dialog.h"
#include "app/studio/connections_dialog.h"
#include "app/studio/new_component_dialog.h"
#include "ui/help_viewer.h"
#include "studio_fixture.h"

namespace {

void Choose(ConnectionsDialog& dialog, int listId, const QString& title)
{
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("id%1").arg(listId));
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> items = list->findItems(title, Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << title.toStdString();
    list->clearSelection();
    items.first()->setSelected(true);
}

QString SelectedIn(ConnectionsDialog& dialog, int listId)
{
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("id%1").arg(listId));
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

using ConnectionDialogsTest = StudioTest;

TEST_F(ConnectionDialogsTest, ChangeConnectionsShowsAndReplacesTheLinks)
{
    RecordingClient* in = Recorder("In");
    RecordingClient* me = Recorder("Me");
    RecordingClient* out = Recorder("Out");
    Connect(in, 0, me, 0);
    Connect(me, 0, out, 0);
    auto dialog = MakeChangeConnectionsDialog(nullptr, me);
    EXPECT_EQ(dialog->objectName(), "dlg5004");
    EXPECT_EQ(SelectedIn(*dialog, 101), "In");
    EXPECT_EQ(SelectedIn(*dialog, 102), "Out");
    EXPECT_FALSE(dialog->findChild<QCheckBox*>("id103")->isChecked());

    // No input, itself as output (a self-link), pass-through on.
    Choose(*dialog, 101, "[No Connection]");
    Choose(*dialog, 102, "Me");
    dialog->findChild<QCheckBox*>("id103")->setChecked(true);
    ClearStudioModified();
    dialog->Apply();
    EXPECT_TRUE(in->Links[1].Empty());
    EXPECT_TRUE(out->Links[0].Empty());
    EXPECT_TRUE(me->Links[0].Holds(me, me));
    EXPECT_EQ(me->PassThrough, 1);
    EXPECT_FALSE(StudioModified());  // connection changes do not mark the studio
}

TEST_F(ConnectionDialogsTest, SplitterDialogRewiresInputAndBothOutputs)
{
    RecordingClient* source = Recorder("Source");
    SplitterClient* s = Splitter("Fork");
    RecordingClient* left = Recorder("Left");
    RecordingClient* right = Recorder("Right");
    Connect(source, 0, s, 0);
    Connect(s, 0, left, 0);
    Connect(s, 1, right, 0);
    auto dialog = MakeSplitterConnectionsDialog(nullptr, s);
    EXPECT_EQ(dialog->objectName(), "dlg5006");
    EXPECT_EQ(SelectedIn(*dialog, 102), "Source");
    EXPECT_EQ(SelectedIn(*dialog, 101), "Left");
    EXPECT_EQ(SelectedIn(*dialog, 103), "Right");
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("id104")->isChecked());

    Choose(*dialog, 101, "Right");
    Choose(*dialog, 103, "[No Connection]");
    dialog->Apply();
    EXPECT_TRUE(s->Links[1].Holds(s, right));
    EXPECT_TRUE(s->Links[2].Empty());
    EXPECT_TRUE(left->Links[0].Empty());
    EXPECT_TRUE(s->Links[0].Holds(source, s));
}

TEST_F(ConnectionDialogsTest, JoinerDialogRewiresBothInputsAndItsOutput)
{
    RecordingClient* a = Recorder("A");
    RecordingClient* b = Recorder("B");
    JoinerClient* j = Joiner("Join");
    RecordingClient* sink = Recorder("Sink");
    Connect(a, 0, j, 0);
    Connect(j, 0, sink, 0);
    auto dialog = MakeJoinerConnectionsDialog(nullptr, j);
    EXPECT_EQ(dialog->objectName(), "dlg5005");
    EXPECT_EQ(SelectedIn(*dialog, 101), "A");
    EXPECT_EQ(SelectedIn(*dialog, 103), "[No Connection]");
    EXPECT_EQ(SelectedIn(*dialog, 102), "Sink");

    Choose(*dialog, 101, "B");
    Choose(*dialog, 103, "A");
    dialog->findChild<QCheckBox*>("id104")->setChecked(false);  // Merge All Chords
    dialog->Apply();
    EXPECT_TRUE(j->Links[0].Holds(b, j));
    EXPECT_TRUE(j->Links[1].Holds(a, j));
    EXPECT_TRUE(j->Links[2].Holds(j, sink));
    EXPECT_EQ(j->PassThrough, 0);
}

// Every link slot of every component, by title.
std::map<std::string, std::vector<std::pair<std::string, std::string>>> AllLinks()
{
    auto title = [](const ComponentNode* n) { return n ? n->Title() : std::string("-"); };
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> links;
    for (const ComponentNode* n = FirstComponent(); n; n = n->Next)
        for (const LinkSlot& slot : n->Links) links[n->Title()].emplace_back(title(slot.From), title(slot.To));
    return links;
}

TEST_F(ConnectionDialogsTest, OkOnAnUnchangedDialogKeepsEveryLink)
{
    // Every kind and port count, linked at ports other than the first: an
    // Analyzer on a Splitter's second output and into a Joiner's second
    // input, a Splitter using its second output only, a Splitter crossing
    // into both inputs of one Joiner, and links of components to themselves.
    RecordingClient* keys = Recorder("Keys");
    SplitterClient* fork = Splitter("Fork");
    auto* guitar = Create<mmMDIChildClient>(ComponentKind::Guitar, "Guitar");
    auto* analyzer = Create<mmMDIChildClient>(ComponentKind::Analyzer, "Analyzer");
    JoinerClient* join = Joiner("Join");
    SplitterClient* second = Splitter("Second");
    RecordingClient* sink = Recorder("Sink");
    SplitterClient* cross = Splitter("Cross");
    JoinerClient* both = Joiner("Both");
    RecordingClient* loop = Recorder("Loop");
    JoinerClient* selfJoin = Joiner("SelfJoin");
    auto* song = Create<mmMDIChildClient>(ComponentKind::Player, "Song");  // an output only
    Connect(keys, 0, fork, 0);
    Connect(fork, 0, guitar, 0);
    Connect(fork, 1, analyzer, 0);
    Connect(analyzer, 0, join, 1);
    Connect(join, 0, second, 0);
    Connect(second, 1, sink, 0);
    Connect(cross, 0, both, 1);
    Connect(cross, 1, both, 0);
    Connect(loop, 0, loop, 0);
    Connect(selfJoin, 0, selfJoin, 1);
    Connect(song, 0, keys, 0);
    fork->PassThrough = 0;  // the switch as it stands is kept too

    QTimer ok;
    QObject::connect(&ok, &QTimer::timeout, &ok, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) QTest::mouseClick(dialog->findChild<QPushButton*>("id1"), Qt::LeftButton);
    });
    ok.start(10);
    const auto before = AllLinks();
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        const int passThrough = n->PassThrough;
        static_cast<mmMDIChildClient*>(n)->ChangeConnections();
        EXPECT_EQ(AllLinks(), before) << "after OK on " << n->Title();
        EXPECT_EQ(n->PassThrough, passThrough) << n->Title();
    }

    // The Player's dialog offers its output and nothing it does not have.
    auto player = MakeChangeConnectionsDialog(nullptr, song);
    EXPECT_EQ(player->findChild<QListWidget*>("id101"), nullptr);
    EXPECT_EQ(SelectedIn(*player, 102), "Keys");
    EXPECT_TRUE(player->findChild<QCheckBox*>("id103")->isHidden());

    // A changed choice links the new component at its first free port: the
    // Guitar fed from the Splitter's output kept free for it.
    Unlink(fork, guitar);
    auto dialog = MakeChangeConnectionsDialog(nullptr, guitar);
    EXPECT_EQ(SelectedIn(*dialog, 101), "[No Connection]");
    Choose(*dialog, 101, "Fork");
    dialog->Apply();
    EXPECT_TRUE(fork->Links[1].Holds(fork, guitar));
    EXPECT_TRUE(fork->Links[2].Holds(fork, analyzer));
}

TEST_F(ConnectionDialogsTest, NewComponentDialogRemembersTheLastChoice)
{
    {
        NewComponentDialog dialog(nullptr);
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("id102")->isChecked());  // Keyboard when none was chosen
        EXPECT_EQ(dialog.ChosenKind(), ComponentKind::Keyboard);
        dialog.findChild<QRadioButton*>("id106")->setChecked(true);
        dialog.accept();
    }
    NewComponentDialog again(nullptr);
    EXPECT_EQ(again.ChosenKind(), ComponentKind::Joiner);
    again.findChild<QRadioButton*>("id104")->setChecked(true);
    EXPECT_EQ(again.ChosenKind(), ComponentKind::Analyzer);
    again.reject();  // cancel keeps the earlier choice
    NewComponentDialog third(nullptr);
    EXPECT_EQ(third.ChosenKind(), ComponentKind::Joiner);
    third.findChild<QRadioButton*>("id102")->setChecked(true);
    third.accept();
}

TEST(HelpPagesTest, AnUnknownContextShowsTheIndex)
{
    const std::string book = CANTREL_SOURCE_DIR "/data/help";
    EXPECT_EQ(HelpPageFor(book, 9002), book + "/9002.html");
    EXPECT_EQ(HelpPageFor(book, 12345), book + "/index.html");
    EXPECT_EQ(HelpPageFor(book + "/452.html", 7), book + "/452.html");
    EXPECT_EQ(HelpPageFor(book + "/missing", 7), "");
}

}  // namespace
