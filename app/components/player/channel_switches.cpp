#include "app/components/player/channel_switches.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {
constexpr int ChannelRole = Qt::UserRole;
constexpr int PercussionChannel = 9;

QTableWidgetItem* Switch(bool on)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    return item;
}
}  // namespace

ChannelSwitches::ChannelSwitches(QWidget* parent) : QTableWidget(0, 3, parent)
{
    setObjectName(QStringLiteral("channels"));
    setHorizontalHeaderLabels({QStringLiteral("Channel"), QStringLiteral("Hear"), QStringLiteral("Analyse")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::NoSelection);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == HearColumn) {
            heard_ = Mask(HearColumn);
            emit HeardChanged(heard_);
        } else if (item->column() == AnalyseColumn) {
            analysed_ = Mask(AnalyseColumn);
            emit AnalysedChanged(analysed_);
        }
    });
}

void ChannelSwitches::Show(std::uint16_t used, std::uint16_t heard, std::uint16_t analysed)
{
    const QSignalBlocker quiet(this);
    heard_ = heard;
    analysed_ = analysed;
    setRowCount(0);
    for (int channel = 0; channel < 16; ++channel) {
        if (!(used & (1u << channel))) continue;
        const int row = rowCount();
        insertRow(row);
        const QString name = channel == PercussionChannel ? QStringLiteral("%1 (drums)").arg(channel + 1)
                                                          : QString::number(channel + 1);
        auto* label = new QTableWidgetItem(name);
        label->setFlags(Qt::ItemIsEnabled);
        label->setData(ChannelRole, channel);
        setItem(row, ChannelColumn, label);
        setItem(row, HearColumn, Switch(heard & (1u << channel)));
        setItem(row, AnalyseColumn, Switch(analysed & (1u << channel)));
    }
}

int ChannelSwitches::RowOf(int channel) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (item(row, ChannelColumn)->data(ChannelRole).toInt() == channel) return row;
    return -1;
}

std::uint16_t ChannelSwitches::Mask(int column) const
{
    // Channels the song does not use keep their switch as it was.
    std::uint16_t mask = column == HearColumn ? heard_ : analysed_;
    for (int row = 0; row < rowCount(); ++row) {
        const int channel = item(row, ChannelColumn)->data(ChannelRole).toInt();
        const auto bit = static_cast<std::uint16_t>(1u << channel);
        mask = item(row, column)->checkState() == Qt::Checked ? (mask | bit) : (mask & ~bit);
    }
    return mask;
}
