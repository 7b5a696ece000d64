#pragma once
// The studio: the MDI client that owns the component frames, with the
// studio's file, name and modified state, and the Studio menu's commands.

#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QToolBar>

#include <functional>
#include <string>
#include <vector>

class mmMDIChild;
class Progress;
struct StudioFileContents;

class mmMDIClient : public QMdiArea {
    Q_OBJECT
public:
    explicit mmMDIClient(QWidget* parent = nullptr);
    ~mmMDIClient() override;

    // The studio of the running program (the last one created), or null.
    static mmMDIClient* Instance();

    // Writes the whole studio to path; false after message 406.
    bool SaveStudio(const char* path);
    // Creates the components of path and restores them; replace closes the
    // current studio first (false when the user cancels that); showHelp
    // allows the studio's automatic help. False after a reported failure,
    // leaving no half-loaded component behind.
    bool LoadStudio(const char* path, bool replace, bool showHelp);
    // Offers to save a modified studio, then closes every component. False
    // (and nothing closed) when the user cancels.
    bool CloseStudio();
    // Names the studio path in the caption and remembers it in the settings
    // for the next start; a studio read from a file cut short is remembered
    // only once the user saves it.
    void SetStudioName(const char* path);
    // Opens the help the studio names; false when it names none.
    bool ShowStudioHelp(const char* path);

    // Carries out a Studio or component-creation command; false for an id
    // it does not handle.
    bool Command(int id);

    // Window/Cascade: every shown frame keeps its size, cut where it would
    // reach past the area's right or bottom edge (never below the default).
    void CascadeFrames();

    const std::string& StudioPath() const { return studioPath_; }
    // The frames of all components, in component-list order.
    QList<mmMDIChild*> Frames() const;

    // The main tool bar the floating palettes open beside (set by the main window).
    void SetMainToolBar(QToolBar* bar) { mainToolBar_ = bar; }

    int TitleCounter = 1;
    int HelpContext = 0;

    // How the studio asks the user; tests replace these.
    std::function<QMessageBox::StandardButton()> AskToSave;
    // Returns the chosen file, or an empty string when cancelled. save: a
    // file-save dialog starting at start.
    std::function<QString(bool save, const QString& start)> ChooseFile;
    // Runs the New Component dialog; the kind chosen, or 0 when cancelled.
    std::function<int()> ChooseNewComponent;

private:
    void New();
    void Open();
    bool Save();
    bool SaveAs();
    void Insert();
    void CloseAll();
    void CloseAllFrames();
    // [Files] "OpenStudio", for the next start.
    void RememberOpenStudio(const char* path);
    // The restore pass of a load over the frames just created for contents;
    // base: how many components the studio held before.
    // progress: the strip of a large studio, or null.
    void RestoreFrames(const StudioFileContents& contents, int base, const std::vector<mmMDIChild*>& created,
                       Progress* progress);
    // Lays out the minimised frames once, as the area does after any frame's
    // change of state.
    void ArrangeMinimizedFrames();
    void ActiveFrameChanged(QMdiSubWindow* window);

    std::string studioPath_;
    bool toldStudioNotRemembered_ = false;
    // The studio came from a file cut short and has not been saved since.
    bool unsavedCutShort_ = false;
    QPointer<QToolBar> mainToolBar_;
};

// The Windows-style filter "text|pattern|text|pattern" as a Qt file-dialog filter.
QString QtFileFilter(const char* filter);

// "Save Studio": asks whether to save the modified studio (Yes, No, Cancel,
// and Help on saving studios). The studio's AskToSave unless a test replaces it.
QMessageBox::StandardButton AskToSaveStudio();
