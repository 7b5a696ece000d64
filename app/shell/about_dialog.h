#pragma once
// The About box (9299, "About Cantrel Studio"): the version, three pictures
// and OK. Shown modally by Help/About, and modeless as the start-up banner.

#include "ui/h_dialog.h"

class AboutDialog : public HDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

// The start-up banner: the About box without owner, centred on the screen,
// above other windows, not keeping the program alive once the main window
// has closed.
AboutDialog* ShowStartBanner();
