#pragma once

// Test tables kept as text next to their test: a row per line, fields split at " | " and kept
// as written (a field may start with a space), "#" before a comment, blank lines skipped. A row
// of the wrong width, or a file that cannot be read, comes back as a row whose first field says
// so between angle brackets, the others empty: a test adds it as a row that fails, so a broken
// file never makes an empty table.

#include <QFile>
#include <QList>
#include <QStringList>

namespace WexalTest {

// A file kept with the tests, by its path below tests/ ("text/tst_wlineedit.keys").
inline QString TestData(const char* path)
{
    return QStringLiteral(WEXAL_TESTS_DIR "/") + QLatin1String(path);
}

inline QStringList Broken(const QString& why, int fields)
{
    QStringList row{why};
    while (row.size() < fields)
        row.append(QString());
    return row;
}

inline QList<QStringList> TextTable(const QString& path, int fields)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {Broken(QStringLiteral("<cannot read %1>").arg(path), fields)};
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList row = (line.endsWith(QLatin1Char('|')) ? line + QLatin1Char(' ') : line)
                                    .split(QStringLiteral(" | "));
        rows.append(row.size() == fields
                        ? row
                        : Broken(QStringLiteral("<malformed: %1>").arg(line), fields));
    }
    return rows;
}

} // namespace WexalTest
