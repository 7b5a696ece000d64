// The note flow between real component windows: put out, pass-through, loops,
// get in, joining levels and the level limit, and closing a component.
#include "app/commands/studio_commands.h"
#include "studio_fixture.h"

namespace {

using NoteFlowTest = StudioTest;

TEST_F(NoteFlowTest, PutOutFollowsEachPathToItsEndBeforeTheNextOutput)
{
    RecordingClient* a = Recorder();
    SplitterClient* s = Splitter();
    RecordingClient* b = Recorder();
    RecordingClient* c = Recorder();
    RecordingClient* d = Recorder();
    b->PassThrough = 1;
    Connect(a, 0, s, 0);
    Connect(s, 0, b, 0);
    Connect(b, 0, c, 0);
    Connect(s, 1, d, 0);
    a->SetNotes({39, 43, 46});

    PutOut(a);

    const std::vector<const RecordingClient*> expected{b, c, d};
    EXPECT_EQ(RecordingClient::Log(), expected);
    EXPECT_EQ(c->Notes(), NotesOf({39, 43, 46}));
    EXPECT_EQ(d->Notes(), NotesOf({39, 43, 46}));
    EXPECT_EQ(FlowDepth(), 0);
    EXPECT_EQ(FlowLevel(), 1u);

    // Without pass-through the chord stops at b.
    b->PassThrough = 0;
    RecordingClient::Log().clear();
    PutOut(a);
    const std::vector<const RecordingClient*> stopped{b, d};
    EXPECT_EQ(RecordingClient::Log(), stopped);
}

TEST_F(NoteFlowTest, NothingIsSentWithoutOutputs)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    Connect(b, 0, a, 0);  // a has an input but no output
    a->SetNotes({40});
    PutOut(a);
    EXPECT_TRUE(RecordingClient::Log().empty());
}

TEST_F(NoteFlowTest, LoopsAndSelfLinksDeliverOnceAndStop)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    a->PassThrough = b->PassThrough = 1;
    Connect(a, 0, b, 0);
    Connect(b, 0, a, 0);
    a->SetNotes({50});
    PutOut(a);
    const std::vector<const RecordingClient*> cycle{b, a};
    EXPECT_EQ(RecordingClient::Log(), cycle);

    RecordingClient* self = Recorder();
    Connect(self, 0, self, 0);
    EXPECT_EQ(self->Links[0].From, self);
    EXPECT_TRUE(self->Links[1].Empty());  // a self-link lies in the input slot only
    self->SetNotes({44});
    RecordingClient::Log().clear();
    PutOut(self);
    ASSERT_EQ(self->arrivals.size(), 1u);
    EXPECT_EQ(self->arrivals[0].notes, NotesOf({44}));
}

TEST_F(NoteFlowTest, GetInMakesTheNearestRealSourceSendAgain)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    RecordingClient* c = Recorder();
    b->PassThrough = 1;
    Connect(a, 0, b, 0);
    Connect(b, 0, c, 0);
    a->SetNotes({41, 45});

    PullInputs(c);

    const std::vector<const RecordingClient*> expected{b, c};
    EXPECT_EQ(RecordingClient::Log(), expected);
    EXPECT_EQ(c->Notes(), NotesOf({41, 45}));
    EXPECT_EQ(FlowDepth(), 0);
}

TEST_F(NoteFlowTest, GetInRoundAPassThroughLoopHasThePullerSend)
{
    // A -> B, B a pass-through Splitter feeding C and A, A pass-through.
    RecordingClient* a = Recorder();
    SplitterClient* b = Splitter();
    RecordingClient* c = Recorder();
    a->PassThrough = 1;
    Connect(a, 0, b, 0);
    Connect(b, 0, c, 0);
    Connect(b, 1, a, 0);
    a->SetNotes({47});

    PullInputs(c);

    // A's chord passes B and reaches C, and A again, where the wave stops.
    ASSERT_EQ(c->arrivals.size(), 1u);
    EXPECT_EQ(c->arrivals[0].notes, NotesOf({47}));
    EXPECT_EQ(a->arrivals.size(), 1u);
}

TEST_F(NoteFlowTest, MergingJoinerPutsOutTheSortedUnionOncePerWave)
{
    RecordingClient* source = Recorder();
    SplitterClient* fork = Splitter();
    RecordingClient* first = Recorder();
    RecordingClient* second = Recorder();
    JoinerClient* joiner = Joiner();
    RecordingClient* sink = Recorder();
    first->PassThrough = second->PassThrough = 1;
    first->replacement = {39, 43, 46};
    second->replacement = {43, 50};
    joiner->PassThrough = 0;
    Connect(source, 0, fork, 0);
    Connect(fork, 0, first, 0);
    Connect(fork, 1, second, 0);
    Connect(first, 0, joiner, 0);
    Connect(second, 0, joiner, 1);
    Connect(joiner, 0, sink, 0);
    source->SetNotes({60});

    PutOut(source);
    ASSERT_EQ(sink->arrivals.size(), 1u);
    EXPECT_EQ(sink->arrivals[0].notes, NotesOf({50, 46, 43, 39}));
    EXPECT_EQ(sink->arrivals[0].level, 2u);  // one level after the chords that formed it

    // A second wave starts from nothing.
    first->replacement = {40};
    second->replacement = {41};
    PutOut(source);
    ASSERT_EQ(sink->arrivals.size(), 2u);
    EXPECT_EQ(sink->arrivals[1].notes, NotesOf({41, 40}));
    EXPECT_EQ(joiner->PendingWaves, 0u);
}

TEST_F(NoteFlowTest, PassingJoinerForwardsEachChordAtOnce)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    JoinerClient* joiner = Joiner();
    RecordingClient* sink = Recorder();
    Connect(a, 0, joiner, 0);
    Connect(b, 0, joiner, 1);
    Connect(joiner, 0, sink, 0);
    a->SetNotes({40});
    b->SetNotes({52});
    PutOut(a);
    PutOut(b);
    ASSERT_EQ(sink->arrivals.size(), 2u);
    EXPECT_EQ(sink->arrivals[0].notes, NotesOf({40}));
    EXPECT_EQ(sink->arrivals[1].notes, NotesOf({52}));
    EXPECT_EQ(sink->arrivals[0].level, 1u);
}

TEST_F(NoteFlowTest, JoinersInSeriesEndOneLevelApart)
{
    RecordingClient* source = Recorder();
    JoinerClient* j1 = Joiner();
    JoinerClient* j2 = Joiner();
    RecordingClient* between = Recorder();
    RecordingClient* sink = Recorder();
    j1->PassThrough = j2->PassThrough = 0;
    between->PassThrough = 1;
    Connect(source, 0, j1, 0);
    Connect(j1, 0, between, 0);
    Connect(between, 0, j2, 0);
    Connect(j2, 0, sink, 0);
    source->SetNotes({45, 49});

    PutOut(source);
    ASSERT_EQ(between->arrivals.size(), 1u);
    EXPECT_EQ(between->arrivals[0].level, 2u);
    ASSERT_EQ(sink->arrivals.size(), 1u);
    EXPECT_EQ(sink->arrivals[0].level, 4u);
    EXPECT_EQ(sink->arrivals[0].notes, NotesOf({49, 45}));
    EXPECT_TRUE(errors.Empty());
}

// A chain of merging Joiners between a source and a sink.
struct JoinerChain {
    RecordingClient* source;
    std::vector<JoinerClient*> joiners;
    RecordingClient* sink;
};

class JoinerLimitTest : public StudioTest {
protected:
    JoinerChain Chain(int length)
    {
        JoinerChain chain{Recorder(), {}, nullptr};
        ComponentNode* previous = chain.source;
        for (int i = 0; i < length; ++i) {
            JoinerClient* j = Joiner();
            j->PassThrough = 0;
            Connect(previous, 0, j, 0);
            chain.joiners.push_back(j);
            previous = j;
        }
        chain.sink = Recorder();
        Connect(previous, 0, chain.sink, 0);
        return chain;
    }
};

TEST_F(JoinerLimitTest, ThirtyOneMergingLevelsStillArrive)
{
    JoinerChain chain = Chain(31);
    chain.source->SetNotes({42});
    PutOut(chain.source);
    EXPECT_TRUE(errors.Empty());
    ASSERT_EQ(chain.sink->arrivals.size(), 1u);
    EXPECT_EQ(chain.sink->arrivals[0].notes, NotesOf({42}));
}

TEST_F(JoinerLimitTest, TheThirtySecondLevelIsReportedOnceAndLeavesTheFlowIdle)
{
    JoinerChain chain = Chain(32);
    chain.source->SetNotes({42});
    PutOut(chain.source);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{452});
    EXPECT_TRUE(chain.sink->arrivals.empty());
    EXPECT_EQ(FlowDepth(), 0);
    EXPECT_EQ(FlowLevel(), 1u);
    for (JoinerClient* j : chain.joiners) EXPECT_EQ(j->PendingWaves, 0u);

    // The next wave runs normally from the start of the chain.
    errors.Clear();
    RecordingClient* other = Recorder();
    Connect(chain.source, 0, other, 0);
    PutOut(chain.source);
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(other->arrivals.size(), 1u);
}

TEST_F(NoteFlowTest, GetInEndsItsWaveSoAJoinerPutsOutAtOnce)
{
    RecordingClient* source = Recorder();
    JoinerClient* joiner = Joiner();
    RecordingClient* sink = Recorder();
    joiner->PassThrough = 0;
    Connect(source, 0, joiner, 0);
    Connect(joiner, 0, sink, 0);
    source->SetNotes({43, 47});

    PullInputs(joiner);

    EXPECT_EQ(joiner->PendingWaves, 0u);
    ASSERT_EQ(sink->arrivals.size(), 1u);
    EXPECT_EQ(sink->arrivals[0].notes, NotesOf({47, 43}));

    // A later wave merges only what arrives in it.
    RecordingClient* other = Recorder();
    Connect(other, 0, joiner, 1);
    other->SetNotes({55});
    PutOut(other);
    ASSERT_EQ(sink->arrivals.size(), 2u);
    EXPECT_EQ(sink->arrivals[1].notes, NotesOf({55}));
}

TEST_F(NoteFlowTest, ClosingAPassThroughComponentBridgesItsNeighbours)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    RecordingClient* c = Recorder();
    b->PassThrough = 1;
    Connect(a, 0, b, 0);
    Connect(b, 0, c, 0);
    delete b->Frame();
    EXPECT_EQ(a->Links[1].From, a);
    EXPECT_EQ(a->Links[1].To, c);
    EXPECT_EQ(c->Links[0].From, a);
    EXPECT_EQ(ComponentCount(), 2);

    RecordingClient* d = Recorder();  // not pass-through
    Connect(c, 0, d, 0);
    RecordingClient* e = Recorder();
    Connect(d, 0, e, 0);
    delete d->Frame();
    EXPECT_TRUE(c->Links[1].Empty());
    EXPECT_TRUE(e->Links[0].Empty());
}

TEST_F(NoteFlowTest, ConnectReplacesWhatEitherSlotHeld)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    RecordingClient* c = Recorder();
    JoinerClient* j = Joiner();
    Connect(a, 0, b, 0);
    Connect(a, 0, c, 0);  // a's one output moves to c
    EXPECT_TRUE(b->Links[0].Empty());
    EXPECT_EQ(c->Links[0].From, a);

    // Moving a link from one input of a Joiner to its other keeps both ends.
    Connect(a, 0, j, 0);
    Connect(a, 0, j, 1);
    EXPECT_TRUE(j->Links[0].Empty());
    EXPECT_EQ(j->Links[1].From, a);
    EXPECT_EQ(a->Links[1].To, j);
    EXPECT_TRUE(c->Links[0].Empty());

    // Null ends and indexes beyond the slots change nothing.
    Connect(nullptr, 0, b, 0);
    Connect(a, 1, b, 0);
    Connect(a, 0, b, 3);
    EXPECT_TRUE(b->Links[0].Empty());
}

TEST_F(NoteFlowTest, ComponentCommandsSwitchSoundAndModeOnTheToolBar)
{
    RecordingClient* r = Recorder();
    mmMDIChild* frame = r->Frame();
    r->SoundOn = 1;
    ClearStudioModified();
    EXPECT_EQ(frame->CommandChecked(101), 1);
    frame->Command(101);
    EXPECT_EQ(r->SoundOn, 0);
    EXPECT_TRUE(StudioModified());
    EXPECT_NE(frame->ComponentToolBar()->findChild<QAction*>("cmd23005"), nullptr);

    frame->Command(102);
    EXPECT_EQ(r->Mode, NotesMode);
    EXPECT_EQ(frame->CommandChecked(102), 1);
    EXPECT_EQ(frame->CommandChecked(103), 0);
    bool modeButton = false;
    for (QAction* action : frame->ComponentToolBar()->actions()) modeButton |= action->data().toInt() == NotesMode;
    EXPECT_TRUE(modeButton);

    // Reset clears the chord but does not put it out.
    RecordingClient* sink = Recorder();
    Connect(r, 0, sink, 0);
    r->SetNotes({40});
    frame->Command(111);
    EXPECT_EQ(r->Chord.CountNotes(), 0);
    EXPECT_TRUE(sink->arrivals.empty());
    frame->Command(23004);
    EXPECT_EQ(sink->arrivals.size(), 1u);
}

TEST_F(NoteFlowTest, EachFrameKeepsItsOwnSwitchButtons)
{
    RecordingClient* a = Recorder();
    RecordingClient* b = Recorder();
    a->SoundOn = b->SoundOn = 1;
    a->SetSound(0);
    b->SetSound(0);
    a->SetSound(1);
    delete a->Frame();
    bool found = false;
    for (QAction* action : b->Frame()->ComponentToolBar()->actions()) {
        found |= action->data().toInt() == 23005;
        EXPECT_EQ(action->parent(), b->Frame()->ComponentToolBar());
    }
    EXPECT_TRUE(found);
    b->Frame()->Command(23005, Qt::ControlModifier);
    EXPECT_EQ(b->SoundOn, 1);
}

TEST_F(NoteFlowTest, RoutersShowOnlyChangeConnections)
{
    SplitterClient* s = Splitter();
    const QList<QAction*> actions = s->Frame()->ComponentToolBar()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->data().toInt(), 23002);
    EXPECT_EQ(s->SoundOn, 0);
    EXPECT_EQ(s->PassThrough, 1);
    EXPECT_EQ(s->OutputCount, 2);
}

}  // namespace
