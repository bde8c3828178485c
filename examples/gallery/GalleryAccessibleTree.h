#pragma once

class QAccessibleInterface;
class QTextStream;
class QWidget;

// Writes what a screen reader finds below an accessible interface, one line per node, indented
// by depth: role, name, value and the states that matter to a listener. Invisible nodes are
// left out with everything below them, and unnamed panels are passed over, as readers do.
void WriteAccessibleTree(QAccessibleInterface* root, QTextStream& out);

// Presses Tab in the active window until the focus comes back to where it started, and writes
// each widget the focus reaches as a reader announces it (role and name), one per line.
void WriteTabOrder(QWidget* window, QTextStream& out);
