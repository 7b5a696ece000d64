#include "app/studio/new_component_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

#include "core/studio/component_types.h"

namespace {

struct Choice {
    int id;
    const char* text;
    int kind;
};
// In the order the dialog tests them: Keyboard, Guitar, Splitter, Joiner, Analyzer, Player.
constexpr Choice choices[] = {
    {102, "&Keyboard", ComponentKind::Keyboard}, {103, "&Guitar/Strings", ComponentKind::Guitar},
    {105, "&Splitter", ComponentKind::Splitter}, {106, "&Joiner", ComponentKind::Joiner},
    {104, "&Analyzer", ComponentKind::Analyzer}, {107, "&Player", ComponentKind::Player},
};
constexpr int ChoiceCount = NewComponentDialog::ChoiceCount;
static_assert(std::size(choices) == ChoiceCount);
// The order the buttons are shown in.
constexpr int shownOrder[ChoiceCount] = {0, 1, 4, 5, 2, 3};

// The transfer buffer: which button was checked last, for the program's run.
bool checkedStates[ChoiceCount] = {};

}  // namespace

NewComponentDialog::NewComponentDialog(QWidget* parent) : HDialog(parent, 9002)
{
    setWindowTitle(QStringLiteral("New Component"));
    auto* layout = new QVBoxLayout(this);
    bool any = false;
    for (int i = 0; i < ChoiceCount; ++i) {
        buttons_[i] = new QRadioButton(QString::fromUtf8(choices[i].text), this);
        buttons_[i]->setObjectName(QStringLiteral("id%1").arg(choices[i].id));
        buttons_[i]->setChecked(checkedStates[i]);
        any = any || checkedStates[i];
    }
    if (!any) buttons_[0]->setChecked(true);
    for (int i : shownOrder) layout->addWidget(buttons_[i]);
    layout->addWidget(CreateButtonBox());
}

int NewComponentDialog::ChosenKind() const
{
    for (int i = 0; i < ChoiceCount; ++i)
        if (buttons_[i]->isChecked()) return choices[i].kind;
    return ComponentKind::Keyboard;
}

void NewComponentDialog::done(int result)
{
    if (result == Accepted)
        for (int i = 0; i < ChoiceCount; ++i) checkedStates[i] = buttons_[i]->isChecked();
    HDialog::done(result);
}

int RunNewComponentDialog(QWidget* parent)
{
    NewComponentDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return dialog.ChosenKind();
}
