#pragma once
// The in-place edit of a component's title in the Connections window: Enter
// asks to keep the text, Escape (or Ctrl+Break) to restore the title.

#include <QLineEdit>

class TLayoutEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int ControlId = 101;
    static constexpr int TextLimit = 128;

    TLayoutEdit(const QString& text, QWidget* parent);

signals:
    void Finished(bool keep);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
