#pragma once
// "Guitar/Strings Settings" (dialog 5002): sound and MIDI program, mode,
// typing method, instrument and tuning, frets, capo, the board options and
// the Fingerings list.

#include "app/components/guitar/guitar_client.h"
#include "ui/h_dialog.h"

class LiveInputBoxes;
class QCheckBox;
class QComboBox;
class QRadioButton;
class TMyHSlider;

class GuitarSettingsDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceId = 5002;
    // The check box that shows the Fingerings list beside the fingerboard.
    static constexpr int FingeringsId = 116;

    GuitarSettingsDialog(QWidget* parent, const GuitarClient::Settings& current, const chord& tuning);

    // What the controls hold now.
    GuitarClient::Settings Chosen() const;

private:
    QRect Place(int x, int y, int w, int h) const;
    // A check box or radio button named by its control id.
    template <typename Button>
    Button* AddButton(int id, const QString& text, QRect where, bool checked);
    void AddPicture(int id, int picture, QRect where, QRadioButton* selects, const QStringList& openStrings = {});

    GuitarClient::Settings initial_;
    QCheckBox* sound_;
    QComboBox* program_;
    QRadioButton* chordMode_;
    QRadioButton* tablature_;
    QComboBox* tuning_;
    TMyHSlider* frets_;
    TMyHSlider* capo_;
    QCheckBox* leftHanded_;
    QCheckBox* notes_;
    QCheckBox* spelling_;
    QCheckBox* moveOpen_;
    QCheckBox* fingerings_;
    LiveInputBoxes* liveInput_;
};
