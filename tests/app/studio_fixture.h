#pragma once
// A studio on the offscreen platform with a scratch settings file, a small
// recording component standing in for the instruments, and every message
// recorded instead of shown.

#include <gtest/gtest.h>

#include <QApplication>

#include <string>
#include <vector>

#include "app/components/joiner/joiner_client.h"
#include "app/components/splitter/splitter_client.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_links.h"
#include "core/studio/component_types.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/studio/note_flow.h"
#include "core/studio/studio_modified.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"

// Records every chord that arrives, with the level it arrived at. Made with
// the Keyboard's type id so that studio files can hold it.
class RecordingClient : public mmMDIChildClient {
public:
    struct Arrival {
        std::vector<NOTES> notes;
        std::uint32_t level;
    };

    RecordingClient() : mmMDIChildClient(ComponentType::Keyboard) {}

    void TakeChord(const chord& c) override
    {
        mmMDIChildClient::TakeChord(c);
        if (!replacement.empty()) {
            Chord.Clear();
            for (NOTES n : replacement) Chord.AddNote(n);
        }
        arrivals.push_back({Notes(), FlowLevel()});
        Log().push_back(this);
    }

    std::vector<NOTES> Notes() const
    {
        std::vector<NOTES> notes;
        for (NOTES n : Chord.notes)
            if (n != NoNote) notes.push_back(n);
        return notes;
    }

    void SetNotes(std::initializer_list<NOTES> notes)
    {
        Chord.Clear();
        for (NOTES n : notes) Chord.AddNote(n);
    }

    // Every arrival at any recording component, in order.
    static std::vector<const RecordingClient*>& Log()
    {
        static std::vector<const RecordingClient*> log;
        return log;
    }

    std::vector<Arrival> arrivals;
    // When set, the component swaps every chord it takes for these notes.
    std::vector<NOTES> replacement;
};

class StudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        iniPath = scratch.Write("cantrel.ini", "[Global]\nMaxChords=5\n");
        UseINIFileName(iniPath.c_str());
        keyboardFactory = ComponentFactoryOf(ComponentKind::Keyboard);
        SetComponentFactory(ComponentKind::Keyboard,
                            [] { return static_cast<mmMDIChildClient*>(new RecordingClient); });
        studio = new mmMDIClient;
        studio->resize(800, 600);
        studio->show();
        studio->AskToSave = [this] {
            ++prompts;
            return answer;
        };
        studio->ChooseFile = [this](bool, const QString&) { return chosenFile; };
        RecordingClient::Log().clear();
        ClearStudioModified();
    }

    void TearDown() override
    {
        studio->AskToSave = [] { return QMessageBox::No; };
        delete studio;
        SetComponentFactory(ComponentKind::Keyboard, keyboardFactory);
        ForgetProfiles();
    }

    template <typename Client = mmMDIChildClient>
    Client* Create(int kind, const char* title = nullptr)
    {
        mmMDIChild* frame = CreateComponent(studio, kind, false);
        EXPECT_NE(frame, nullptr);
        if (!frame) return nullptr;
        if (title) frame->setWindowTitle(QString::fromUtf8(title));
        return dynamic_cast<Client*>(frame->Client());
    }

    RecordingClient* Recorder(const char* title = nullptr)
    {
        auto* r = Create<RecordingClient>(ComponentKind::Keyboard, title);
        r->SoundOn = 0;
        return r;
    }
    SplitterClient* Splitter(const char* title = nullptr)
    {
        return Create<SplitterClient>(ComponentKind::Splitter, title);
    }
    JoinerClient* Joiner(const char* title = nullptr) { return Create<JoinerClient>(ComponentKind::Joiner, title); }

    ComponentFactory keyboardFactory = nullptr;  // the program's own, back after the test
    ScratchDir scratch;
    std::string iniPath;
    ErrorRecorder errors;
    mmMDIClient* studio = nullptr;
    QMessageBox::StandardButton answer = QMessageBox::No;
    int prompts = 0;
    QString chosenFile;
};

inline std::vector<NOTES> NotesOf(std::initializer_list<NOTES> notes) { return notes; }
