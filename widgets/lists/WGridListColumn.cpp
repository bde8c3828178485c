#include "WGridListColumn.h"

WGridListColumn::WGridListColumn() = default;

WGridListColumn::WGridListColumn(int width, const QString& text) : Width(width), Text(text) {}
