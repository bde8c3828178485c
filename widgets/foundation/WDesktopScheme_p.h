#pragma once

#include "wexal_export.h"

#include <QObject>

#include <memory>

// Whether the desktop prefers light or dark, as the platform tells it: the freedesktop settings
// portal on Linux, the registry on Windows, the style hints where Qt knows. The one interface
// the theme code sees; each platform's source sits behind it in a file of its own.
class WEXAL_AUTOTEST_EXPORT WDesktopScheme : public QObject
{
    Q_OBJECT

public:
    enum class Scheme { Unknown, Light, Dark };

    // The platform's source; on a platform without one, a source that stays Unknown.
    static std::unique_ptr<WDesktopScheme> Create();

    // The last preference read; Unknown until the first answer arrives.
    virtual Scheme Current() const = 0;

signals:
    // After the first answer and after every change of preference; never twice in a row for
    // the same scheme.
    void Changed(WDesktopScheme::Scheme scheme);
};
