// Edit > Copy on the Guitar: the chord's text form as every component
// copies it, and while a line of the Fingerings list is chosen its chord box
// as a picture too, for pasting into a lesson sheet.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/components/guitar/fingering_list.h"
#include "app/components/guitar/guitar_client.h"
#include "core/theory/clipboard.h"

void GuitarClient::CopyChord()
{
    mmMDIChildClient::CopyChord();
    ClipboardAccess* clipboard = GetClipboardAccess();
    if (!clipboard || !ShowFingerings) return;
    const QImage box = Fingerings()->ChosenBoxImage();
    if (box.isNull()) return;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(clipboard->GetText().value_or(std::string())));
    data->setImageData(box);
    QGuiApplication::clipboard()->setMimeData(data);
}
