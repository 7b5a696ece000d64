#pragma once
// Where the Connections window draws each component and what lies under a
// point, in document coordinates (pixels), without any window: the icon, its
// ports, its title box, the document's extent, hit tests, and turning a
// finished line drag into a link.

#include <QPoint>
#include <QRect>
#include <QSize>

class ComponentNode;

namespace ConnectionsGeometry {
constexpr int IconSize = 32;
constexpr int PortSize = 6;
// A point within this many pixels of a port centre, in x and in y, is on it.
constexpr int PortReach = 12;
// The title box: 64 pixels wide, centred under the icon.
constexpr int TitleWidth = 64;
}  // namespace ConnectionsGeometry

// What a hit test found on a component: its body, or one of its ports.
enum PortKind { BodyHit = 0, InputPort = 1, OutputPort = 2 };

// Which ports a hit test looks at.
enum HitFilter { AllPorts = 0, InputPortsOnly = 1, OutputPortsOnly = 2 };

// How many ports (link slots in use) c has: inputs first, then outputs.
int PortCount(const ComponentNode& c);
// Top-left corner and centre of the port of link slot `slot` (inputs first,
// then outputs).
QPoint PortTopLeft(const ComponentNode& c, int slot);
QPoint PortCentre(const ComponentNode& c, int slot);
QRect IconRect(const ComponentNode& c);
QRect TitleBox(const ComponentNode& c);
// The largest IconX + 38 by the largest IconY + 48; empty for no component.
QSize DocumentExtent();

// The centre of the port at the other end of the link in c's slot, when the
// other component holds that link; false otherwise.
bool OtherEndCentre(const ComponentNode& c, int slot, QPoint& centre);

// The first component, in list order, with a port (kind InputPort or
// OutputPort, index among that kind, p moved onto the port's centre) or its
// icon body (kind BodyHit, index 0) under p; null when none. Filter 1 looks
// at inputs only, 2 at outputs only, anything else at both.
ComponentNode* HitTest(int filter, QPoint& p, int& kind, int& index);
// The first component whose title box holds p, or null.
ComponentNode* HitTitle(QPoint p);

// Turns a line dragged from one port to a point into a link: let go on the
// same component at the same index (its starting port above all) it removes
// that port's link; on a port of the other kind, or on an icon body standing
// for its first port of that kind, it connects them, replacing what either
// port held; anywhere else it changes nothing. True when the links were
// changed.
bool ConnectByDrag(QPoint from, QPoint to);
