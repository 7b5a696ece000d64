#pragma once
// The pictures of the component tool bar: Put out, Get in, Find, Change
// Settings, the two mode buttons, Reset, the two sound buttons and Change
// Connections, numbered like their commands (Reset's picture is 23011).

#include "app/commands/command_picture_parts.h"

class QPainter;

// Draws picture id in the 20 x 20 design grid; false for a number that is
// not a component picture.
bool PaintComponentCommandPicture(QPainter& p, int id, const CommandPicture::Inks& k);
