// Every drawn picture of the program (main tool bar, component tool bars,
// the program's icon and the About pictures), enabled and disabled, in a
// light and a dark palette: saved to <build>/gallery for a reviewer, and each
// must stand out from the bar it sits on in both.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>

#include <cmath>

#include "app/commands/command_icons.h"
#include "controls/control_test_support.h"

namespace {

double Luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(QColor a, QColor b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The share of the picture's area that stands out from the bar by at least
// the given contrast.
double ReadableShare(const QImage& image, QColor background, double contrast)
{
    int readable = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Contrast(image.pixelColor(x, y), background) >= contrast) ++readable;
    return double(readable) / (image.width() * image.height());
}

QImage Render(int id, const QPalette& palette, bool enabled)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Button));
    QPainter painter(&image);
    PaintCommandPicture(painter, QRectF(0, 0, 40, 40), id, palette, enabled);
    return image;
}

TEST(PictureGallery, EveryPictureStandsOutInLightAndDarkPalettes)
{
    struct Theme {
        const char* name;
        QPalette palette;
    };
    QPalette dark = DarkPalette();
    // Dark themes dim their disabled text, some nearly to the window's colour.
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(80, 80, 80));
    dark.setColor(QPalette::Disabled, QPalette::Base, QColor(53, 53, 53));
    const Theme themes[] = {{"light", QApplication::style()->standardPalette()}, {"dark", dark}};

    int pictures = 0;
    for (int id = 0; id < 30000; ++id) {
        if (!HasCommandIcon(id)) continue;
        ++pictures;
        for (const Theme& theme : themes) {
            for (bool enabled : {true, false}) {
                const QImage image = Render(id, theme.palette, enabled);
                image.save(
                    GalleryDir() +
                    QStringLiteral("/picture%1_%2%3.png").arg(id).arg(theme.name).arg(enabled ? "" : "_disabled"));
                // Graphics ask for 3:1; a disabled picture is dimmed, yet seen.
                const double share = ReadableShare(image, theme.palette.color(QPalette::Button), enabled ? 3.0 : 2.0);
                EXPECT_GE(share, enabled ? 0.07 : 0.04)
                    << "picture " << id << " in the " << theme.name << " palette" << (enabled ? "" : ", disabled");
            }
        }
    }
    EXPECT_GT(pictures, 30);
}

}  // namespace
