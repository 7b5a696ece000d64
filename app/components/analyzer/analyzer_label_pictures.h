#pragma once
// The two label pictures of the Analyzer Settings dialog, drawn in code so
// that they stay crisp at any pixel ratio and follow the theme's text colour:
// "Input" written upward beside the view choices, and the names of the five
// views written slanted over their LED buttons.

#include <QStringList>
#include <QWidget>

class InputLabelPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int PictureId = 4600;
    explicit InputLabelPicture(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class ViewLabelsPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int PictureId = 4601;
    // One label per column; columns are `columnWidth` apart, each label
    // starting over the middle of its column.
    ViewLabelsPicture(QWidget* parent, const QStringList& labels, int columnWidth);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList labels_;
    int columnWidth_;
};
