#include "midi_test_fixture.h"

#include "core/midi/midi_failure.h"

namespace {

class MidiDevTest : public MidiTest {};

TEST_F(MidiDevTest, NoteAndProgramBytes)
{
    MidiDev device(1);
    ASSERT_TRUE(device.handle);
    device.velocity = 64;
    EXPECT_EQ(device.Note(0, 63, 1), 0);
    EXPECT_EQ(device.Note(0, 63, 0), 0);
    EXPECT_EQ(device.Note(9, 3, 1), 0);  // lowest MIDI note, percussion channel
    EXPECT_EQ(device.SetInstrument(2, 24), 0);
    // Controllers and the wheel go out as written, whatever the velocity setting.
    EXPECT_EQ(device.ControlChange(2, 64, 127), 0);
    EXPECT_EQ(device.PitchBend(2, 10240), 0);
    EXPECT_EQ(device.PitchBend(15, 16383), 0);
    EXPECT_EQ(Sent(1), (std::vector<Bytes>{{0x90, 60, 64}, {0x80, 60, 0}, {0x99, 0, 64}, {0xC2, 24}, {0xB2, 64, 127},
                                           {0xE2, 0x00, 0x50}, {0xEF, 0x7F, 0x7F}}));
}

TEST_F(MidiDevTest, NothingOutsideTheMidiRangeReachesTheDevice)
{
    MidiDev device(1);
    device.velocity = 300;                 // a hand-edited settings file
    EXPECT_EQ(device.Note(0, 2, 1), 0);    // below MIDI note 0
    EXPECT_EQ(device.Note(0, 131, 1), 0);  // above MIDI note 127
    EXPECT_EQ(device.Note(16, 63, 1), 0);
    EXPECT_EQ(device.SetInstrument(0, 128), 0);
    EXPECT_EQ(device.SetInstrument(0, -1), 0);
    EXPECT_EQ(device.ControlChange(0, 128, 0), 0);
    EXPECT_EQ(device.ControlChange(0, 7, 128), 0);
    EXPECT_EQ(device.ControlChange(-1, 7, 0), 0);
    EXPECT_EQ(device.PitchBend(0, 16384), 0);
    EXPECT_EQ(device.PitchBend(16, 8192), 0);
    EXPECT_TRUE(Sent().empty());
    device.Note(0, 130, 1);  // MIDI note 127, velocity held to a data byte
    EXPECT_EQ(Sent(1), (std::vector<Bytes>{{0x90, 127, 127}}));
}

TEST_F(MidiDevTest, MuteHoldsBackWhatSoundsButNotWhatBringsToRest)
{
    MidiDev device(1);
    device.mute = 1;
    EXPECT_EQ(device.Note(0, 63, 1), 1);
    EXPECT_EQ(device.SetInstrument(0, 5), 1);
    EXPECT_EQ(device.ControlChange(0, 64, 127), 1);
    EXPECT_EQ(device.ControlChange(0, 7, 0), 1);  // a volume of 0 is a setting, not a rest
    EXPECT_EQ(device.PitchBend(0, 0), 1);
    EXPECT_EQ(device.Note(0, 63, 0), 0);
    EXPECT_EQ(device.ControlChange(0, 64, 0), 0);
    EXPECT_EQ(device.ControlChange(0, 123, 0), 0);
    EXPECT_EQ(device.PitchBend(0, 8192), 0);
    EXPECT_EQ(Sent(1), (std::vector<Bytes>{{0x80, 60, 0}, {0xB0, 64, 0}, {0xB0, 123, 0}, {0xE0, 0, 0x40}}));
}

TEST_F(MidiDevTest, WithoutHandleNothingIsSent)
{
    capture->FailOutputOpen(2, {MidiFailure::Allocated, ""});
    MidiDev device(2);
    EXPECT_FALSE(device.handle);
    EXPECT_EQ(device.Note(0, 63, 0), 1);
    EXPECT_EQ(device.SetInstrument(0, 1), 1);
    EXPECT_EQ(device.Reset(), 0);
    EXPECT_EQ(capture->MessageCount(), 0u);
}

TEST_F(MidiDevTest, ResetSweepsEveryNoteOffThenResetsTheDevice)
{
    MidiDev device(0);
    device.mute = 1;  // note-offs pass anyway
    device.Reset();
    const auto messages = capture->Messages();
    ASSERT_EQ(messages.size(), 126u);
    for (int key = 0; key <= 124; ++key) {
        ASSERT_EQ(messages[key].kind, CapturedMessage::Short);
        EXPECT_EQ(Bytes(messages[key].bytes, messages[key].bytes + 3), (Bytes{0x80, std::uint8_t(key), 0}));
    }
    EXPECT_EQ(messages.back().kind, CapturedMessage::Reset);
}

TEST_F(MidiDevTest, BusyOrVanishedDeviceBeepsAndReportsNothingSent)
{
    MidiDev device(0);
    capture->FailSends(MidiFailure::NotReady);
    EXPECT_EQ(device.Note(0, 63, 1), 1);
    capture->FailSends(MidiFailure::InvalidHandle);
    EXPECT_EQ(device.SetInstrument(0, 1), 1);
    EXPECT_EQ(beeps, 2);
    capture->FailSends(MidiFailure::Other);
    EXPECT_EQ(device.Note(0, 63, 1), 0);
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(MidiDevTest, VelocityDefaultsDifferForPrimaryAndOtherDevices)
{
    auto* primary = new MidiDev();
    EXPECT_EQ(primary->velocity, 64);
    EXPECT_EQ(primary->deviceId, -1);
    auto* other = new MidiDev(0);  // ReleaseDevices frees it
    EXPECT_EQ(other->velocity, 127);

    MidiDev::ReleaseDevices();
    WriteIni("[Midi]\nVelocity=90\nMute=1\n");
    MidiDev configured(0);
    EXPECT_EQ(configured.velocity, 90);
    EXPECT_EQ(configured.mute, 1);
}

TEST_F(MidiDevTest, PrimaryIsRegisteredEvenWhenItFailsAndSavesItsSettings)
{
    EXPECT_EQ(MidiDev::MidiOut(-2), nullptr);
    WriteIni("[Midi]\nOutDeviceID=3\n");
    capture->FailOutputOpen(3, {MidiFailure::NoDriver, ""});
    auto* primary = new MidiDev();
    EXPECT_FALSE(primary->handle);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{455});
    EXPECT_EQ(MidiDev::MidiOut(-2), primary);
    EXPECT_EQ(MidiDev::midiout_count, 1);

    primary->velocity = 77;
    primary->mute = 1;
    delete primary;
    EXPECT_EQ(MidiDev::lastmidi, nullptr);
    EXPECT_EQ(MidiDev::midiout_count, 0);
    int in, out, names, velocity;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    EXPECT_EQ(velocity, 77);
    EXPECT_NE(IniText().find("Mute=1"), std::string::npos);
}

TEST_F(MidiDevTest, ChordsNamingOneDeviceShareIt)
{
    MidiDev* first = MidiDev::MidiOut(1);
    MidiDev* again = MidiDev::MidiOut(1);
    MidiDev* other = MidiDev::MidiOut(2);
    MidiDev* third = MidiDev::MidiOut(0);
    EXPECT_EQ(first, again);
    EXPECT_EQ(capture->OutputOpenCount(1), 1);
    ASSERT_EQ(MidiDev::midiout_count, 3);
    EXPECT_EQ(MidiDev::GetIndexFromHandle(other->handle.get()), 1);

    delete first;  // the last entry moves into its place
    ASSERT_EQ(MidiDev::midiout_count, 2);
    EXPECT_EQ(MidiDev::midiout[0], third);
    EXPECT_EQ(MidiDev::midiout[1], other);
    EXPECT_EQ(MidiDev::GetIndexFromHandle(nullptr), -1);
    EXPECT_EQ(capture->OpenOutputs(), 2);
    MidiDev::ReleaseDevices();
    EXPECT_EQ(capture->OpenOutputs(), 0);
}

TEST_F(MidiDevTest, AFailedDeviceIsTriedAndReportedAgainEachTime)
{
    capture->FailOutputOpen(2, {MidiFailure::Allocated, ""});
    MidiDev* failed = MidiDev::MidiOut(2);
    ASSERT_NE(failed, nullptr);
    EXPECT_FALSE(failed->handle);
    EXPECT_EQ(MidiDev::midiout_count, 0);
    MidiDev::MidiOut(2);
    EXPECT_EQ(errors.Numbers(), (std::vector<int>{412, 412}));

    capture->FailOutputOpen(2, {});
    MidiDev* opened = MidiDev::MidiOut(2);
    EXPECT_TRUE(opened->handle);
    EXPECT_EQ(MidiDev::midiout_count, 1);
}

TEST_F(MidiDevTest, ANinthDeviceFallsBackToThePrimary)
{
    capture->SetOutputNames(std::vector<std::string>(12, "port"));
    auto* primary = new MidiDev();
    for (int id = 0; id < 7; ++id) MidiDev::MidiOut(id);
    ASSERT_EQ(MidiDev::midiout_count, 8);
    EXPECT_EQ(MidiDev::MidiOut(10), primary);
    EXPECT_EQ(capture->OutputOpenCount(10), 0);
}

TEST_F(MidiDevTest, EveryOpenFailureHasItsMessage)
{
    const std::pair<MidiFailure, int> table[] = {
        {MidiFailure::BadDeviceId, 411},  {MidiFailure::NotEnabled, 454},    {MidiFailure::Allocated, 412},
        {MidiFailure::NoDriver, 455},     {MidiFailure::NoMemory, 413},      {MidiFailure::StillPlaying, 442},
        {MidiFailure::NoMap, 414},        {MidiFailure::NotReady, 443},      {MidiFailure::NoDevice, 415},
        {MidiFailure::InvalidSetup, 444}, {MidiFailure::InvalidHandle, 441}, {MidiFailure::Other, 441},
    };
    for (const auto& [failure, message] : table) {
        errors.Clear();
        capture->FailOutputOpen(0, {failure, "port exploded"});
        MidiDev device(0);
        EXPECT_EQ(device.Open(), 0);
        ASSERT_EQ(errors.Numbers(), (std::vector<int>{message, message})) << message;
    }
    EXPECT_EQ(errors.reports.back().text,
              "The MIDI device reports this error : port exploded.  Please contact customer support for assistance.");
}

TEST_F(MidiDevTest, ThePrimaryFollowsItsPortByName)
{
    capture->SetOutputNames({"Synth A 20:0", "Keys 24:0", "Synth B 28:0"});
    WriteIni("[Midi]\nOutDeviceID=1\nOutDeviceName=Synth B\n");
    auto* primary = new MidiDev();
    EXPECT_EQ(primary->deviceId, 2);
    EXPECT_TRUE(primary->handle);
    MidiDev::ReleaseDevices();

    // Unplugged: the number would name another port, so the name wins.
    capture->SetOutputNames({"Synth A 20:0", "Keys 24:0"});
    primary = new MidiDev();
    EXPECT_FALSE(primary->handle);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{415});
    EXPECT_EQ(capture->OutputOpenCount(1), 0);
}

TEST_F(MidiDevTest, SettingsRoundTripWithPortNames)
{
    int in = 9, out = 9, names = 9, velocity = 9;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    EXPECT_EQ((std::vector<int>{in, out, names, velocity}), (std::vector<int>{0, -1, 0, 64}));

    capture->SetInputNames({"In A 20:0", "In B 24:0"});
    capture->SetOutputNames({"Out A 20:1", "Out B 24:1"});
    MidiDev::SetMidiSettings(1, 0, 2, 100);
    const std::string ini = IniText();
    EXPECT_NE(ini.find("InDeviceName=In B\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("OutDeviceName=Out A\n"), std::string::npos) << ini;

    // The ports come back in another order.
    capture->SetInputNames({"In B 32:0", "In A 20:0"});
    capture->SetOutputNames({"Out B 32:1", "Out C 40:0", "Out A 20:1"});
    MidiDev::GetMidiSettings(in, out, names, velocity);
    EXPECT_EQ((std::vector<int>{in, out, names, velocity}), (std::vector<int>{0, 2, 2, 100}));

    MidiDev::SetMidiSettings(-1, -1, 0, 64);
    EXPECT_EQ(IniText().find("DeviceName"), std::string::npos);
}

TEST_F(MidiDevTest, ProgramAndChannelLists)
{
    TComboBoxData d;
    d.AddString("left over");
    MidiDev::FillMIDIList(d, 24);
    ASSERT_EQ(d.strings.size(), 128u);
    EXPECT_EQ(d.strings.front(), "Acoustic Piano");
    EXPECT_EQ(d.strings[24], "Nylon String Guitar");
    EXPECT_EQ(d.strings.back(), "Gunshot");
    EXPECT_EQ(d.selectionIndex, 24);
    for (const auto& name : d.strings) EXPECT_FALSE(name.empty());

    WriteIni("[Midi]\nMidiNames=2\n");
    MidiDev::FillMIDIList(d, -1);
    EXPECT_EQ(d.strings.front(), "Program 1");
    EXPECT_EQ(d.strings.back(), "Program 128");
    EXPECT_EQ(d.selectionIndex, -1);
    WriteIni("[Midi]\nMidiNames=1\n");
    MidiDev::FillMIDIList(d, 0);
    EXPECT_EQ(d.strings.front(), "Program 0");
    EXPECT_EQ(d.strings.back(), "Program 127");

    MidiDev::FillChannelList(d, 9);
    ASSERT_EQ(d.strings.size(), 16u);
    EXPECT_EQ(d.strings[0], "1 : Extended Melody");
    EXPECT_EQ(d.selection, "10 : Extended Percussion");
    EXPECT_EQ(d.strings[11], "12 : UNUSED");
    EXPECT_EQ(d.strings[12], "13 : Base-Level Melody");
    EXPECT_EQ(d.strings[15], "16 : Base-Level Percussion");
}

TEST_F(MidiDevTest, DeviceLists)
{
    capture->SetOutputNames({"Out A", "Out B"});
    capture->SetInputNames({"In A"});
    WriteIni("[Midi]\nOutDeviceID=1\nInDeviceID=-1\n");
    TComboBoxData outputs;
    outputs.AddString("kept");
    MidiDev::FillMidiDevList(outputs, 0, true);
    EXPECT_EQ(outputs.strings, (std::vector<std::string>{"kept", "[Default]", SynthesizerName, "Out A", "Out B"}));
    EXPECT_EQ(outputs.selection, "Out B");

    TComboBoxData inputs;
    MidiDev::FillMidiDevList(inputs, 1, false);
    EXPECT_EQ(inputs.strings, (std::vector<std::string>{"[None]", "In A"}));
    EXPECT_EQ(inputs.selectionIndex, 0);
    inputs.Clear();
    MidiDev::FillMidiDevList(inputs, 1, true);
    EXPECT_EQ(inputs.strings.front(), "[Default]");

    WriteIni("[Midi]\nOutDeviceID=-2\n");
    outputs.Clear();
    MidiDev::FillMidiDevList(outputs, 0, true);
    EXPECT_EQ(outputs.selectionIndex, 0);
}

}  // namespace
