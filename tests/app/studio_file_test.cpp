// Saving and loading studios: round trips, repeated saves, Insert, placement
// units, damaged files, and the studio's name and modified state.
#include <QToolBar>

#include "app/studio/frame_placement.h"
#include "core/services/hex_record.h"
#include "ui/help_viewer.h"
#include "app/studio/studio_capacity.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_file_reader.h"
#include "studio_fixture.h"

namespace {

class StudioFileTest : public StudioTest {
protected:
    // Keyboard-type recorder "Bass" -> pass-through Splitter -> merging Joiner, Splitter -> recorder.
    void BuildSmallStudio()
    {
        bass = Recorder("Bass");
        bass->SetNotes({39, 43, 46});
        bass->Chord.program = 24;
        bass->SetMode(NotesMode);
        bass->SetSound(1);
        splitter = Splitter();
        joiner = Joiner();
        joiner->PassThrough = 0;
        other = Recorder();
        other->SetNotes({50});
        Connect(bass, 0, splitter, 0);
        Connect(splitter, 0, joiner, 1);
        Connect(splitter, 1, other, 0);
        other->StoredIconX = 123;
        other->ManualPosition = 1;
    }

    std::string Save(const char* name)
    {
        const std::string path = scratch.File(name);
        EXPECT_TRUE(studio->SaveStudio(path.c_str()));
        return path;
    }

    std::vector<ComponentNode*> Components() const
    {
        std::vector<ComponentNode*> all;
        for (ComponentNode* n = FirstComponent(); n; n = n->Next) all.push_back(n);
        return all;
    }

    // A component line for a Splitter, made the way the program writes one.
    static std::string SplitterLine() { return PlacementHex() + LineOfBase(ComponentType::Splitter); }
    static std::string PlacementHex()
    {
        WindowPlacementRecord placement;
        placement.normalPosition = QRect(512, 512, 4096, 2048);
        return placement.ToHex();
    }
    static std::string LineOfBase(int typeId)
    {
        BaseSettingsRecord record;
        record.typeId = static_cast<std::int16_t>(typeId);
        std::uint8_t bytes[BaseSettingsRecord::Size];
        record.Encode(bytes);
        char text[300];
        ToString(bytes, BaseSettingsRecord::Size, text, sizeof text);
        return text;
    }

    RecordingClient* bass = nullptr;
    SplitterClient* splitter = nullptr;
    JoinerClient* joiner = nullptr;
    RecordingClient* other = nullptr;
};

TEST_F(StudioFileTest, SaveCloseLoadGivesTheSameStudio)
{
    BuildSmallStudio();
    const std::string path = Save("round.cts");
    EXPECT_FALSE(StudioModified());
    EXPECT_EQ(GetProfileString(path, "Titles", "1", "?"), "Bass");
    EXPECT_EQ(GetProfileString(path, "Titles", "2", "?"), "");  // automatic titles are not kept

    ASSERT_TRUE(studio->CloseStudio());
    EXPECT_EQ(ComponentCount(), 0);
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    EXPECT_FALSE(StudioModified());

    std::vector<ComponentNode*> all = Components();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0]->TypeId, ComponentType::Keyboard);
    EXPECT_EQ(all[1]->TypeId, ComponentType::Splitter);
    EXPECT_EQ(all[2]->TypeId, ComponentType::Joiner);
    EXPECT_EQ(all[0]->Title(), "Bass");
    EXPECT_EQ(QString::fromStdString(all[1]->Title()), QString("Splitter 2") + QChar(0xA0));

    auto* b = static_cast<RecordingClient*>(all[0]);
    EXPECT_EQ(b->Notes(), NotesOf({39, 43, 46}));
    EXPECT_EQ(b->Chord.program, 24);
    EXPECT_EQ(b->Mode, NotesMode);
    EXPECT_EQ(b->SoundOn, 1);
    EXPECT_EQ(all[1]->SoundOn, 0);
    EXPECT_EQ(all[1]->PassThrough, 1);
    EXPECT_EQ(all[2]->PassThrough, 0);
    EXPECT_EQ(all[3]->StoredIconX, 123);
    EXPECT_EQ(all[3]->ManualPosition, 1);

    // The links join the same components in the same slots.
    EXPECT_TRUE(all[0]->Links[1].Holds(all[0], all[1]));
    EXPECT_TRUE(all[1]->Links[0].Holds(all[0], all[1]));
    EXPECT_TRUE(all[1]->Links[1].Holds(all[1], all[2]));
    EXPECT_TRUE(all[2]->Links[1].Holds(all[1], all[2]));
    EXPECT_TRUE(all[1]->Links[2].Holds(all[1], all[3]));

    // And the chord flows as before.
    RecordingClient::Log().clear();
    PutOut(all[0]);
    ASSERT_EQ(static_cast<RecordingClient*>(all[3])->arrivals.size(), 1u);
    EXPECT_EQ(static_cast<RecordingClient*>(all[3])->arrivals[0].notes, NotesOf({39, 43, 46}));
}

TEST_F(StudioFileTest, TwoSavesWriteTheSameBytesAndCostOneRewriteEach)
{
    BuildSmallStudio();
    for (int i = 0; i < 40; ++i) Splitter();
    const std::string path = scratch.File("twice.cts");
    const std::size_t before = ProfileRewriteCount();
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    EXPECT_EQ(ProfileRewriteCount() - before, 1u);
    const std::string first = scratch.Read("twice.cts");
    ASSERT_TRUE(studio->SaveStudio(path.c_str()));
    EXPECT_EQ(scratch.Read("twice.cts"), first);
    EXPECT_NE(first.find("[Windows]\n0=513\n"), std::string::npos);
}

TEST_F(StudioFileTest, SavingFewerComponentsEndsTheListInTheFile)
{
    BuildSmallStudio();
    const std::string path = Save("shrink.cts");
    delete other->Frame();
    delete joiner->Frame();
    Save("shrink.cts");
    StudioFileContents contents;
    ASSERT_TRUE(ReadStudioFile(path, contents));
    EXPECT_EQ(contents.components.size(), 2u);
}

TEST_F(StudioFileTest, AnEmptyStudioSavesAndLoads)
{
    const std::string path = Save("empty.cts");
    EXPECT_EQ(GetProfileString(path, "Windows", "0", ""), "513");
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    EXPECT_EQ(ComponentCount(), 0);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(StudioFileTest, InsertLinksTheNewComponentsOnlyToEachOther)
{
    RecordingClient* a = Recorder();
    SplitterClient* s = Splitter();
    Connect(a, 0, s, 0);
    const std::string path = Save("pair.cts");
    Recorder();  // three components now
    chosenFile = QString::fromStdString(path);
    ClearStudioModified();

    studio->Command(StudioCommand::Insert);

    EXPECT_TRUE(StudioModified());
    std::vector<ComponentNode*> all = Components();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_TRUE(all[3]->Links[1].Holds(all[3], all[4]));
    EXPECT_TRUE(all[4]->Links[0].Holds(all[3], all[4]));
    EXPECT_TRUE(all[0]->Links[1].Holds(all[0], all[1]));  // the old link stays as it was
    EXPECT_TRUE(all[2]->Links[0].Empty());
}

TEST(FramePlacementUnits, AreFractionsOfTheScreenWidth)
{
    WindowPlacementRecord pixels;
    pixels.normalPosition = QRect(QPoint(160, 120), QPoint(479, 359));  // (160,120)-(480,360)
    pixels.maximizedPosition = QPoint(-4, -4);
    const WindowPlacementRecord saved = PlacementToSaved(pixels, 640);
    EXPECT_EQ(saved.normalPosition.left(), 4096);
    EXPECT_EQ(saved.normalPosition.top(), 3072);
    EXPECT_EQ(saved.normalPosition.left() + saved.normalPosition.width(), 12288);
    EXPECT_EQ(saved.normalPosition.top() + saved.normalPosition.height(), 9216);
    EXPECT_EQ(saved.maximizedPosition, QPoint(-4, -4));  // kept in pixels

    const WindowPlacementRecord wide = PlacementFromSaved(saved, 1024);
    EXPECT_EQ(wide.normalPosition, QRect(QPoint(256, 192), QPoint(767, 575)));

    // Truncated toward zero, not rounded.
    pixels.normalPosition = QRect(1, 1, 1, 1);
    EXPECT_EQ(PlacementToSaved(pixels, 1000).normalPosition.left(), 16);
}

TEST(FramePlacementUnits, SavingAndLoadingAgainNeverMovesAWindow)
{
    for (int width : {640, 1000, 1366, 1920, 3840}) {
        WindowPlacementRecord pixels;
        pixels.normalPosition = QRect(QPoint(30, 40), QPoint(457, 311));
        pixels.minimizedPosition = QPoint(7, 613);
        WindowPlacementRecord cycled = pixels;
        for (int cycle = 0; cycle < 5; ++cycle) cycled = PlacementFromSaved(PlacementToSaved(cycled, width), width);
        EXPECT_EQ(cycled.normalPosition, pixels.normalPosition) << "screen " << width;
        EXPECT_EQ(cycled.minimizedPosition, pixels.minimizedPosition) << "screen " << width;
    }
}

TEST_F(StudioFileTest, ANormalFrameComesBackWhereItWas)
{
    RecordingClient* r = Recorder();
    r->Frame()->showNormal();
    r->Frame()->setGeometry(40, 30, 300, 200);
    const QRect before = r->Frame()->geometry();
    const std::string path = Save("place.cts");
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, false));
    ASSERT_EQ(ComponentCount(), 1);
    auto* loaded = static_cast<mmMDIChildClient*>(FirstComponent());
    EXPECT_TRUE(loaded->Frame()->isVisible());
    // Units of 1/16384 of the screen width may move an edge by a pixel.
    const QRect after = loaded->Frame()->geometry();
    EXPECT_LE(std::abs(after.left() - before.left()), 1);
    EXPECT_LE(std::abs(after.top() - before.top()), 1);
    EXPECT_LE(std::abs(after.width() - before.width()), 1);
    EXPECT_LE(std::abs(after.height() - before.height()), 1);
}

TEST_F(StudioFileTest, DamagedFilesAreReportedAndLeaveAUsableStudio)
{
    Recorder("Existing");
    const std::string good = SplitterLine();

    // No [Windows] "0": not a studio file, nothing created or closed.
    const std::string notStudio = scratch.Write("no0.cts", "[Windows]\n1=" + good + "\n");
    EXPECT_FALSE(studio->LoadStudio(notStudio.c_str(), true, false));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{407});
    EXPECT_EQ(ComponentCount(), 1);

    // An unknown type and the Sheet type stop the load; what it created goes.
    for (int type : {4711, int(ComponentType::Sheet)}) {
        errors.Clear();
        std::string bad = PlacementHex() + LineOfBase(type);
        const std::string path = scratch.Write("type.cts", "[Windows]\n0=513\n1=" + good + "\n2=" + bad + "\n");
        ForgetProfiles();
        EXPECT_FALSE(studio->LoadStudio(path.c_str(), false, false)) << type;
        EXPECT_EQ(errors.Numbers(), std::vector<int>{409});
        ASSERT_EQ(ComponentCount(), 1);
        EXPECT_EQ(FirstComponent()->Title(), "Existing");
    }

    // A damaged record is reported; the component keeps its defaults and can be seen.
    errors.Clear();
    std::string damaged = good;
    damaged[200] = 'G';
    const std::string path = scratch.Write("damaged.cts", "[Windows]\n0=513\n1=" + damaged + "\n");
    ForgetProfiles();
    EXPECT_TRUE(studio->LoadStudio(path.c_str(), false, false));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{400});  // hex reader: FF03
    ASSERT_EQ(ComponentCount(), 2);
    auto* loaded = static_cast<mmMDIChildClient*>(LastComponent());
    EXPECT_EQ(loaded->TypeId, ComponentType::Splitter);
    EXPECT_TRUE(loaded->Frame()->isVisible());
    EXPECT_EQ(loaded->PassThrough, 1);

    // The studio still saves and loads.
    errors.Clear();
    const std::string again = Save("again.cts");
    EXPECT_TRUE(studio->LoadStudio(again.c_str(), true, false));
    EXPECT_EQ(ComponentCount(), 2);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(StudioFileTest, AStudioHoldsAtMostTheBoundAndAFileBeyondItLeavesTheOpenStudio)
{
    Recorder("Existing");
    Recorder("Second");
    auto fileOf = [this](const char* name, int count) {
        const std::string line = SplitterLine();
        std::string text = "[Windows]\n0=513\n";
        for (int n = 1; n <= count; ++n) text += std::to_string(n) + "=" + line + "\n";
        return scratch.Write(name, text);
    };
    // One too many to open, or to insert beside the two open ones: refused
    // before the open studio is asked to close.
    const struct {
        const char* name;
        int count;
        bool replace;
        const char* says;
    } refused[] = {
        {"over.cts", MaxStudioComponents + 1, true, "would make it 1001"},
        {"beside.cts", MaxStudioComponents - 1, false, "would make it 1001"},
    };
    for (const auto& r : refused) {
        errors.Clear();
        const std::string path = fileOf(r.name, r.count);
        EXPECT_FALSE(studio->LoadStudio(path.c_str(), r.replace, false)) << r.name;
        ASSERT_EQ(errors.Numbers(), std::vector<int>{457}) << r.name;
        EXPECT_NE(errors.reports[0].text.find("at most 1000 components, and " + path + " " + r.says), std::string::npos)
            << errors.reports[0].text;
        EXPECT_EQ(prompts, 0);
        ASSERT_EQ(ComponentCount(), 2) << r.name;
        EXPECT_EQ(FirstComponent()->Title(), "Existing");
    }

    // A studio at the bound opens; a new component then is refused.
    errors.Clear();
    EXPECT_TRUE(studio->LoadStudio(fileOf("full.cts", MaxStudioComponents).c_str(), true, false));
    EXPECT_EQ(ComponentCount(), MaxStudioComponents);
    EXPECT_EQ(CreateComponent(studio, ComponentKind::Splitter, false), nullptr);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{457});
    EXPECT_EQ(ComponentCount(), MaxStudioComponents);
}

TEST_F(StudioFileTest, AFailedWriteIsReportedAndKeepsTheModifiedMark)
{
    Splitter();
    const std::string blocker = scratch.Write("file", "x");
    const std::string path = blocker + "/studio.cts";  // below a regular file
    EXPECT_FALSE(studio->SaveStudio(path.c_str()));
    EXPECT_EQ(errors.Numbers(), std::vector<int>{406});
    EXPECT_TRUE(StudioModified());
}

TEST_F(StudioFileTest, SaveAsNamesTheStudioAndAddsTheExtension)
{
    studio->setWindowTitle("Cantrel Studio");
    Splitter();
    chosenFile = QString::fromStdString(scratch.File("jazz"));
    studio->Command(StudioCommand::SaveAs);
    EXPECT_EQ(studio->StudioPath(), scratch.File("jazz.cts"));
    EXPECT_EQ(studio->windowTitle(), "Cantrel Studio - jazz");
    EXPECT_FALSE(StudioModified());
    EXPECT_EQ(GetProfileString(iniPath, "Files", "OpenStudio", ""), scratch.File("jazz.cts"));

    chosenFile = QString::fromStdString(scratch.File("my.studio"));
    studio->Command(StudioCommand::SaveAs);
    EXPECT_EQ(studio->StudioPath(), scratch.File("my.studio"));
    EXPECT_EQ(studio->windowTitle(), "Cantrel Studio - my");

    studio->Command(StudioCommand::CloseAll);
    EXPECT_EQ(studio->windowTitle(), "Cantrel Studio");
    EXPECT_EQ(studio->StudioPath(), "");
    EXPECT_EQ(ComponentCount(), 0);
}

TEST_F(StudioFileTest, ClosingAModifiedStudioAsksFirst)
{
    Splitter();
    ASSERT_TRUE(StudioModified());
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(studio->CloseStudio());
    EXPECT_EQ(ComponentCount(), 1);

    // Open after a cancelled prompt loads nothing into the old studio.
    RecordingClient* r = Recorder();
    const std::string path = Save("open.cts");
    delete r->Frame();
    chosenFile = QString::fromStdString(path);
    studio->Command(StudioCommand::Open);
    EXPECT_EQ(ComponentCount(), 1);
    EXPECT_EQ(studio->StudioPath(), "");

    // Yes saves (through Save As for an unnamed studio), then closes.
    answer = QMessageBox::Yes;
    chosenFile = QString::fromStdString(scratch.File("saved.cts"));
    EXPECT_TRUE(studio->CloseStudio());
    EXPECT_EQ(ComponentCount(), 0);
    EXPECT_FALSE(StudioModified());
    EXPECT_EQ(GetProfileString(scratch.File("saved.cts"), "Windows", "0", ""), "513");
    EXPECT_EQ(prompts, 3);
}

TEST_F(StudioFileTest, NewStartsFromTheTemplateOrReportsItMissing)
{
    studio->setWindowTitle("Cantrel Studio - old");
    const std::string templatePath = scratch.Write("TEMPLATE.!CT", "[Windows]\n0=513\n1=" + SplitterLine() + "\n");
    UseINIFileName(iniPath.c_str());
    Recorder();
    answer = QMessageBox::No;
    studio->Command(StudioCommand::New);
    ASSERT_EQ(ComponentCount(), 1);
    EXPECT_EQ(FirstComponent()->TypeId, ComponentType::Splitter);
    EXPECT_EQ(studio->windowTitle(), "Cantrel Studio");
    EXPECT_FALSE(StudioModified());
    EXPECT_TRUE(errors.Empty());

    std::remove(templatePath.c_str());
    ForgetProfiles();
    Splitter();
    studio->Command(StudioCommand::New);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{437});
    EXPECT_EQ(ComponentCount(), 0);
    EXPECT_FALSE(StudioModified());

    // A cancelled save prompt leaves the studio as it was.
    Splitter();
    answer = QMessageBox::Cancel;
    studio->Command(StudioCommand::New);
    EXPECT_EQ(ComponentCount(), 1);
    EXPECT_TRUE(StudioModified());
}

TEST_F(StudioFileTest, StudioHelpOpensOnceThroughOpenAndNeverThroughInsert)
{
    struct RecordingViewer : HelpViewer {
        void ShowHelp(const std::string& book, int context) override { shown.push_back({book, context}); }
        std::vector<std::pair<std::string, int>> shown;
    } viewer;
    SetHelpViewer(&viewer);
    const std::string line = SplitterLine();
    const std::string path = scratch.Write(
        "helped.cts", "[Windows]\n0=513\n1=" + line + "\n[Help]\nfile=tour.html\ncontext=7\nOpenedOnce=0\n");
    chosenFile = QString::fromStdString(path);
    studio->Command(StudioCommand::Insert);
    EXPECT_TRUE(viewer.shown.empty());
    studio->Command(StudioCommand::Open);
    ASSERT_EQ(viewer.shown.size(), 1u);
    EXPECT_EQ(viewer.shown[0].first, scratch.File("tour.html"));
    EXPECT_EQ(viewer.shown[0].second, 7);
    EXPECT_EQ(GetProfileString(path, "Help", "OpenedOnce", ""), "1");
    studio->Command(StudioCommand::Open);
    EXPECT_EQ(viewer.shown.size(), 1u);

    // The Help menu's command shows it again; a studio without help says so.
    studio->Command(StudioCommand::StudioHelp);
    EXPECT_EQ(viewer.shown.size(), 2u);
    studio->Command(StudioCommand::CloseAll);
    UseINIFileName(iniPath.c_str());
    errors.Clear();
    studio->Command(StudioCommand::StudioHelp);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{453});
    SetHelpViewer(nullptr);
}

TEST_F(StudioFileTest, FirstLoadAfterInstallationShowsGettingStartedOnce)
{
    struct RecordingViewer : HelpViewer {
        void ShowHelp(const std::string&, int context) override { contexts.push_back(context); }
        std::vector<int> contexts;
    } viewer;
    SetHelpViewer(&viewer);
    WritePrivateProfileString("Global", "Welcome", "1", iniPath.c_str());
    const std::string path = scratch.Write("plain.cts", "[Windows]\n0=513\n1=" + SplitterLine() + "\n");
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, true));
    // The help context of Getting Started, not the number of its command.
    EXPECT_EQ(viewer.contexts, std::vector<int>{150});
    EXPECT_EQ(GetPrivateProfileInt("Global", "Welcome", 1, iniPath.c_str()), 0);
    ASSERT_TRUE(studio->LoadStudio(path.c_str(), true, true));
    EXPECT_EQ(viewer.contexts, std::vector<int>{150});
    SetHelpViewer(nullptr);
}

}  // namespace
