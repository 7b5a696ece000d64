// Both dialogs of this folder, the Search dialog and the Preferences: every
// control reachable by its own Alt key and by Tab in a fixed order, and
// nothing cut off at a small or a large font.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <memory>
#include <set>

#include "app/dialogs/preferences/preferences_dialog.h"
#include "app/dialogs/search/search_fixture.h"

namespace {

// The controls a user works, in focus-chain order, by their ids.
QStringList FocusChain(QWidget* dialog)
{
    QStringList ids;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain()) {
        if (!w->objectName().startsWith(QStringLiteral("id")) || w->focusPolicy() == Qt::NoFocus) continue;
        ids << w->objectName().mid(2);
    }
    return ids;
}

// The Alt key of a control: its own mnemonic, or that of the label naming it.
QKeySequence AltKey(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return QKeySequence::mnemonic(button->text());
    for (QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control) return QKeySequence::mnemonic(label->text());
    return QKeySequence();
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    QStringList chain;
};

class DialogKeysAndFit : public ::testing::Test {
protected:
    void SetUp() override { LoadShippedLists(scratch.File("cantrel.ini")); }
    void TearDown() override
    {
        QApplication::setFont(appFont);
        ReleaseShippedLists();
        ForgetProfiles();
    }

    std::vector<DialogCase> Cases()
    {
        return {
            {"search",
             [] { return std::make_unique<TSearchDialog>(nullptr, SearchKind::Chord, -1, -1); },
             {"101", "102", "103", "6518", "6516", "6517", "1", "2", "9"}},
            {"preferences",
             [] { return std::make_unique<PreferencesDialog>(nullptr, PreferenceValues{}); },
             {"108", "109", "110",  "111", "112",  "113",  "114", "115", "116", "119", "118", "104", "105",
              "106", "117", "4124", "4123", "101", "107", "102", "103", "122", "123", "1",   "2",   "9"}},
        };
    }

    ScratchDir scratch;
    ErrorRecorder errors;
    const QFont appFont = QApplication::font();
};

TEST_F(DialogKeysAndFit, EveryControlHasItsKeyAndPlace)
{
    for (const DialogCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QDialog> dialog = c.make();
        EXPECT_EQ(FocusChain(dialog.get()), c.chain);
        std::set<int> keys;
        for (const QString& id : c.chain) {
            // OK, Cancel and Help: Enter, Escape and F1.
            if (id == "1" || id == "2" || id == "9") continue;
            QWidget* control = dialog->findChild<QWidget*>("id" + id);
            const QKeySequence key = AltKey(control);
            EXPECT_FALSE(key.isEmpty()) << id.toStdString();
            EXPECT_TRUE(keys.insert(key[0].toCombined()).second) << id.toStdString() << " shares its key";
        }
    }
}

TEST_F(DialogKeysAndFit, ContentsFitAtAnyFontSize)
{
    for (int points : {7, 22}) {
        QFont font = appFont;
        font.setPointSize(points);
        QApplication::setFont(font);
        for (const DialogCase& c : Cases()) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(points) + " points");
            std::unique_ptr<QDialog> dialog = c.make();
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
            for (const QString& id : c.chain) {
                QWidget* control = dialog->findChild<QWidget*>("id" + id);
                const QRect place(control->mapTo(dialog.get(), QPoint(0, 0)), control->size());
                EXPECT_TRUE(dialog->rect().contains(place)) << id.toStdString();
                const QSize least = control->minimumSizeHint();
                EXPECT_GE(control->width(), least.width()) << id.toStdString();
                EXPECT_GE(control->height(), least.height()) << id.toStdString();
            }
        }
    }
}

}  // namespace
