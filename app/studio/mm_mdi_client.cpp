#include "app/studio/mm_mdi_client.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/studio/chord_names_line.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_node.h"
#include "app/studio/component_titles.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/new_component_dialog.h"
#include "core/studio/show_scale_notes.h"
#include "app/studio/studio_capacity.h"
#include "app/studio/remembered_studio.h"
#include "app/commands/help_topics.h"
#include "app/commands/studio_commands.h"
#include "core/studio/studio_file_reader.h"
#include "core/studio/studio_file_writer.h"
#include "core/studio/studio_modified.h"
#include "controls/tool_bar.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "ui/help_viewer.h"
#include "ui/message_dialog.h"
#include "ui/progress.h"
#include "core/services/settings_write_failure.h"
#include "resources/app/app_strings.h"

namespace {

constexpr int ErrorWritingStudio = 406;
constexpr int TemplateMissing = 437;
constexpr int NoStudioHelp = 453;
constexpr int StudioFilterString = 26;

mmMDIClient* instance = nullptr;

// Titles written by the old platform are Windows-1252 bytes.
QString DecodeStoredText(const std::string& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) return QString::fromLatin1(bytes);
    return text;
}

// Frames become active as they are shown, and a load leaves its last frame
// active. The area hands a maximised state on to the frame it activates; the
// loaded frame keeps its stored state instead. A minimised frame stays under
// the others and holds the focus itself, its client being hidden.
void ActivateLoaded(QMdiArea* area, mmMDIChild* frame)
{
    const bool minimized = frame->isMinimized();
    const bool maximized = frame->isMaximized();
    area->setActiveSubWindow(frame);
    if (minimized && !frame->isMinimized())
        frame->showMinimized();
    else if (!minimized && !maximized && frame->isMaximized())
        frame->showNormal();
    if (frame->isMinimized()) {
        frame->lower();
        frame->setFocus();
    }
}

}  // namespace

QMessageBox::StandardButton AskToSaveStudio()
{
    const QDialogButtonBox::StandardButton answer = MessageDialog::Ask(
        nullptr, StudioCommand::Save, MessageDialog::Kind::Question, QStringLiteral("Save Studio"),
        QStringLiteral("The studio has been modified.  Do you wish to save it?"),
        QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel, QDialogButtonBox::Yes);
    // Both name their buttons with the same values.
    return static_cast<QMessageBox::StandardButton>(answer);
}

QString QtFileFilter(const char* filter)
{
    const QStringList parts = QString::fromUtf8(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        QStringList both;
        for (const QString& p : patterns) {
            both << p;
            if (p.toLower() != p) both << p.toLower();
        }
        QString description = parts[i];
        const int paren = description.indexOf(" (");
        if (paren >= 0) description.truncate(paren);
        filters << QStringLiteral("%1 (%2)").arg(description, both.join(' '));
    }
    return filters.join(";;");
}

mmMDIClient::mmMDIClient(QWidget* parent) : QMdiArea(parent)
{
    setObjectName("studio");
    instance = this;
    ReadMaxChords();
    ReadShowScaleNotes();
    AskToSave = AskToSaveStudio;
    ChooseFile = [this](bool save, const QString& start) {
        const QString filter = QtFileFilter(StringResource(AppStrings(), StudioFilterString));
        return save ? QFileDialog::getSaveFileName(this, QString(), start, filter)
                    : QFileDialog::getOpenFileName(this, QString(), start, filter);
    };
    ChooseNewComponent = [this] { return RunNewComponentDialog(this); };
    SetChordNamesSink([this](const std::string& line) {
        if (auto* frame = qobject_cast<QMainWindow*>(window()))
            frame->statusBar()->showMessage(QString::fromStdString(line));
    });
    connect(this, &QMdiArea::subWindowActivated, this, &mmMDIClient::ActiveFrameChanged);
}

mmMDIClient::~mmMDIClient()
{
    disconnect(this, &QMdiArea::subWindowActivated, this, &mmMDIClient::ActiveFrameChanged);
    CloseAllFrames();
    if (instance == this) {
        instance = nullptr;
        SetChordNamesSink({});
    }
}

mmMDIClient* mmMDIClient::Instance() { return instance; }

QList<mmMDIChild*> mmMDIClient::Frames() const
{
    QList<mmMDIChild*> frames;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (mmMDIChild* frame = FrameOfComponent(n)) frames << frame;
    return frames;
}

bool mmMDIClient::SaveStudio(const char* path)
{
    ProfileBatch batch;
    StudioFileWriter file(path);
    bool written = file.Begin();
    const std::unique_ptr<Progress> progress = Progress::ForLongWork(this, ComponentCount(), ComponentCount());
    for (ComponentNode* node = FirstComponent(); node && written; node = node->Next) {
        if (progress) progress->Update(file.ComponentsWritten());
        auto* client = dynamic_cast<mmMDIChildClient*>(node);
        mmMDIChild* frame = client ? client->Frame() : nullptr;
        if (!frame) continue;
        // Automatic titles (ending in the mark) are made again on loading.
        const QString title = frame->windowTitle();
        const std::string kept = IsAutomaticTitle(title) ? std::string() : title.toStdString();

        char line[StudioFile::LineBufferSize] = {};
        char* out = line;
        int remaining = sizeof line;
        frame->SavePlacement(out, remaining);
        written = file.AddComponent(kept, line);

        for (int j = 0; written; ++j) {
            char extra[StudioFile::LineBufferSize] = {};
            if (!client->SaveExtra(extra, sizeof extra, j)) break;
            extra[sizeof extra - 1] = 0;
            written = file.AddExtraLine(extra);
        }
        written = written && file.EndComponent();
    }
    written = written && file.End() && ToolBar::Save(path);
    written = batch.Commit() && written;
    if (!written) {
        Error(ErrorWritingStudio, path);
        return false;
    }
    ClearStudioModified();
    return true;
}

bool mmMDIClient::LoadStudio(const char* path, bool replace, bool showHelp)
{
    StudioFileContents contents;
    if (!ReadStudioFile(path, contents)) return false;
    // Judged before the open studio is closed, which then stays as it is.
    if (!RoomForComponents(replace ? 0 : ComponentCount(), long(contents.components.size()), path)) return false;
    if (replace && !CloseStudio()) return false;

    const int base = ComponentCount();
    const bool wasModified = StudioModified();

    QList<QMdiSubWindow*> maximized;
    for (QMdiSubWindow* frame : subWindowList())
        if (frame->isMaximized() && !frame->isHidden()) maximized << frame;
    const ConnectionsRefreshHold refreshOnce;
    std::vector<mmMDIChild*> created;
    QStringList titles;
    const int count = int(contents.components.size());
    const std::unique_ptr<Progress> progress = Progress::ForLongWork(this, count, 2 * count);
    for (const StudioComponentLine& line : contents.components) {
        if (progress) progress->Update(long(created.size()));
        QString title;
        mmMDIChild* frame = CreateComponent(this, line.typeId, true, &title);
        if (!frame) {
            // Half-loaded components would be saved with the studio: they go.
            for (auto it = created.rbegin(); it != created.rend(); ++it) delete *it;
            if (!wasModified) ClearStudioModified();
            return false;
        }
        created.push_back(frame);
        titles << (line.title.empty() ? title : DecodeStoredText(line.title));
    }
    // The first loaded frame takes over as soon as it is shown: a maximised
    // frame is shown normally and the active one deactivated (the area
    // raises a normal frame then), and the loaded frames stack above them.
    if (!created.empty()) {
        for (QMdiSubWindow* frame : maximized) frame->showNormal();
        setActiveSubWindow(nullptr);
    }
    RestoreFrames(contents, base, created, progress.get());
    for (std::size_t i = 0; i < created.size(); ++i) {
        created[i]->setWindowTitle(titles[qsizetype(i)]);
        created[i]->ReleaseCloseShortcut();
    }
    if (!created.empty()) ActivateLoaded(this, created.back());
    // The frames restored last lie on top; the Connections window, open
    // over the studio before, stays in view above them.
    RaiseConnectionsWindow();

    if (mainToolBar_) ToolBar::Load(window(), mainToolBar_, path);
    // What was read of a file cut short differs from the file: the exit asks
    // whether to keep it.
    if (contents.cutShort)
        MarkStudioModified();
    else
        ClearStudioModified();
    if (replace) unsavedCutShort_ = contents.cutShort;

    if (GetPrivateProfileInt("Global", "Welcome", 0, GetINIFileName()) == 0) {
        if (showHelp && GetPrivateProfileInt(StudioFile::Help, "OpenedOnce", 0, path) == 0) {
            WritePrivateProfileString(StudioFile::Help, "OpenedOnce", "1", path);
            ShowStudioHelp(path);
        }
    } else {
        WritePrivateProfileString("Global", "Welcome", "0", GetINIFileName());
        ShowHelpContext(HelpTopic::GettingStarted);
    }
    return true;
}

void mmMDIClient::RestoreFrames(const StudioFileContents& contents, int base, const std::vector<mmMDIChild*>& created,
                                Progress* progress)
{
    if (created.empty()) return;
    // A frame becomes active when it is shown, and the area then lowers every
    // minimised frame; a disabled frame is not activated. The loaded frames
    // are enabled again once all are restored.
    for (mmMDIChild* frame : created) frame->setEnabled(false);

    StudioLinkBase() = base;
    for (std::size_t n = 0; n < created.size() && n < contents.components.size(); ++n) {
        const StudioComponentLine& line = contents.components[n];
        mmMDIChild* frame = created[n];
        if (progress) progress->Update(long(created.size() + n));
        std::vector<char> text(line.line.begin(), line.line.end());
        text.push_back(0);
        char* in = text.data();
        int remaining = int(line.line.size());
        {
            // Told of each new state, the area lays out all minimised frames
            // again; it does so once below. The frame raises or lowers itself.
            const QSignalBlocker quiet(frame);
            frame->RestorePlacement(in, remaining);
        }
        for (std::size_t j = 0; j < line.extraLines.size(); ++j)
            frame->Client()->LoadExtra(line.extraLines[j].c_str(), int(line.extraLines[j].size()), int(j));
    }
    StudioLinkBase() = 0;
    for (mmMDIChild* frame : created) frame->setEnabled(true);
    ArrangeMinimizedFrames();
}

void mmMDIClient::CascadeFrames()
{
    cascadeSubWindows();
    // A window reaching past the edge could not be grasped there.
    const QSize area = viewport()->size();
    for (QMdiSubWindow* window : subWindowList()) {
        if (!window->isVisible() || window->isMinimized() || window->isMaximized()) continue;
        const QRect r = window->geometry();
        window->resize(std::min(r.width(), std::max(area.width() - r.x(), mmMDIChild::DefaultSize.width())),
                       std::min(r.height(), std::max(area.height() - r.y(), mmMDIChild::DefaultSize.height())));
    }
}

void mmMDIClient::ArrangeMinimizedFrames()
{
    // The area lays out its minimised frames and its scroll bars again when
    // its view changes size; the same size does just that.
    QResizeEvent event(viewport()->size(), viewport()->size());
    QMdiArea::resizeEvent(&event);
}

void mmMDIClient::CloseAllFrames()
{
    const ConnectionsRefreshHold refreshOnce;
    // The area activates the next frame whenever the active one goes, and
    // lays out the minimised frames again; it passes hidden frames over.
    for (ComponentNode* node = FirstComponent(); node; node = node->Next)
        if (mmMDIChild* frame = FrameOfComponent(node)) frame->hide();
    // Each frame takes its component, and the component its links, along.
    while (ComponentNode* node = LastComponent()) {
        mmMDIChild* frame = FrameOfComponent(node);
        if (!frame) break;
        delete frame;
    }
}

bool mmMDIClient::CloseStudio()
{
    if (StudioModified()) {
        const QMessageBox::StandardButton answer = AskToSave();
        if (answer == QMessageBox::Cancel) return false;
        // The close goes on even when an unnamed studio's Save As is cancelled.
        if (answer == QMessageBox::Yes) Save();
    }
    CloseAllFrames();
    ClearStudioModified();
    unsavedCutShort_ = false;
    return true;
}

void mmMDIClient::SetStudioName(const char* path)
{
    if (!unsavedCutShort_) RememberOpenStudio(path);
    studioPath_ = path;
    QString caption = window()->windowTitle();
    const int dash = caption.indexOf(" - ");
    if (dash >= 0) caption.truncate(dash);
    if (*path) {
        QString name = QString::fromUtf8(FilenameOnly(path));
        const int dot = name.indexOf('.');
        if (dot >= 0) name.truncate(dot);
        caption += " - " + name;
    }
    window()->setWindowTitle(caption);
}

bool mmMDIClient::ShowStudioHelp(const char* path)
{
    std::string studio = path && *path ? path : studioPath_;
    if (studio.empty()) studio = GetStudioTemplateFileName();
    std::string file = GetProfileString(studio, StudioFile::Help, "file", std::string());
    if (file.size() > 255) file.resize(255);
    if (file.empty()) return false;
    if (file.find('\\') == std::string::npos && file.find('/') == std::string::npos) {
        char folder[PathSize];
        std::snprintf(folder, sizeof folder, "%s", GetINIFileName());
        RemoveFilename(folder);
        file = folder + file;
    }
    const int context = GetPrivateProfileInt(StudioFile::Help, "context", 0, studio.c_str());
    GetHelpViewer()->ShowHelp(file, context);
    return true;
}

void mmMDIClient::RememberOpenStudio(const char* path)
{
    // Written at once: a failure is told while the user still knows which
    // studio it concerns, and only once, not at every open.
    if (RememberStudio(path) != Remembering::NotWritten || toldStudioNotRemembered_) return;
    toldStudioNotRemembered_ = true;
    ReportSettingsNotWritten(*path ? "this studio will not be reopened at the next start"
                                   : "the studio it last remembered will be reopened at the next start");
}

void mmMDIClient::New()
{
    // A cancelled save prompt leaves the studio, its name and its state alone.
    if (!CloseStudio()) return;
    const char* templatePath = GetStudioTemplateFileName();
    if (Exists(templatePath))
        LoadStudio(templatePath, false, false);
    else
        Error(TemplateMissing);
    SetStudioName("");
    ClearStudioModified();
}

void mmMDIClient::Open()
{
    const QString name = ChooseFile(false, QString());
    if (name.isEmpty()) return;
    const std::string path = name.toStdString();
    if (LoadStudio(path.c_str(), true, true)) SetStudioName(path.c_str());
}

bool mmMDIClient::Save()
{
    if (studioPath_.empty()) return SaveAs();
    if (!SaveStudio(studioPath_.c_str())) return false;
    if (unsavedCutShort_) {
        unsavedCutShort_ = false;
        SetStudioName(studioPath_.c_str());
    }
    return true;
}

bool mmMDIClient::SaveAs()
{
    QString name = ChooseFile(true, QString::fromStdString(studioPath_));
    if (name.isEmpty()) return false;
    // Only the file's own name decides whether it has an extension.
    if (!QString::fromUtf8(FilenameOnly(name.toUtf8().constData())).contains('.')) name += ".cts";
    const std::string path = name.toStdString();
    if (!SaveStudio(path.c_str())) return false;
    unsavedCutShort_ = false;
    SetStudioName(path.c_str());
    ClearStudioModified();
    return true;
}

void mmMDIClient::Insert()
{
    const QString name = ChooseFile(false, QString());
    if (name.isEmpty()) return;
    LoadStudio(name.toStdString().c_str(), false, false);
    MarkStudioModified();
}

void mmMDIClient::CloseAll()
{
    if (!CloseStudio()) return;
    SetStudioName("");
    ClearStudioModified();
}

bool mmMDIClient::Command(int id)
{
    switch (id) {
    case StudioCommand::New: New(); return true;
    case StudioCommand::Open: Open(); return true;
    case StudioCommand::Save: Save(); return true;
    case StudioCommand::SaveAs: SaveAs(); return true;
    case StudioCommand::Insert: Insert(); return true;
    case StudioCommand::CloseAll: CloseAll(); return true;
    case StudioCommand::StudioHelp:
        if (!ShowStudioHelp(nullptr)) Error(NoStudioHelp);
        return true;
    case StudioCommand::NewComponent:
        if (const int kind = ChooseNewComponent())
            if (mmMDIChild* frame = CreateComponent(this, kind, false)) frame->Client()->CreatedByUser();
        return true;
    case StudioCommand::CloseComponent:
        if (QMdiSubWindow* window = activeSubWindow()) delete window;
        return true;
    default: return false;
    }
}

void mmMDIClient::ActiveFrameChanged(QMdiSubWindow* window)
{
    auto* frame = qobject_cast<mmMDIChild*>(window);
    mmMDIChild::SetActiveComponent(frame);
    if (!frame || !frame->Client()) {
        HelpContext = 0;
        return;
    }
    HelpContext = frame->Client()->TypeId;
    frame->Client()->setFocus();
    ShowChordNames(frame->Client()->Chord);
}
