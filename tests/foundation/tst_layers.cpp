// The folders of widgets/ are layers, and includes run one way: foundation knows no widget
// class; containers, buttons, text and values build on it; lists, form and tabs on those; the
// screen-reader interfaces in accessibility sit on top, and nothing includes them. Every
// #include "..." of the library is read and checked against that order, and the folder graph
// is printed for whoever changes it.
#include "WTestSuite.h"
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {

const QMap<QString, int>& layers()
{
    static const QMap<QString, int> order{
        {QStringLiteral("foundation"), 0},   {QStringLiteral("containers"), 1},
        {QStringLiteral("buttons"), 1},      {QStringLiteral("text"), 1},
        {QStringLiteral("values"), 1},       {QStringLiteral("lists"), 2},
        {QStringLiteral("form"), 2},         {QStringLiteral("tabs"), 2},
        {QStringLiteral("accessibility"), 3}};
    return order;
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    void includesRunOneWay()
    {
        const QDir widgets(QString::fromUtf8(WEXAL_SOURCE_DIR) + QStringLiteral("/widgets"));
        QVERIFY(widgets.exists());
        QMap<QString, QString> folderOf; // file name -> folder
        const QStringList folders = widgets.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& folder : folders) {
            QVERIFY2(layers().contains(folder),
                     qPrintable(QStringLiteral("folder %1 has no layer").arg(folder)));
            for (const QString& file : QDir(widgets.filePath(folder)).entryList(QDir::Files))
                folderOf.insert(file, folder);
        }

        static const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
        QMap<QString, QSet<QString>> graph;
        QStringList wrong;
        for (const QString& folder : folders) {
            const QDir dir(widgets.filePath(folder));
            for (const QString& file : dir.entryList(QDir::Files)) {
                QFile source(dir.filePath(file));
                QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Text));
                int line = 0;
                while (!source.atEnd()) {
                    ++line;
                    const auto m = include.match(QString::fromUtf8(source.readLine()));
                    const QString target = m.hasMatch() ? folderOf.value(m.captured(1)) : QString();
                    // Generated headers (the export header, moc output) belong to no folder.
                    if (target.isEmpty() || target == folder)
                        continue;
                    graph[folder].insert(target);
                    if (layers().value(target) >= layers().value(folder))
                        wrong << QStringLiteral("%1/%2:%3 includes %4/%5")
                                     .arg(folder, file)
                                     .arg(line)
                                     .arg(target, m.captured(1));
                }
            }
        }
        for (auto it = graph.cbegin(); it != graph.cend(); ++it) {
            QStringList below = it.value().values();
            below.sort();
            qInfo("%s -> %s", qPrintable(it.key()), qPrintable(below.join(QStringLiteral(", "))));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

WEXAL_TEST_MAIN(TestLayers)
#include "tst_layers.moc"
