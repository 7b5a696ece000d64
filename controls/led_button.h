#pragma once
// A radio button drawn as a 16 x 16 LED of colour `led`, lit when chosen.
// Each button carries an info text (string info + 50) that describes its
// choice; when the chosen button has the focus it writes that text into
// control 400 of its dialog.

#include <QRadioButton>

class LEDButton : public QRadioButton {
    Q_OBJECT
public:
    static constexpr int InfoControlId = 400;

    LEDButton(QWidget* parent, int id, int info, int led);

    int Info() const { return info_; }
    int Led() const { return led_; }
    // The expanded info text of this button.
    QString InfoText() const;
    // Writes InfoText() into control 400 of the button's dialog.
    void SetInfoText();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int info_;
    int led_;
};
