#include "app/shell/window_dump.h"

#include <QAbstractItemView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QShortcut>
#include <QStatusBar>

#include "app/shell/main_frame.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"

namespace {

QJsonObject Rectangle(const QRect& r)
{
    return QJsonObject{{"x", r.x()}, {"y", r.y()}, {"width", r.width()}, {"height", r.height()}};
}

QString StateOf(const QMdiSubWindow& window)
{
    if (window.isMinimized()) return QStringLiteral("minimized");
    if (window.isMaximized()) return QStringLiteral("maximized");
    return window.isVisible() ? QStringLiteral("normal") : QStringLiteral("hidden");
}

// Every list the component shows, by object name: its first column's lines.
QJsonObject ListsOf(const QWidget& client)
{
    QJsonObject lists;
    for (const QAbstractItemView* view : client.findChildren<QAbstractItemView*>()) {
        QJsonArray lines;
        if (const QAbstractItemModel* model = view->model())
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
                lines.append(model->index(row, 0, view->rootIndex()).data().toString());
        lists.insert(view->objectName(), lines);
    }
    return lists;
}

QJsonObject Describe(const mmMDIChild& window)
{
    QJsonObject described{{"title", window.windowTitle()},
                          {"state", StateOf(window)},
                          {"active", &window == mmMDIChild::ActiveComponent()},
                          {"geometry", Rectangle(window.geometry())},
                          {"screen", Rectangle(QRect(window.mapToGlobal(QPoint(0, 0)), window.size()))}};
    if (const mmMDIChildClient* client = window.Client()) {
        QJsonArray notes;
        for (NOTES n : client->Chord.notes) notes.append(n);
        described.insert("type", client->TypeId);
        described.insert("mode", client->Mode);
        described.insert("notes", notes);
        described.insert("lists", ListsOf(*client));
    }
    return described;
}

}  // namespace

QJsonObject DescribeWindows(const mmMainFrame& frame)
{
    QJsonArray windows;
    const mmMDIClient* studio = frame.StudioClient();
    for (const mmMDIChild* window : studio->Frames()) windows.append(Describe(*window));
    const QWidget* area = studio->viewport();
    const QWidget* menu = frame.menuWidget();
    return QJsonObject{{"status", frame.statusBar()->currentMessage()},
                       {"menuBar", Rectangle(QRect(menu->mapToGlobal(QPoint(0, 0)), menu->size()))},
                       {"area", Rectangle(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()))},
                       {"windows", windows}};
}

void OfferWindowDump(mmMainFrame* frame)
{
    const QString path = qEnvironmentVariable("CANTREL_WINDOW_DUMP");
    if (path.isEmpty()) return;
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), frame);
    key->setContext(Qt::ApplicationShortcut);
    QObject::connect(key, &QShortcut::activated, frame, [frame, path] {
        // Whole or not at all: the reader polls for the file.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(QJsonDocument(DescribeWindows(*frame)).toJson());
        file.commit();
    });
}
