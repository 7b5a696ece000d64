#pragma once
// Making and removing links. A link is held by both ends: in an output slot of
// its source and an input slot of its target (a self-link in the input slot
// only).

class ComponentNode;

// Links output outIndex (0-based among outputs) of src to input inIndex of
// dst, replacing what either slot held. Nothing when an end is null or an
// index is out of range.
void Connect(ComponentNode* src, int outIndex, ComponentNode* dst, int inIndex);
// Removes the link a->b from both ends.
void Unlink(ComponentNode* a, ComponentNode* b);
// Removes every link other components hold to or from c; when c passes notes
// through, its first source is linked to its first target instead.
void Disconnect(ComponentNode* c);

// The nth (0-based) link that starts at c, in slot order.
ComponentNode* NthOutputOf(const ComponentNode* c, int n);

// The component linked at input or output `port` (0-based among its kind) of
// c, or null. A link of c to itself shows at its input and at c's first
// output that holds no other link.
ComponentNode* LinkedAtInput(const ComponentNode* c, int port);
ComponentNode* LinkedAtOutput(const ComponentNode* c, int port);
// c's first input / output that holds no link; the first one when all do.
int FreeInputOf(const ComponentNode* c);
int FreeOutputOf(const ComponentNode* c);
