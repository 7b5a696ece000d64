// Renders every control in every state, in a light and a dark desktop
// palette, to <build>/gallery/*.png for a reviewer to look at, and checks that
// the states look different from each other.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QWidget>

#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "controls/led_button.h"
#include "controls/led_check_box.h"
#include "controls/my_hslider.h"
#include "controls/pane.h"
#include "controls/toggle_box.h"
#include "controls/tool_bar.h"
#include "resources/controls/control_bitmaps.h"

namespace {

struct Theme {
    const char* name;
    QPalette palette;
};

std::vector<Theme> Themes() { return {{"light", QApplication::style()->standardPalette()}, {"dark", DarkPalette()}}; }

QImage Shot(QWidget* widget, const QString& name)
{
    const QImage image = widget->grab().toImage();
    image.save(GalleryDir() + "/" + name + ".png");
    return image;
}

int ColourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours.size();
}

// Every pair of states must look different.
void ExpectAllDifferent(const std::map<QString, QImage>& states)
{
    for (auto a = states.begin(); a != states.end(); ++a) {
        EXPECT_GT(ColourCount(a->second), 3) << a->first.toStdString() << " looks blank";
        for (auto b = std::next(a); b != states.end(); ++b)
            EXPECT_NE(a->second, b->second) << a->first.toStdString() << " and " << b->first.toStdString();
    }
}

// A window to hold a control while it is shown, active so that focus works.
class Host : public QWidget {
public:
    explicit Host(const QPalette& palette)
    {
        setPalette(palette);
        setAutoFillBackground(true);
        resize(420, 200);
        show();
        activateWindow();
        active = QTest::qWaitForWindowActive(this);
    }
    bool active = false;
};

}  // namespace

TEST(Gallery, ToggleBoxStates)
{
    for (const Theme& theme : Themes()) {
        Host host(theme.palette);
        ASSERT_TRUE(host.active);
        ToggleBox box(&host, 102, "Use \"C (B Bass)\" notation|Use \"C/B\" notation");
        box.setGeometry(10, 10, 230, 22);
        box.show();
        const QString prefix = QStringLiteral("togglebox_%1_").arg(theme.name);
        std::map<QString, QImage> states;
        states["unchecked"] = Shot(&box, prefix + "unchecked");
        box.setDown(true);
        states["pressed"] = Shot(&box, prefix + "pressed");
        box.setDown(false);
        box.setChecked(true);
        states["checked"] = Shot(&box, prefix + "checked");
        box.setFocus();
        ASSERT_TRUE(box.hasFocus());
        states["focused"] = Shot(&box, prefix + "checked_focused");
        box.setEnabled(false);
        states["disabled"] = Shot(&box, prefix + "checked_disabled");
        ExpectAllDifferent(states);
    }
}

TEST(Gallery, LEDCheckBoxStates)
{
    for (const Theme& theme : Themes()) {
        Host host(theme.palette);
        std::map<QString, QImage> states;
        for (int led = 0; led < ControlBitmap::LedColours; ++led) {
            LEDCheckBox box(&host, 110, led, "Sound On");
            box.setGeometry(10, 10, 120, 20);
            box.show();
            const QString prefix = QStringLiteral("ledcheckbox_%1_led%2_").arg(theme.name).arg(led);
            states[prefix + "off"] = Shot(&box, prefix + "off");
            box.setChecked(true);
            states[prefix + "on"] = Shot(&box, prefix + "on");
        }
        LEDCheckBox two(&host, 111, 2, "Merge|Pass through");
        two.setGeometry(10, 40, 140, 24);
        two.show();
        two.setDown(true);
        const QString prefix = QStringLiteral("ledcheckbox_%1_").arg(theme.name);
        states[prefix + "two_captions_pressed"] = Shot(&two, prefix + "two_captions_pressed");
        ExpectAllDifferent(states);
    }
}

TEST(Gallery, LEDButtonStates)
{
    for (const Theme& theme : Themes()) {
        Host host(theme.palette);
        std::map<QString, QImage> states;
        for (int led = 0; led < ControlBitmap::LedColours; ++led) {
            LEDButton button(&host, 151, 0, led);
            button.move(10, 10);
            button.show();
            const QString prefix = QStringLiteral("ledbutton_%1_led%2_").arg(theme.name).arg(led);
            states[prefix + "off"] = Shot(&button, prefix + "off");
            button.setChecked(true);
            states[prefix + "on"] = Shot(&button, prefix + "on");
            if (led == 2) {
                button.setFocus();
                states[prefix + "on_focused"] = Shot(&button, prefix + "on_focused");
            }
        }
        ExpectAllDifferent(states);
    }
}

TEST(Gallery, SliderStates)
{
    for (const Theme& theme : Themes()) {
        Host host(theme.palette);
        std::map<QString, QImage> states;
        struct Kind {
            int picture, min, max;
        } kinds[] = {{32000, 1, 20}, {32003, 0, 127}};
        for (const Kind& kind : kinds) {
            TMyHSlider slider(&host, 4123, 10, 10, 81, 17, kind.picture, kind.min, kind.max);
            slider.show();
            const QString prefix = QStringLiteral("slider%1_%2_").arg(kind.picture).arg(theme.name);
            for (int value : {kind.min, (kind.min + kind.max) / 2, kind.max}) {
                slider.setValue(value);
                states[prefix + QString::number(value)] = Shot(&slider, prefix + QString::number(value));
            }
            slider.setSliderDown(true);
            states[prefix + "dragging"] = Shot(&slider, prefix + "dragging");
            slider.setSliderDown(false);
            slider.setFocus();
            states[prefix + "focused"] = Shot(&slider, prefix + "focused");
            slider.clearFocus();
            slider.setEnabled(false);
            states[prefix + "disabled"] = Shot(&slider, prefix + "disabled");
        }
        ExpectAllDifferent(states);
    }
}

TEST(Gallery, PaneStates)
{
    for (const Theme& theme : Themes()) {
        Host host(theme.palette);
        host.resize(240, 120);
        Pane pane(&host, 100, 7, 7, 106, 1);
        const QString prefix = QStringLiteral("pane_%1_").arg(theme.name);
        std::map<QString, QImage> states;
        states["idle"] = Shot(&host, prefix + "idle");
        QTest::mousePress(&pane, Qt::LeftButton, {}, QPoint(3, 50));
        QTest::mouseMove(&pane, QPoint(60, 50));
        states["dragging"] = Shot(&host, prefix + "dragging");
        QTest::mouseRelease(&pane, Qt::LeftButton, {}, QPoint(60, 50));
        states["released"] = Shot(&host, prefix + "released");
        EXPECT_NE(states["idle"], states["dragging"]);
        EXPECT_EQ(states["idle"], states["released"]);
    }
}

TEST(Gallery, PalettesPlainCheckedAndFlashing)
{
    for (const Theme& theme : Themes()) {
        CloseAllPalettes();
        std::map<QString, QImage> states;
        for (int number = 0; number < PaletteTable::Count; ++number) {
            ToolBar::OpenToolBar(nullptr, nullptr, number);
            ToolBar* palette = ToolBar::OpenPalette(number);
            ASSERT_NE(palette, nullptr);
            palette->setPalette(theme.palette);
            const QString prefix = QStringLiteral("palette%1_%2_").arg(number).arg(theme.name);
            states[prefix + "plain"] = Shot(palette, prefix + "plain");
            palette->SetTool(0, 1);
            palette->SetTool(palette->CellCount() - 1, 1);
            states[prefix + "checked"] = Shot(palette, prefix + "checked");
            QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellRect(1).center());
            states[prefix + "flashing"] = Shot(palette, prefix + "flashing");
            EXPECT_GT(ColourCount(states[prefix + "plain"]), 4);
        }
        ExpectAllDifferent(states);
        CloseAllPalettes();
    }
}

TEST(Gallery, BitmapsAtDoubleResolution)
{
    std::vector<int> ids = {ControlBitmap::Leds, ControlBitmap::ToggleSwitch, ControlBitmap::SliderThumb,
                            ControlBitmap::VelocityThumb};
    for (const PaletteRow& row : PaletteTable::Rows) {
        ids.push_back(row.bitmapId);
        ids.push_back(row.bitmapId + ControlBitmap::CheckedOffset);
    }
    for (const Theme& theme : Themes()) {
        for (int id : ids) {
            const QPixmap normal = LoadControlBitmap(id, theme.palette, 1);
            const QPixmap doubled = LoadControlBitmap(id, theme.palette, 2);
            ASSERT_FALSE(normal.isNull()) << id;
            // Same logical size, twice the pixels: drawn anew, not scaled up.
            EXPECT_EQ(doubled.deviceIndependentSize(), normal.deviceIndependentSize()) << id;
            EXPECT_EQ(doubled.width(), 2 * normal.width()) << id;
            const QImage enlarged =
                normal.toImage().scaled(doubled.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            EXPECT_NE(doubled.toImage().convertToFormat(enlarged.format()), enlarged) << id;
            doubled.save(GalleryDir() + QStringLiteral("/bitmap%1@2x_%2.png").arg(id).arg(theme.name));
        }
    }
    EXPECT_TRUE(LoadControlBitmap(12, QPalette(), 1).isNull());
    EXPECT_TRUE(LoadControlBitmap(4711, QPalette(), 1).isNull());
}

TEST(Gallery, ADialogBuiltFromTheControls)
{
    for (const Theme& theme : Themes()) {
        QDialog dialog;
        dialog.setPalette(theme.palette);
        dialog.resize(460, 260);
        auto* group = new QGroupBox("Output", &dialog);
        group->setGeometry(10, 10, 236, 70);
        const char* names[] = {"Notes", "Chord", "Key", "Scale", "Interval"};
        LEDButton* buttons[5];
        for (int i = 0; i < 5; ++i) {
            buttons[i] = new LEDButton(&dialog, 151 + i, i, 2);
            buttons[i]->move(30 + 46 * i, 50);
            auto* label = new QLabel(names[i], &dialog);
            label->setGeometry(14 + 46 * i, 30, 48, 16);
            label->setAlignment(Qt::AlignHCenter);
        }
        auto* info = new QLabel(&dialog);
        info->setObjectName("id400");
        info->setWordWrap(true);
        info->setGeometry(256, 16, 196, 60);
        new ToggleBox(&dialog, 102, "Use \"C (B Bass)\" notation|Use \"C/B\" notation");
        dialog.findChild<ToggleBox*>("id102")->setGeometry(12, 96, 240, 20);
        auto* sharp = new ToggleBox(&dialog, 112, "C#|Db");
        sharp->setGeometry(12, 122, 70, 20);
        sharp->setChecked(true);
        auto* mute = new LEDCheckBox(&dialog, 110, 1, "Sound On");
        mute->setGeometry(100, 122, 120, 20);
        mute->setChecked(true);
        auto* velocity = new TMyHSlider(&dialog, 4124, 8, 95, 81, 17, 32003, 0, 127);
        velocity->setValue(100);
        auto* chords = new TMyHSlider(&dialog, 4123, 8, 118, 81, 17, 32000, 1, 20);
        chords->setValue(5);
        new Pane(&dialog, 260, 96, 7, 140, 1);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(buttons[1], Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(info->text(), "Take some notes, and find the chords comprised of those notes");
        Shot(&dialog, QStringLiteral("dialog_%1").arg(theme.name));
    }
}
