// The help window: placed beside the main window and never over its menu
// bar, brought back when asked again, with Back, Forward and Contents; the
// pages of the messages and their titles in the contents.
#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>

#include "ui/help_window.h"
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>
#include "resources/core/core_strings.h"
#include "shell_fixture.h"

namespace {

TEST(HelpWindowPlacement, BesideTheMainWindowNeverOverItsMenuBar)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(560, 480);
    struct Case {
        QRect anchor;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(0, 0, 700, 600), QPoint(700, 0)},        // room on the right
        {QRect(600, 40, 680, 600), QPoint(40, 40)},     // room on the left only
        {QRect(0, 0, 1280, 800), QPoint(720, 50)},      // maximised: below its menu bar
        {QRect(200, 700, 900, 100), QPoint(720, 750)},  // low on the screen: cut short
    };
    for (const Case& c : cases) {
        const QRect placed = HelpWindow::PlaceBeside(c.anchor, 50, screen, size);
        EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
        EXPECT_FALSE(placed.intersects(QRect(c.anchor.topLeft(), QSize(c.anchor.width(), 50))));
        EXPECT_EQ(placed.topLeft(), c.expected);
    }
    // Beside a dialog it narrows to the wider side rather than cover it, but
    // not below the narrowest width asked for.
    const QRect dialog(290, 100, 700, 500);
    EXPECT_EQ(HelpWindow::PlaceBeside(dialog, 0, screen, size, 260), QRect(990, 100, 290, 480));
    EXPECT_TRUE(HelpWindow::PlaceBeside(dialog, 0, screen, size, 300).intersects(dialog));
}

using HelpWindowTest = ShellTest;

TEST_F(HelpWindowTest, BackForwardContentsAndBackToTheFront)
{
    HelpWindow* help = HelpWindow::Instance();
    auto action = [&](const char* name) { return help->findChild<QAction*>(name); };
    auto page = [&] { return QFileInfo(help->CurrentPage()).fileName(); };
    help->ShowTopic(std::string(), 150);
    help->ShowTopic(std::string(), 152);
    EXPECT_EQ(page(), "152.html");
    ASSERT_TRUE(action("helpBack")->isEnabled());
    action("helpBack")->trigger();
    EXPECT_EQ(page(), "150.html");
    action("helpForward")->trigger();
    EXPECT_EQ(page(), "152.html");
    action("helpContents")->trigger();
    EXPECT_EQ(page(), "index.html");

    help->showMinimized();
    help->ShowTopic(std::string(), 150);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isMinimized());
    help->close();
}

TEST_F(HelpWindowTest, WaitsForTheMainWindowToBeOnTheScreen)
{
    // Where a window manager puts a window just shown is known once it is
    // exposed: the help window is placed beside it then, not before.
    QWidget main;
    main.setGeometry(0, 0, 200, 300);  // room on its right, on the 800 pixels of the offscreen screen
    HelpWindow* help = HelpWindow::Instance();
    help->SetAnchor(&main, nullptr);
    main.show();  // exposed when the event loop next runs
    help->ShowTopic(std::string(), 150);
    EXPECT_FALSE(help->isVisible()) << "placed before the main window was on the screen";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QTest::qWait(20);
    EXPECT_TRUE(help->isVisible());
    EXPECT_GE(help->frameGeometry().left(), main.frameGeometry().right());
    help->close();
    help->SetAnchor(nullptr, nullptr);
}

TEST(HelpPages, EveryMessageDialogAndComponentHasItsPage)
{
    std::vector<int> topics = {1,    150,  152,  24382, 1003, 1004, 1006, 1007, 1008, 9019, 5000, 5001,
                               5002, 5003, 5004, 5005, 5006, 8999, 9002, 9007, 9040, 9099, 9299, 20001};
    for (const StringTableEntry& message : MessageStrings()) topics.push_back(message.id);
    const std::string folder = std::string(CANTREL_SOURCE_DIR) + "/data/help/";
    for (int topic : topics) {
        const QString page = QString::fromStdString(folder + std::to_string(topic) + ".html");
        EXPECT_TRUE(QFileInfo::exists(page)) << "no help page for " << topic;
    }
}

}  // namespace

namespace {

std::string HelpFile(const std::string& name)
{
    std::ifstream in(std::string(CANTREL_SOURCE_DIR) + "/data/help/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Help text as it reads, each placeholder (<var>…</var>) as '@'.
std::string AsRead(const std::string& html)
{
    std::string text = std::regex_replace(html, std::regex("<var>[^<]+</var>"), "@");
    text = std::regex_replace(text, std::regex("<[^>]*>"), "");
    for (const auto& [entity, character] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}})
        text = std::regex_replace(text, std::regex(entity), character);
    return text;
}

// A message as it is shown, each printf placeholder as '@'.
std::string WithPlaceholders(const std::string& message)
{
    return std::regex_replace(message, std::regex("%[-+ #0]*[0-9]*[sdiuxXc]"), "@");
}

}  // namespace

TEST(HelpPages, MessagesAreQuotedWholeAndTheContentsTitlesAreWholeSentences)
{
    const std::regex rawPlaceholder("%[-+ #0]*[0-9]*[sdiuxXc]");
    for (const auto& entry : std::filesystem::directory_iterator(std::string(CANTREL_SOURCE_DIR) + "/data/help"))
        if (entry.path().extension() == ".html") {
            EXPECT_FALSE(std::regex_search(HelpFile(entry.path().filename().string()), rawPlaceholder))
                << entry.path().filename() << " shows a format placeholder";
        }

    const std::string contents = HelpFile("index.html");
    for (const StringTableEntry& message : MessageStrings()) {
        const std::string number = std::to_string(message.id);
        SCOPED_TRACE(number);
        const std::string shown = WithPlaceholders(message.text);
        std::smatch quoted;
        const std::string page = HelpFile(number + ".html");
        ASSERT_TRUE(std::regex_search(page, quoted, std::regex("<p class=\"message\">([^\n]*)</p>")));
        EXPECT_EQ(AsRead(quoted[1]), shown) << "the page quotes the message whole, its placeholders named";

        // Its title in the contents: the number and the first sentence.
        std::smatch title;
        ASSERT_TRUE(std::regex_search(contents, title, std::regex("<a href=\"" + number + "\\.html\">([^\n]*)</a>")));
        const std::size_t end = shown.find(". ");
        std::string sentence = shown.substr(0, end);
        if (!sentence.empty() && sentence.back() == '.') sentence.pop_back();
        EXPECT_EQ(AsRead(title[1]), number + " " + sentence);
    }
}
