#pragma once
// Sent to a palette's owner when the user clicks one of its cells: the
// command of that cell, for the owner to carry out.

#include <QEvent>

class ToolCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 100);

    explicit ToolCommandEvent(int command) : QEvent(EventType), command_(command) {}
    int Command() const { return command_; }

private:
    int command_;
};
