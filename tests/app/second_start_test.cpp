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
        channel_->Received = [this](const QString& studio) {
            received = studio;
            ++count;
        };
        channel_->moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(channel_, [this] { listening = channel_->Listen(); }, Qt::BlockingQueuedConnection);
    }
    ~ListeningElsewhere()
    {
        QMetaObject::invokeMethod(channel_, [this] { delete channel_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool listening = false;
    QString received;
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
        EXPECT_EQ(other.received, QFileInfo("songs/blues.cts").absoluteFilePath());
        app.reset();
    }
    // Nobody answers: 445, as before.
    app = std::make_unique<mmApp>(options);
    EXPECT_FALSE(app->Start());
    EXPECT_FALSE(app->HandedOver());
    EXPECT_EQ(errors.Numbers(), std::vector<int>{445});
}

TEST_F(SecondStartTest, RunningProgramOpensWhatIsHandedOver)
{
    mmApp::Options options = QuietOptions();
    options.singleInstance = true;
    StartShown(options);
    const std::string file = scratch.Write("handed.cts", "[Windows]\n0=513\n");
    SingleInstanceLock second;
    EXPECT_FALSE(second.Acquire());
    frame->showMinimized();
    auto answered = std::async(std::launch::async, [&] {
        return InstanceChannel::HandOver(second.ChannelPath(), QString::fromStdString(file));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return studio->StudioPath() == file; }, 5000));
    EXPECT_TRUE(answered.get());
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_EQ(frame->windowTitle(), "Cantrel Studio - handed");
}

}  // namespace
