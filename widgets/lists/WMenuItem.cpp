#include "WMenuItem.h"

WMenuItem::WMenuItem(const QString& text) : QObject(nullptr), Text(text) {}

WMenuItem::~WMenuItem() = default;
