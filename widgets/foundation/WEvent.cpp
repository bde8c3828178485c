#include "WEvent.h"

WEvent::WEvent(QEvent::Type type) : QEvent(type) {}

WEvent::~WEvent() = default;
