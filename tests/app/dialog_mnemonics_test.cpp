// Every dialog the program can show gives each Alt key to one control: a
// letter two controls share reaches only one of them, and the other can never
// be reached by its key.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <map>
#include <utility>
#include <vector>

#include "app/shell/error_dialog.h"
#include "ui/message_dialog.h"
#include "every_dialog.h"

namespace {

// The Alt keys the dialog's controls show, with the text showing each.
std::vector<std::pair<int, QString>> AltKeys(QWidget* dialog)
{
    std::vector<std::pair<int, QString>> keys;
    auto add = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) keys.emplace_back(key[0].toCombined(), text);
    };
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) add(label->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) add(group->title());
    }
    return keys;
}

using DialogMnemonicsTest = EveryDialogTest;

TEST_F(DialogMnemonicsTest, EveryAltKeyReachesOneControl)
{
    InstallErrorDialogPresenter();
    for (const DialogPlace& place : EveryDialog()) {
        SCOPED_TRACE(place.where);
        bool shown = false;
        auto check = [&](HDialog* dialog) {
            shown = true;
            std::map<int, QString> shownBy;
            for (const auto& [key, text] : AltKeys(dialog)) {
                const auto [first, fresh] = shownBy.emplace(key, text);
                EXPECT_TRUE(fresh) << QKeySequence(key).toString().toStdString() << " is both \""
                                   << first->second.toStdString() << "\" and \"" << text.toStdString() << '"';
            }
            dialog->reject();
        };
        if (place.resource == MessageDialog::ResourceId)
            WhenModal<MessageDialog>([&](MessageDialog* d) { check(d); });
        else
            WhenModal<HDialog>([&](HDialog* d) { check(d); });
        place.open();
        EXPECT_TRUE(shown);
    }
}

}  // namespace
