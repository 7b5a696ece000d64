#pragma once
// The help window: one top-level browser over the HTML help pages, reused for
// every topic.

#include <QWidget>

#include "core/services/qt/help_viewer.h"

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The one help window of the run, created on first use.
    static HelpWindow* Instance();

    // Shows the page of the topic; false when the book has no page for it.
    bool ShowTopic(const std::string& book, int context);
    QString CurrentPage() const;

private:
    HelpWindow();
    QTextBrowser* browser_;
};

// The default viewer: shows topics in the help window.
class HelpWindowViewer : public HelpViewer {
public:
    void ShowHelp(const std::string& book, int context) override;
};
