// A second start hands its studio to the program already running on the same
// settings, which opens it and comes forward; message 445 only when nothing
// answers.
#include <QThread>

#include <atomic>
#include <future>
#include <thread>

#include "app/shell/instance_channel.h"
#include "app/shell/single_instance.h"
#include "shell_fixture.h"

namespace {

// A running program's channel, answering on a thread of its own while this
// one waits in HandOver.
class ListeningElsewhere {
public:
    explicit ListeningElsewhere(const QString& path)
    {
        channel_ = new InstanceChannel(path);
        channel_->Received = [this](const std::string& studio) {
            received = studio;
            ++count;
        };
        channel_->moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            channel_,
            [this] {
                listening = channel_->Listen();
                channel_->StartTaking();
            },
            Qt::BlockingQueuedConnection);
    }
    ~ListeningElsewhere()
    {
        QMetaObject::invokeMethod(
            channel_, [this] { delete channel_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool listening = false;
    std::string received;
    std::atomic<int> count{0};

private:
    QThread thread_;
    InstanceChannel* channel_;
};

using SecondStartTest = ShellTest;

TEST_F(SecondStartTest, StudioIsHandedToTheRunningProgram)
{
    SingleInstanceLock running;
    ASSERT_TRUE(running.Acquire());
    mmApp::Options options = QuietOptions();
    options.singleInstance = true;
    {
        ListeningElsewhere other(running.ChannelPath());
        ASSERT_TRUE(other.listening);
        app = std::make_unique<mmApp>(options);
        app->SetStudioArgument("songs/blues.cts");
        EXPECT_FALSE(app->Start());
        EXPECT_TRUE(app->HandedOver());
        EXPECT_TRUE(errors.Empty());
        EXPECT_EQ(other.count, 1);
        EXPECT_EQ(other.received, QFileInfo("songs/blues.cts").absoluteFilePath().toStdString());
        app.reset();
    }
    // Nobody answers: 445, as before.
    app = std::make_unique<mmApp>(options);
    EXPECT_FALSE(app->Start());
    EXPECT_FALSE(app->HandedOver());
    EXPECT_EQ(errors.Numbers(), std::vector<int>{445});
}

TEST_F(SecondStartTest, RunningProgramOpensWhatIsHandedOverAndComesBackAsItWas)
{
    mmApp::Options options = QuietOptions();
    options.singleInstance = true;
    StartShown(options);
    SingleInstanceLock second;
    EXPECT_FALSE(second.Acquire());
    // How the user left the window: it comes back from the task bar as it was.
    const struct {
        const char* name;
        Qt::WindowStates before;
        Qt::WindowStates after;
    } states[] = {
        {"normal", Qt::WindowNoState, Qt::WindowNoState},
        {"minimised", Qt::WindowMinimized, Qt::WindowNoState},
        {"maximised", Qt::WindowMaximized, Qt::WindowMaximized},
        {"maximised, then minimised", Qt::WindowMaximized | Qt::WindowMinimized, Qt::WindowMaximized},
    };
    int n = 0;
    for (const auto& s : states) {
        SCOPED_TRACE(s.name);
        frame->setWindowState(s.before);
        const std::string file = scratch.Write("handed" + std::to_string(++n) + ".cts", "[Windows]\n0=513\n");
        auto answered =
            std::async(std::launch::async, [&] { return InstanceChannel::HandOver(second.ChannelPath(), file); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return studio->StudioPath() == file; }, 5000));
        EXPECT_EQ(answered.get(), InstanceChannel::Outcome::Taken);
        EXPECT_EQ(frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized), s.after);
        EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - handed" + QString::number(n));
    }
}

}  // namespace
