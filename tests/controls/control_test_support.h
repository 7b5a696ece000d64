#pragma once
// Shared pieces of the control tests: a dark desktop palette, the gallery
// folder, and a fixture that leaves no palette open behind a test.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPalette>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/palette_table.h"
#include "controls/tool_bar.h"
#include "core/services/profile.h"

inline QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, QColor(60, 60, 60));
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Light, QColor(90, 90, 90));
        dark.setColor(group, QPalette::Midlight, QColor(75, 75, 75));
        dark.setColor(group, QPalette::Mid, QColor(45, 45, 45));
        dark.setColor(group, QPalette::Dark, QColor(30, 30, 30));
        dark.setColor(group, QPalette::Shadow, QColor(10, 10, 10));
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    return dark;
}

// <build>/gallery, created on first use.
inline QString GalleryDir()
{
    const QString dir = QDir::cleanPath(QStringLiteral(CANTREL_OUTPUT_DIR) + QStringLiteral("/../gallery"));
    QDir().mkpath(dir);
    return dir;
}

inline void CloseAllPalettes()
{
    for (int palette = 0; palette < PaletteTable::Count; ++palette) ToolBar::CloseToolBar(palette);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { CloseAllPalettes(); }
    void TearDown() override
    {
        CloseAllPalettes();
        ForgetProfiles();
    }
};
