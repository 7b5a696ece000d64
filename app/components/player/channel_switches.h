#pragma once
// The song's channels, one line each, with a switch for hearing it and one
// for reading its notes into the chords.

#include <QTableWidget>

#include <cstdint>

class ChannelSwitches : public QTableWidget {
    Q_OBJECT
public:
    enum Column { ChannelColumn, HearColumn, AnalyseColumn };

    explicit ChannelSwitches(QWidget* parent = nullptr);

    // Shows the channels of `used` (bit per channel) with the switches given.
    void Show(std::uint16_t used, std::uint16_t heard, std::uint16_t analysed);
    std::uint16_t Heard() const { return Mask(HearColumn); }
    std::uint16_t Analysed() const { return Mask(AnalyseColumn); }
    // The row of a channel (0..15), -1 when the song does not use it.
    int RowOf(int channel) const;

signals:
    void HeardChanged(std::uint16_t heard);
    void AnalysedChanged(std::uint16_t analysed);

private:
    std::uint16_t Mask(int column) const;

    std::uint16_t heard_ = 0xFFFF;
    std::uint16_t analysed_ = 0xFFFF;
};
