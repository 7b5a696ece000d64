// Creating components: titles, kinds, window states, and the lists the
// connection dialogs choose from.
#include "app/studio/component_factory.h"
#include "app/commands/studio_commands.h"
#include "studio_fixture.h"

namespace {

using ComponentCreationTest = StudioTest;

QString Automatic(const char* title) { return QString::fromUtf8(title) + QChar(0xA0); }

TEST_F(ComponentCreationTest, OneCounterNumbersEveryKindAndRestartsInAnEmptyStudio)
{
    mmMDIChild* keyboard = CreateComponent(studio, ComponentKind::Keyboard, false);
    mmMDIChild* splitter = CreateComponent(studio, ComponentType::Splitter, false);  // a type id works too
    ASSERT_TRUE(keyboard && splitter);
    EXPECT_EQ(keyboard->windowTitle(), Automatic("Keyboard 1"));
    EXPECT_EQ(splitter->windowTitle(), Automatic("Splitter 2"));
    EXPECT_TRUE(keyboard->windowTitle().toUtf8().endsWith('\xA0'));
    EXPECT_TRUE(StudioModified());

    delete keyboard;
    mmMDIChild* joiner = CreateComponent(studio, ComponentKind::Joiner, false);
    EXPECT_EQ(joiner->windowTitle(), Automatic("Joiner 3"));  // closing does not lower the counter

    delete splitter;
    delete joiner;
    mmMDIChild* again = CreateComponent(studio, ComponentKind::Splitter, false);
    EXPECT_EQ(again->windowTitle(), Automatic("Splitter 1"));
}

TEST_F(ComponentCreationTest, KindsNothingIsMadeOfAreRefused)
{
    SetComponentFactory(ComponentKind::Keyboard, nullptr);
    for (int kind : {ComponentKind::Sheet, int(ComponentType::Sheet), ComponentKind::Keyboard, 4711}) {
        errors.Clear();
        EXPECT_EQ(CreateComponent(studio, kind, false), nullptr) << kind;
        EXPECT_EQ(errors.Numbers(), std::vector<int>{409});
    }
    EXPECT_EQ(ComponentCount(), 0);
}

TEST_F(ComponentCreationTest, WindowStatesFollowKindAndActiveWindow)
{
    mmMDIChild* splitter = CreateComponent(studio, ComponentKind::Splitter, false);
    EXPECT_TRUE(splitter->isMinimized());
    mmMDIChild* first = CreateComponent(studio, ComponentKind::Keyboard, false);
    EXPECT_FALSE(first->isMaximized());
    first->showMaximized();
    studio->setActiveSubWindow(first);
    mmMDIChild* second = CreateComponent(studio, ComponentKind::Keyboard, false);
    EXPECT_TRUE(second->isMaximized());
    mmMDIChild* loaded = CreateComponent(studio, ComponentKind::Keyboard, true);
    EXPECT_FALSE(loaded->isVisible());  // shown when its placement is restored
}

TEST_F(ComponentCreationTest, NewComponentCommandCreatesTheChosenKind)
{
    studio->ChooseNewComponent = [] { return ComponentKind::Joiner; };
    studio->Command(StudioCommand::NewComponent);
    ASSERT_EQ(ComponentCount(), 1);
    EXPECT_EQ(FirstComponent()->TypeId, ComponentType::Joiner);
    studio->ChooseNewComponent = [] { return 0; };  // cancelled
    studio->Command(StudioCommand::NewComponent);
    EXPECT_EQ(ComponentCount(), 1);
}

TEST_F(ComponentCreationTest, ComponentListsOfferNoConnectionAndFindTheFirstTitle)
{
    RecordingClient* a = Recorder("Bass");
    SplitterClient* s = Splitter("Bass");
    RecordingClient* c = Recorder("Lead");

    TListBoxData all;
    EXPECT_EQ(FillComponentList(all, c, 0), -3);
    const std::vector<std::string> titles{"[No Connection]", "Bass", "Bass", "Lead"};
    EXPECT_EQ(all.strings, titles);
    EXPECT_EQ(all.selectedIndices, std::vector<int>{3});

    TListBoxData none;
    EXPECT_EQ(FillComponentList(none, nullptr, 0), 3);
    EXPECT_EQ(none.selectedIndices, std::vector<int>{0});
    EXPECT_EQ(FindComponentByTitle(none), nullptr);

    TListBoxData splitters;
    EXPECT_EQ(FillComponentList(splitters, a, ComponentType::Splitter), 1);
    EXPECT_EQ(splitters.strings, std::vector<std::string>{"Bass"});

    // Two components titled alike: the first in list order is meant.
    all.selectedIndices = {2};
    EXPECT_EQ(FindComponentByTitle(all), a);
    all.selectedIndices = {3};
    c->Frame()->setWindowTitle("Renamed");
    EXPECT_EQ(FindComponentByTitle(all), nullptr);
    (void)s;
}

}  // namespace
