#pragma once
// Which way a dialog moves a control's value through its transfer record:
// into the record (Get), out of it (Set), or only asking its size (Size).

enum class TransferDirection { Get, Set, Size };
