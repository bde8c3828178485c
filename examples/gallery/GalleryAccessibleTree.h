#pragma once

class QAccessibleInterface;
class QTextStream;

// Writes what a screen reader finds below an accessible interface, one line per node, indented
// by depth: role, name, value and the states that matter to a listener. Invisible nodes are
// left out with everything below them, as readers leave them out.
void WriteAccessibleTree(QAccessibleInterface* root, QTextStream& out);
