#pragma once
// The pictures of the list editors' Add (6514) and Delete (6513) buttons: a
// list with a line joining it, and a list with a line crossed out. Numbered
// like the buttons' controls.

#include "app/commands/command_picture_parts.h"

class QPainter;

// Draws picture id in the 20 x 20 design grid; false for a number that is
// not a list button picture.
bool PaintListButtonPicture(QPainter& p, int id, const CommandPicture::Inks& k);
