#pragma once
// The program's style: the platform's own, except that
// - the standard pictures of window title bars and tool-bar extension buttons
//   are read once and shared. Every component frame asks for them when it is
//   made (its title-bar menu and its tool bar), and the platform style reads
//   them from image files each time, which made large studios slow to load;
// - a tool bar marked with RuleLeftEdge has a one-pixel frame, drawn as a
//   rule in the palette's mid colour along its left edge only. One style
//   serves every such bar, where a style sheet per bar cost each frame.

#include <QIcon>
#include <QProxyStyle>

#include <map>
#include <tuple>

class QToolBar;

class StudioStyle : public QProxyStyle {
    Q_OBJECT
public:
    // base: the style to follow (taken over); null for the platform's.
    explicit StudioStyle(QStyle* base = nullptr);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void polish(QPalette& palette) override;
    void polish(QApplication* application) override;
    void unpolish(QApplication* application) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

private:
    // By picture, right-to-left layout and the option's palette.
    using Key = std::tuple<int, bool, qint64>;
    mutable std::map<Key, QIcon> shared_;
};

// Marks bar for the rule along its left edge.
void RuleLeftEdge(QToolBar* bar);

// Makes StudioStyle, over the current style, the application's style, once.
void UseStudioStyle();
